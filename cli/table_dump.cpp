#include "cli/table_dump.h"

#include "cli/image_file.h"
#include "core/io/same_file.h"
#include "core/io/text_dump.h"

namespace {

bool ParseOrder(const std::vector<std::string>& args, const std::vector<DumpOrderName>& orders, ListOrder& order) {
  order = orders.front().order;
  if (args.size() == 3) return true;
  if (args.size() != 5 || args[3] != "--order") return false;
  for (const DumpOrderName& known : orders) {
    if (args[4] == known.name) {
      order = known.order;
      return true;
    }
  }
  return false;
}

}  // namespace

int RunTableDump(const std::vector<std::string>& args, const char* usage, const std::vector<DumpOrderName>& orders,
                 const TableDumper& dump, std::FILE* out, std::FILE* err) {
  ListOrder order;
  if (!ParseOrder(args, orders, order)) {
    std::fprintf(err, "usage: %s\n", usage);
    return 2;
  }
  const std::string& outPath = args[2];
  const bool toStandardOutput = outPath == "-";
  if (!toStandardOutput && IsSameFile(args[1], outPath)) {
    std::fprintf(err, "quillon-cli: %s is the image itself; choose another output file\n", outPath.c_str());
    return 1;
  }
  RomLayout layout;
  std::FILE* image = OpenImageForDump(args[1], layout, err);
  if (!image) return 1;
  const std::string text = dump(image, layout, order);
  std::fclose(image);
  if (toStandardOutput) {
    if (std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0) return 0;
    std::fputs("quillon-cli: the dump could not be written to standard output\n", err);
    return 1;
  }
  if (!WriteDumpFile(outPath, text)) {
    std::fprintf(err, "quillon-cli: %s\n", DumpFailedMessage(outPath).c_str());
    return 1;
  }
  return 0;
}
