#include "core/item/item_order.h"

#include <algorithm>
#include <iterator>
#include <numeric>
#include <utility>

#include "core/text/name_key.h"

namespace {

// A record as the comparisons see it: its name key made once, and the record itself.
struct SortEntry {
  NameKey key;
  const ItemRecord* item;
};

// For i from the start: the first best record from i on is exchanged into place i.
template <typename Better>
void SelectionSort(ItemTable& items, Better better) {
  // Each record is ranked once, equal records alike, so the scan compares small numbers
  // and still meets every tie exactly as the comparison itself would.
  SortEntry entries[kItemCount];
  for (std::size_t n = 0; n < kItemCount; ++n) entries[n] = {NameKeyOf(items[n].name), &items[n]};
  std::uint16_t byRank[kItemCount];
  std::iota(std::begin(byRank), std::end(byRank), std::uint16_t{0});
  std::sort(std::begin(byRank), std::end(byRank),
            [&](std::uint16_t a, std::uint16_t b) { return better(entries[a], entries[b]); });
  std::uint16_t rank[kItemCount];
  rank[byRank[0]] = 0;
  for (std::size_t k = 1; k < kItemCount; ++k) {
    const bool tie = !better(entries[byRank[k - 1]], entries[byRank[k]]);
    rank[byRank[k]] = static_cast<std::uint16_t>(rank[byRank[k - 1]] + (tie ? 0 : 1));
  }

  for (std::size_t i = 0; i + 1 < kItemCount; ++i) {
    std::size_t best = i;
    for (std::size_t j = i + 1; j < kItemCount; ++j) {
      if (rank[j] < rank[best]) best = j;
    }
    if (best != i) {
      ExchangeItemRecords(items[i], items[best]);
      std::swap(rank[i], rank[best]);
    }
  }
}

}  // namespace

void ExchangeItemRecords(ItemRecord& a, ItemRecord& b) {
  std::swap(a, b);
}

void SortItemsByName(ItemTable& items) {
  SelectionSort(items, [](const SortEntry& j, const SortEntry& best) {
    const int order = CompareNameKeys(j.key, best.key);
    return order < 0 || (order == 0 && j.item->itemNumber < best.item->itemNumber);
  });
}

void SortItemsByType(ItemTable& items) {
  SelectionSort(items, [](const SortEntry& j, const SortEntry& best) {
    if (j.item->type != best.item->type) return j.item->type < best.item->type;
    return CompareNameKeys(j.key, best.key) < 0;
  });
}

void SortItemsByNumber(ItemTable& items) {
  SelectionSort(items, [](const SortEntry& j, const SortEntry& best) {
    return j.item->itemNumber < best.item->itemNumber;
  });
}

void SortItems(ItemTable& items, ListOrder order) {
  switch (order) {
    case ListOrder::ByType:
      SortItemsByType(items);
      break;
    case ListOrder::Original:
      SortItemsByNumber(items);
      break;
    default:
      SortItemsByName(items);
      break;
  }
}
