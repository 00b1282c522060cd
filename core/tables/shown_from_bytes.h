#pragma once

#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "core/tables/field_readers.h"
#include "core/tables/table_fields.h"
#include "core/text/ansi_utf8.h"

// The kinds of field whose shown value follows from their own bytes alone: numbers, addresses
// and entries of fixed lists. An import compares each of their cells with the record's bytes
// without showing the value first, and lists their changes without decoding the table again.
struct ShownFromBytes {
  // Appends what the field shows for the value these ROM bytes of the record hold.
  void (*append)(const TableField& field, const std::uint8_t* record, std::string& shown);
  // Whether a cell (UTF-8) reads exactly as append would show that value.
  bool (*isShownIn)(std::string_view cell, const TableField& field, const std::uint8_t* record);
};

// In decimal, as AppendUnsigned or AppendSigned shows it (the sign taken from the field's top
// bit); as AppendHex shows it: "$" and upper-case digits without leading zeros.
extern const ShownFromBytes kUnsignedFromBytes;
extern const ShownFromBytes kSignedFromBytes;
extern const ShownFromBytes kHexFromBytes;

// The entry of a fixed list a value selects. A stored value the list lacks selects no entry,
// so it shows empty.
template <typename Names>
void AppendEntry(const Names& names, std::uint32_t value, std::string& shown) {
  if (value < std::size(names)) shown += names[value];
}

template <const auto& kNames>
void AppendChoiceOfBytes(const TableField& field, const std::uint8_t* record, std::string& shown) {
  AppendEntry(kNames, FieldValue(field, record), shown);
}

template <const auto& kNames>
bool IsChoiceOfBytesIn(std::string_view cell, const TableField& field, const std::uint8_t* record) {
  const std::uint32_t value = FieldValue(field, record);
  if (value >= std::size(kNames)) return cell.empty();
  return IsUtf8Of(cell, kNames[value]);
}

template <const auto& kNames>
inline constexpr ShownFromBytes kChoiceFromBytes{AppendChoiceOfBytes<kNames>, IsChoiceOfBytesIn<kNames>};
