#include "core/item/item_list_texts.h"

#include "core/tables/list_entry.h"

std::string ItemListEntry(const ItemRecord& item) {
  return ListEntryText(item.name, item.itemNumber);
}

void AppendItemListEntry(const ItemRecord& item, std::string& shown) {
  AppendListEntry(item.name, item.itemNumber, shown);
}
