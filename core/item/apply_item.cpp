#include "core/item/apply_item.h"

#include "core/item/item_fields.h"
#include "core/item/item_order.h"
#include "core/numbers/number_boxes.h"
#include "core/numbers/read_number.h"
#include "core/rom/rom_session.h"
#include "core/tables/table_position.h"
#include "core/text/edit_text.h"

std::string ItemBoxesProblem(const ItemBoxes& boxes) {
  constexpr NumberRange kCostRange{0, kMaximumItemCost};
  constexpr NumberRange kStrengthRange{kSmallestItemSignedByte, kMaximumItemStrength};
  constexpr NumberRange kExtraPowerRange{kSmallestItemSignedByte, kMaximumItemExtraPower};
  return NumberBoxesProblem({{"Cost", boxes.cost, NumberForm::Decimal, kCostRange},
                             {"Type", boxes.type, NumberForm::Decimal, UnsignedRange(1)},
                             {"Strength", boxes.strength, NumberForm::Integer, kStrengthRange},
                             {"Extra Power", boxes.extraPower, NumberForm::Integer, kExtraPowerRange},
                             {"E.P. Increase", boxes.epIncrease, NumberForm::Decimal, UnsignedRange(1)},
                             {"Special prop.", boxes.specialProperty, NumberForm::Decimal, UnsignedRange(1)},
                             {"Desc. address", boxes.descAddress, NumberForm::DecimalOrHex, UnsignedRange(4)}});
}

ItemApplyResult ApplyItem(std::FILE* romFile, ItemTable& items, std::size_t position, const ItemBoxes& boxes,
                          ListOrder order) {
  ItemRecord& item = items[position];
  const std::uint32_t effect = boxes.effect >= 0 ? static_cast<std::uint32_t>(boxes.effect) : item.effect;
  bool written = true;
  written &= WriteItemCost(item, romFile, ReadNumberClamped(boxes.cost, kMaximumItemCost));
  written &= WriteItemType(item, romFile, ReadNumberClamped(boxes.type, kMaximumItemByte));
  written &= WriteItemEffect(item, romFile, effect);
  written &= WriteItemStrength(item, romFile,
                               static_cast<std::uint32_t>(ReadIntClamped(boxes.strength, kMaximumItemStrength)));
  written &= WriteItemEpIncrease(item, romFile, ReadNumberClamped(boxes.epIncrease, kMaximumItemByte));
  written &= WriteItemExtraPower(item, romFile,
                                 static_cast<std::uint32_t>(ReadIntClamped(boxes.extraPower, kMaximumItemExtraPower)));
  written &= WriteItemSpecialProperty(item, romFile, ReadNumberClamped(boxes.specialProperty, kMaximumItemByte));
  written &= WriteItemOwnership(item, romFile, OwnershipOfChecks(boxes.checks));
  written &= WriteItemDescAddress(item, romFile, ReadDecOrHex(boxes.descAddress));
  if (!IsShownName(boxes.name, item.name)) written &= WriteItemName(item, romFile, boxes.name);
  written = FlushRom(romFile) && written;

  const std::uint8_t itemNumber = item.itemNumber;
  SortItems(items, order);
  // The sort only moves records, so the item is always found.
  return {static_cast<std::size_t>(ItemPosition(items, itemNumber)), written};
}
