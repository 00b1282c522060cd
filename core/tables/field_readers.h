#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "core/rom/rom_region.h"
#include "core/tables/table_fields.h"

// Reading back the kinds of value the tables' fields share, each checked as the editor
// checks its box and refused with the editor's words.

// Stores value little-endian in the field's bytes, within the field's bits.
void StoreFieldValue(const TableField& field, std::uint8_t* record, std::uint32_t value);
// The field's bytes as a little-endian value. Inline: an import reads thousands.
inline std::uint32_t FieldValue(const TableField& field, const std::uint8_t* record) {
  return LittleEndianValue(record + field.offset, field.width);
}

// A decimal number the field's bytes hold unsigned, or signed.
std::string ReadUnsignedField(const std::string& text, const TableField& field, const FieldTarget& target);
std::string ReadSignedField(const std::string& text, const TableField& field, const FieldTarget& target);
// "$" and hexadecimal, or decimal, as an address box reads it.
std::string ReadAddressField(const std::string& text, const TableField& field, const FieldTarget& target);
// A name or short text, as a typed one is stored: its characters in the game's encoding, then
// zeros; at most 24 characters (an edit box's) and never more than the field holds.
std::string ReadTextField(const std::string& text, const TableField& field, const FieldTarget& target);

// "X" is not an entry of the Music list
std::string NotAnEntryProblem(const std::string& text, const TableField& field);

// The index of the entry showing text among count entries, or count when none does.
template <typename ShowEntry>
std::size_t EntryShowing(const std::string& text, std::size_t count, ShowEntry show) {
  for (std::size_t i = 0; i < count; ++i) {
    if (show(i) == text) return i;
  }
  return count;
}

// An entry of a fixed list, stored as its index.
template <const auto& kNames>
std::string ReadChoiceField(const std::string& text, const TableField& field, const FieldTarget& target) {
  const std::size_t count = std::size(kNames);
  const std::size_t index = EntryShowing(text, count, [](std::size_t i) { return std::string(kNames[i]); });
  if (index == count) return NotAnEntryProblem(text, field);
  StoreFieldValue(field, target.record, static_cast<std::uint32_t>(index));
  return "";
}
