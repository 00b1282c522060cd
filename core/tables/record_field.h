#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <type_traits>
#include <variant>

#include "core/rom/rom_region.h"
#include "core/rom/rom_session.h"

// A table's number fields are declared once, as rows of {member, offset, width}: the loader
// reads every row and each field writer writes its own, so an offset or a width cannot
// differ between reading and writing.

// One element of an array member, such as an enemy's third action.
template <typename Record, typename Value, std::size_t kLength>
struct MemberElement {
  Value (Record::*array)[kLength];
  std::size_t index;
  constexpr bool operator==(const MemberElement& other) const {
    return array == other.array && index == other.index;
  }
};

// Member is a std::variant of the member kinds a record's number fields use.
template <typename Member>
struct NumberField {
  Member member;
  std::uint32_t offset;  // from the start of the ROM record
  unsigned width;        // bytes in the image, low byte first
};

template <typename Record, typename Value>
Value& MemberSlot(Record& record, Value Record::*member) {
  return record.*member;
}

template <typename Record, typename Value, std::size_t kLength>
Value& MemberSlot(Record& record, const MemberElement<Record, Value, kLength>& element) {
  return (record.*element.array)[element.index];
}

// Stores value in the member; 8-bit members keep its low byte.
template <typename Record, typename Member>
void StoreNumber(Record& record, const Member& member, std::uint32_t value) {
  std::visit(
      [&](const auto& which) {
        auto& slot = MemberSlot(record, which);
        slot = static_cast<std::remove_reference_t<decltype(slot)>>(value);
      },
      member);
}

// Fills every number member of record from its ROM bytes.
template <typename Record, typename Fields>
void DecodeNumberFields(const std::uint8_t* bytes, const Fields& fields, Record& record) {
  for (const auto& field : fields) StoreNumber(record, field.member, LittleEndianValue(bytes + field.offset, field.width));
}

// The row that keeps member; null when the table has none.
template <typename Field, std::size_t kCount, typename Member>
const Field* FieldOf(const Field (&fields)[kCount], const Member& member) {
  for (const auto& field : fields) {
    if (field.member == member) return &field;
  }
  return nullptr;
}

// Stores value in memory and writes the field's width of it at the record's place in the
// image. False when the write fails (or the member has no row).
template <typename Record, typename Fields, typename Member>
bool WriteNumberField(Record& record, std::FILE* romFile, const Fields& fields, const Member& member,
                      std::uint32_t value) {
  const auto* field = FieldOf(fields, member);
  if (!field) return false;
  StoreNumber(record, field->member, value);
  return WriteRomValue(romFile, record.fileOffset + field->offset, value, field->width);
}
