#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Two editors list more entries than the game's own table holds. The entries past its end
// lie on other game data, so writing one changes that data; an Apply asks first.

enum class LiesOn {
  GameTable,               // an entry of the game's own table
  StoreTable,              // the items each shop sells
  DataAfterTeleportTable,  // the bytes between the teleport table and the phone list
};

// The game's item table holds items 0 to 253; items 254 and 255 are the first 78 bytes of
// its store table.
constexpr std::size_t kGameItemCount = 254;
LiesOn ItemLiesOn(std::uint8_t itemNumber);

// The editor's teleport rows start one entry into the game's table: rows 0 to 14 are its
// destinations 1 to 15, and the last row lies past its end.
constexpr std::size_t kGameTeleportRows = 15;
LiesOn TeleportRowLiesOn(std::size_t row);

// The Yes/No question (No by default) an Apply asks before writing such an entry.
std::string ItemOverwriteQuestion(std::uint8_t itemNumber);
extern const char* const kTeleportOverwriteQuestion;

// Beside the item editor's name box: "(store table)" for an item on it, else nothing.
std::string ItemNameNote(std::uint8_t itemNumber);
