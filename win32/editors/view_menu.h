#pragma once

#include <windows.h>

#include <optional>

#include "core/tables/list_order.h"

// The order a View menu command lists by, or none for any other command.
std::optional<ListOrder> ListOrderOfCommand(int command);

// Where the list orders start in an editor's View menu: after Find, Find Next and a separator.
constexpr UINT kFirstListOrderPosition = 3;

// One of the three list order items of an editor's View menu, as the current order leaves it.
struct ViewMenuItem {
  ListOrder order;
  const char* text;
};

// Rewrites the list order items of viewMenu with their texts and commands, checking the chosen order.
void RewriteViewMenu(HMENU viewMenu, const ViewMenuItem (&items)[3], ListOrder chosen);
