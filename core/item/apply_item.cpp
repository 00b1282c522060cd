#include "core/item/apply_item.h"

#include "core/item/item_fields.h"
#include "core/item/item_order.h"
#include "core/numbers/read_number.h"
#include "core/rom/rom_session.h"
#include "core/tables/table_position.h"

ItemApplyResult ApplyItem(std::FILE* romFile, ItemTable& items, std::size_t position, const ItemForm& form,
                          ListOrder order) {
  ItemRecord& item = items[position];
  const std::uint32_t effect = form.effect >= 0 ? static_cast<std::uint32_t>(form.effect) : item.effect;
  bool written = true;
  written &= WriteItemCost(item, romFile, ReadNumberClamped(form.cost, kMaximumItemCost));
  written &= WriteItemType(item, romFile, ReadNumberClamped(form.type, kMaximumItemByte));
  written &= WriteItemEffect(item, romFile, effect);
  written &= WriteItemStrength(item, romFile,
                               static_cast<std::uint32_t>(ReadIntClamped(form.strength, kMaximumItemStrength)));
  written &= WriteItemEpIncrease(item, romFile, ReadNumberClamped(form.epIncrease, kMaximumItemByte));
  written &= WriteItemExtraPower(item, romFile,
                                 static_cast<std::uint32_t>(ReadIntClamped(form.extraPower, kMaximumItemExtraPower)));
  written &= WriteItemSpecialProperty(item, romFile, ReadNumberClamped(form.specialProperty, kMaximumItemByte));
  written &= WriteItemOwnership(item, romFile, OwnershipOfChecks(form.checks));
  written &= WriteItemDescAddress(item, romFile, ReadDecOrHex(form.descAddress));
  written &= WriteItemName(item, romFile, form.name);
  written = FlushRom(romFile) && written;

  const std::uint8_t itemNumber = item.itemNumber;
  SortItems(items, order);
  // The sort only moves records, so the item is always found.
  return {static_cast<std::size_t>(ItemPosition(items, itemNumber)), written};
}
