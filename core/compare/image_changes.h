#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What differs between an unedited and an edited image, in the game's own terms.

// One field of one record whose shown value differs. Bytes of a record that no field shows
// are listed as a field of their own ("Byte 86", "Bytes 63-67") with their values in hex.
struct FieldChange {
  std::string table;    // "enemy", "item", ...
  std::uint32_t record;  // as the editor numbers it
  std::string name;     // the record's name in the unedited image
  std::string field;
  std::string before;
  std::string after;
};

// ROM positions start to end (inclusive) outside every known table, of which count bytes differ.
struct ByteStretch {
  std::uint32_t start;
  std::uint32_t end;
  std::uint32_t count;
};

struct ImageChanges {
  std::vector<FieldChange> fields;  // in table order, then record, then field
  std::vector<ByteStretch> stretches;  // by position

  bool Empty() const { return fields.empty() && stretches.empty(); }
};
