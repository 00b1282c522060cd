#pragma once

#include <windows.h>

#include "core/tables/list_order.h"

// One of items 2 to 4 of an editor's View menu, as the current order leaves it.
struct ViewMenuItem {
  ListOrder order;
  const char* text;
};

// Rewrites items 2 to 4 of viewMenu with their texts, checking the chosen order.
void RewriteViewMenu(HMENU viewMenu, const ViewMenuItem (&items)[3], ListOrder chosen);
