#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "core/enemy/enemy_record.h"
#include "core/item/item_table.h"

// The lists the editors fill, all drop-down combo boxes. Each fill clears
// the list first; entry i is table position i or catalogue index i. Drawing is held off
// and storage reserved while the entries go in, so a refill costs one repaint.

// The texts, in order.
void FillList(HWND list, const char* const* texts, std::size_t count);
void FillList(HWND list, const std::vector<std::string>& texts);
// "<name> - [<enemy number>]" for every enemy, in the table's order.
void FillEnemyList(HWND list, const EnemyTable& enemies);
// "<name> - [<item number>]" for every item, in the table's order.
void FillItemList(HWND list, const ItemTable& items);
// The 319 action names.
void FillActionList(HWND list);
// The 52 PSI argument names.
void FillPsiArgumentList(HWND list);
// No entries and no text.
void ClearList(HWND list);
