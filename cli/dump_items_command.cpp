#include "cli/dump_items_command.h"

#include "cli/image_file.h"
#include "core/io/text_dump.h"
#include "core/item/item_dump.h"
#include "core/item/item_order.h"

namespace {

bool ParseItemOrder(const std::vector<std::string>& args, ListOrder& order) {
  if (args.size() == 3) {
    order = ListOrder::ByName;
    return true;
  }
  if (args.size() != 5 || args[3] != "--order") return false;
  if (args[4] == "name") order = ListOrder::ByName;
  else if (args[4] == "type") order = ListOrder::ByType;
  else if (args[4] == "original") order = ListOrder::Original;
  else return false;
  return true;
}

}  // namespace

int DumpItemsCommand(const std::vector<std::string>& args, std::FILE* err) {
  ListOrder order;
  if (!ParseItemOrder(args, order)) {
    std::fprintf(err, "usage: %s\n", kDumpItemsUsage);
    return 2;
  }
  if (IsSameFile(args[1], args[2])) {
    std::fprintf(err, "quillon-cli: %s is the image itself; choose another output file\n", args[2].c_str());
    return 1;
  }
  std::FILE* image = OpenImageForDump(args[1], err);
  if (!image) return 1;
  // Read in ROM order and sorted once, as a load does: the by-type ties depend on it.
  ItemTable items;
  LoadItemTable(image, items);
  std::fclose(image);
  SortItems(items, order);
  if (!WriteItemDump(items, args[2])) {
    std::fprintf(err, "quillon-cli: %s\n", DumpFailedMessage(args[2]).c_str());
    return 1;
  }
  return 0;
}
