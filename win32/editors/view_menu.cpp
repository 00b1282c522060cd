#include "win32/editors/view_menu.h"

#include "win32/app/command_ids.h"

namespace {

struct OrderCommand {
  int command;
  ListOrder order;
};

constexpr OrderCommand kOrderCommands[] = {
    {kCmdListByName, ListOrder::ByName},
    {kCmdListByGameOrderOrType, ListOrder::ByGameOrder},
    {kCmdListByOriginalOrder, ListOrder::Original},
};

int CommandOfListOrder(ListOrder order) {
  for (const OrderCommand& row : kOrderCommands) {
    if (row.order == order) return row.command;
  }
  return kCmdListByName;
}

}  // namespace

std::optional<ListOrder> ListOrderOfCommand(int command) {
  for (const OrderCommand& row : kOrderCommands) {
    if (row.command == command) return row.order;
  }
  return std::nullopt;
}

void RewriteViewMenu(HMENU viewMenu, const ViewMenuItem (&items)[3], ListOrder chosen) {
  UINT position = kFirstListOrderPosition;
  for (const ViewMenuItem& item : items) {
    const UINT check = item.order == chosen ? MF_CHECKED : MF_UNCHECKED;
    ModifyMenuA(viewMenu, position++, MF_BYPOSITION | MF_STRING | check,
                static_cast<UINT_PTR>(CommandOfListOrder(item.order)), item.text);
  }
}
