#pragma once

#include <cstdint>
#include <iterator>
#include <string_view>

#include "core/tables/field_readers.h"
#include "core/tables/table_fields.h"
#include "core/text/ansi_utf8.h"

// Whether a cell reads exactly as a field would show the value its bytes hold, for the kinds
// of field whose shown value follows from their own bytes alone: an import compares each such
// cell with the record's bytes, without showing the value first.

// The field's value in decimal, as AppendUnsigned or AppendSigned shows it (the sign taken
// from the field's top bit).
bool CellShowsUnsigned(std::string_view cell, const TableField& field, const std::uint8_t* record);
bool CellShowsSigned(std::string_view cell, const TableField& field, const std::uint8_t* record);
// As AppendHex shows it: "$" and upper-case digits without leading zeros.
bool CellShowsHex(std::string_view cell, const TableField& field, const std::uint8_t* record);

// The entry of a fixed list the value selects; empty when the list has no such entry.
template <const auto& kNames>
bool CellShowsChoice(std::string_view cell, const TableField& field, const std::uint8_t* record) {
  const std::uint32_t value = FieldValue(field, record);
  if (value >= std::size(kNames)) return cell.empty();
  return IsUtf8Of(cell, kNames[value]);
}
