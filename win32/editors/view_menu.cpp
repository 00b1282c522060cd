#include "win32/editors/view_menu.h"

void RewriteViewMenu(HMENU viewMenu, const ViewMenuItem (&items)[3], ListOrder chosen) {
  UINT position = 2;
  for (const ViewMenuItem& item : items) {
    const UINT check = item.order == chosen ? MF_CHECKED : MF_UNCHECKED;
    ModifyMenuA(viewMenu, position++, MF_BYPOSITION | MF_STRING | check, static_cast<UINT_PTR>(item.order),
                item.text);
  }
}
