#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/patch/byte_span.h"
#include "core/tables/game_tables.h"

// Each table the editors show is described once, as a list of its fields: what the editor
// calls a field, which bytes of a record hold it, how it shows and how a shown value is read
// back. Showing a change, exporting and importing go through these lists, so a field reads
// the same wherever the program lists it.

// Appends one field of one record, as its editor shows it, to shown; from tables held in ROM
// order. Appended, not returned: an export or import shows every field of every record.
using ShowField = void (*)(const GameTables& tables, std::size_t record, std::string& shown);

// Where a value is read into: the tables as the image holds them (ROM order), and the ROM
// bytes of the record, with the fields read before this one already in place.
struct FieldTarget {
  const GameTables& tables;
  std::uint8_t* record;
};

struct TableField;
// Stores the value a text names (as the field shows values) in the field's bytes of the
// record. Returns what is wrong with the text ("abc" is not a number), empty when stored.
using ReadField = std::string (*)(const std::string& text, const TableField& field, const FieldTarget& target);

struct ShownFromBytes;

struct ByteRange {
  std::uint32_t offset = 0;
  std::uint32_t width = 0;
};

struct TableField {
  const char* label;     // the editor's label without its colon
  std::uint32_t offset;  // of its first byte in the ROM record
  std::uint32_t width;   // in bytes
  std::uint8_t bits;     // the bits of each of those bytes the field shows
  ShowField show;
  ReadField read;
  ByteRange shownWith{};  // other bytes of the record its shown value depends on (an argument's action)
  // How it shows from its own bytes alone, as show does; null where that needs more.
  const ShownFromBytes* fromBytes = nullptr;
};

// Decodes the table from its bytes, read from ROM data that has no copier header.
using DecodeTable = void (*)(const std::uint8_t* bytes, GameTables& tables);

struct KnownTable {
  const char* name;  // as a listed change names the table: "enemy", "teleport", ...
  std::uint32_t romPosition;
  std::uint32_t recordSize;
  std::size_t recordCount;
  std::uint32_t firstNumber;  // how its editor numbers record 0
  DecodeTable decode;
  ShowField recordName;
  std::vector<TableField> fields;
  // The other tables its fields show entries of (an enemy's item), which reading it for
  // export or import reads too.
  std::vector<const KnownTable& (*)()> showsEntriesOf{};

  std::uint32_t Size() const { return recordSize * static_cast<std::uint32_t>(recordCount); }
};

constexpr std::uint8_t kAllBits = 0xFF;

// Every table in the order the editors come in the main window's tree.
const std::vector<KnownTable>& KnownTables();
const KnownTable& EnemyTableFields();
const KnownTable& ItemTableFields();
const KnownTable& PsiNameTableFields();
const KnownTable& TeleportTableFields();
const KnownTable& PhoneListTableFields();
const KnownTable& AilmentTableFields();
const KnownTable& BattleMenuTableFields();

// What show appends, as a text of its own.
std::string Shown(ShowField show, const GameTables& tables, std::size_t record);

// The bytes of a region of ROM data; those past its end read as 0xFF, as the loaders read them.
std::vector<std::uint8_t> RomDataRegion(ByteSpan romData, std::uint32_t romPosition, std::size_t count);

// Every known table from ROM data, each record at its ROM position (enemies and items in
// ROM order, so record n is at table position n).
void DecodeGameTables(ByteSpan romData, GameTables& tables);
