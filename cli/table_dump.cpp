#include "cli/table_dump.h"

#include "cli/command_output.h"
#include "cli/image_file.h"

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
  if (IsImageAsOutput(args[1], outPath, err)) return 1;
  RomLayout layout;
  std::FILE* image = OpenImageForDump(args[1], layout, err);
  if (!image) return 1;
  const std::string text = dump(image, layout, order);
  std::fclose(image);
  return WriteCommandOutput(outPath, text, "dump", out, err);
}
