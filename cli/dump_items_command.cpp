#include "cli/dump_items_command.h"

#include "cli/table_dump.h"
#include "core/item/item_dump.h"
#include "core/item/item_order.h"

int DumpItemsCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  const std::vector<DumpOrderName> orders = {
      {"name", ListOrder::ByName}, {"type", ListOrder::ByType}, {"original", ListOrder::Original}};
  return RunTableDump(
      args, kDumpItemsUsage, orders,
      [](std::FILE* image, const RomLayout& layout, ListOrder order) {
        // Read in ROM order and sorted once, as a load does: the by-type ties depend on it.
        ItemTable items;
        LoadItemTable(image, layout, items);
        SortItems(items, order);
        return ItemDumpText(items);
      },
      out, err);
}
