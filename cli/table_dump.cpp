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
                 const TableDumper& dump, std::FILE* err) {
  ListOrder order;
  if (!ParseOrder(args, orders, order)) {
    std::fprintf(err, "usage: %s\n", usage);
    return 2;
  }
  const std::string& outPath = args[2];
  if (IsSameFile(args[1], outPath)) {
    std::fprintf(err, "quillon-cli: %s is the image itself; choose another output file\n", outPath.c_str());
    return 1;
  }
  RomLayout layout;
  std::FILE* image = OpenImageForDump(args[1], layout, err);
  if (!image) return 1;
  const bool written = dump(image, layout, order, outPath);
  std::fclose(image);
  if (!written) {
    std::fprintf(err, "quillon-cli: %s\n", DumpFailedMessage(outPath).c_str());
    return 1;
  }
  return 0;
}
