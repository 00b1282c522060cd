#pragma once

#include "core/item/item_table.h"
#include "core/tables/list_order.h"

// Exchanges two whole records, every field included.
void ExchangeItemRecords(ItemRecord& a, ItemRecord& b);

// All three are one selection sort that differs only in which record is better, so equal
// records keep the order the selection sort's swaps leave them in.
// Name key (a to z as capitals, bytes unsigned, a prefix first), then item number.
void SortItemsByName(ItemTable& items);
// Type, then name key; records equal in both have no further tie-break.
void SortItemsByType(ItemTable& items);
// Item number: position p holds item p.
void SortItemsByNumber(ItemTable& items);

// The sort that order names.
void SortItems(ItemTable& items, ListOrder order);
