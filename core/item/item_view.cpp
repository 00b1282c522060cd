#include "core/item/item_view.h"

#include "core/enemy/enemy_catalogues.h"
#include "core/numbers/show_number.h"
#include "core/tables/overlapping_entries.h"

ItemChecks ChecksOfOwnership(std::uint8_t ownership) {
  ItemChecks checks;
  checks.infiniteUse = (ownership & kItemLimitedUse) == 0;
  checks.permanent = (ownership & kItemPermanent) != 0;
  checks.chicken = (ownership & kItemChicken) != 0;
  checks.ness = (ownership & kItemNess) != 0;
  checks.paula = (ownership & kItemPaula) != 0;
  checks.jeff = (ownership & kItemJeff) != 0;
  checks.poo = (ownership & kItemPoo) != 0;
  return checks;
}

std::uint8_t OwnershipOfChecks(const ItemChecks& checks) {
  std::uint8_t ownership = 0;
  if (!checks.infiniteUse) ownership |= kItemLimitedUse;
  if (checks.permanent) ownership |= kItemPermanent;
  if (checks.chicken) ownership |= kItemChicken;
  if (checks.poo) ownership |= kItemPoo;
  if (checks.jeff) ownership |= kItemJeff;
  if (checks.paula) ownership |= kItemPaula;
  if (checks.ness) ownership |= kItemNess;
  return ownership;
}

ItemBoxes ViewItem(const ItemRecord& item) {
  ItemBoxes view;
  view.name = GameText(item.name, kNameFieldLength);
  view.nameNote = ItemNameNote(item.itemNumber);
  view.type = ShowUnsigned(item.type);
  view.cost = ShowUnsigned(item.cost);
  view.strength = ShowSigned(item.strength);
  view.extraPower = ShowSigned(item.extraPower);
  view.epIncrease = ShowUnsigned(item.epIncrease);
  view.specialProperty = ShowUnsigned(item.specialProperty);
  view.descAddress = ShowHex(item.descAddress);
  if (item.effect < kActionCount) view.effect = static_cast<int>(item.effect);
  view.checks = ChecksOfOwnership(item.ownership);
  return view;
}
