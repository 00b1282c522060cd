#include "core/item/item_search.h"

std::vector<std::size_t> FindItems(const ItemTable& items, const std::string& text) {
  std::vector<std::size_t> found;
  if (text.empty()) return found;
  for (std::size_t p = 0; p < kItemCount; ++p) {
    if (GameText(items[p].name, kNameFieldLength).find(text) != std::string::npos) found.push_back(p);
  }
  return found;
}
