#include "core/tables/overlapping_entries.h"

LiesOn ItemLiesOn(std::uint8_t itemNumber) {
  return itemNumber < kGameItemCount ? LiesOn::GameTable : LiesOn::StoreTable;
}

LiesOn TeleportRowLiesOn(std::size_t row) {
  return row < kGameTeleportRows ? LiesOn::GameTable : LiesOn::DataAfterTeleportTable;
}

std::string ItemOverwriteQuestion(std::uint8_t itemNumber) {
  return "Item " + std::to_string(itemNumber) +
         " shares its bytes with the game's store table. Writing it changes what shops sell. Write it anyway?";
}

const char* const kTeleportOverwriteQuestion =
    "The last teleport row lies past the end of the game's teleport table. Write it anyway?";

std::string ItemNameNote(std::uint8_t itemNumber) {
  return ItemLiesOn(itemNumber) == LiesOn::StoreTable ? "(store table)" : "";
}
