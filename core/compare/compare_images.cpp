#include "core/compare/compare_images.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "core/rom/first_difference.h"
#include "core/tables/shown_from_bytes.h"
#include "core/tables/table_fields.h"

namespace {

// Equal blocks of this many bytes are passed over with one comparison.
constexpr std::size_t kScanBlock = 256;

struct RecordBytes {
  const std::uint8_t* before;
  const std::uint8_t* after;
};

bool FieldDiffers(const TableField& field, const RecordBytes& bytes) {
  for (std::uint32_t i = field.offset; i < field.offset + field.width; ++i) {
    if ((bytes.before[i] ^ bytes.after[i]) & field.bits) return true;
  }
  return false;
}

std::string HexBytes(const std::uint8_t* bytes, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    char hex[4];
    std::snprintf(hex, sizeof hex, i == 0 ? "%02X" : " %02X", bytes[i]);
    text += hex;
  }
  return text;
}

std::string BytesLabel(std::uint32_t first, std::uint32_t last) {
  if (first == last) return "Byte " + std::to_string(first);
  return "Bytes " + std::to_string(first) + "-" + std::to_string(last);
}

class RecordComparison {
 public:
  // shownBits: room for a record's bytes, kept from record to record.
  RecordComparison(const KnownTable& table, std::size_t record, const GameTables& before, const GameTables& after,
                   std::vector<FieldChange>& changes, std::vector<std::uint8_t>& shownBits)
      : table_(table), record_(record), before_(before), after_(after), changes_(changes), shownBits_(shownBits) {}

  void Compare(const RecordBytes& bytes) {
    // An edit mostly touches a field or two: only the bytes from the first that differs to
    // the last are looked at.
    const std::uint32_t size = table_.recordSize;
    first_ = DifferenceFrom(bytes, 0);
    for (std::uint32_t at = first_; at < size; at = DifferenceFrom(bytes, at + 1)) end_ = at + 1;
    shownBits_.assign(table_.recordSize, 0);
    for (const TableField& field : table_.fields) {
      const bool outside = field.offset >= end_ || field.offset + field.width <= first_;
      if (outside || !FieldDiffers(field, bytes)) continue;
      std::string was = ShownIn(field, before_, bytes.before);
      std::string is = ShownIn(field, after_, bytes.after);
      if (was == is) continue;
      Add(field.label, std::move(was), std::move(is));
      for (std::uint32_t i = field.offset; i < field.offset + field.width; ++i) shownBits_[i] |= field.bits;
    }
    AddUnshownBytes(bytes);
  }

 private:
  // From the field's bytes where it shows from them alone: an import lists the changes of
  // such fields without decoding its table again.
  std::string ShownIn(const TableField& field, const GameTables& tables, const std::uint8_t* record) const {
    std::string shown;
    if (field.fromBytes) {
      field.fromBytes->append(field, record, shown);
    } else {
      field.show(tables, record_, shown);
    }
    return shown;
  }

  // The first byte from the one at from on that differs; the record's size when none does.
  std::uint32_t DifferenceFrom(const RecordBytes& bytes, std::uint32_t from) const {
    return from + static_cast<std::uint32_t>(
                      FirstDifference(bytes.before + from, bytes.after + from, table_.recordSize - from));
  }

  // Differences no listed field accounts for (bytes no field holds, bytes after a name's
  // end, a second bit of a flag) are listed by their place in the record, so none is lost.
  void AddUnshownBytes(const RecordBytes& bytes) {
    const auto unshown = [&](std::uint32_t i) { return ((bytes.before[i] ^ bytes.after[i]) & ~shownBits_[i]) != 0; };
    for (std::uint32_t i = first_; i < end_; ++i) {
      if (!unshown(i)) continue;
      std::uint32_t last = i;
      while (last + 1 < end_ && unshown(last + 1)) ++last;
      const std::size_t count = last - i + 1;
      Add(BytesLabel(i, last), HexBytes(bytes.before + i, count), HexBytes(bytes.after + i, count));
      i = last;
    }
  }

  void Add(std::string field, std::string before, std::string after) {
    changes_.push_back({table_.name, table_.firstNumber + static_cast<std::uint32_t>(record_),
                        Shown(table_.recordName, before_, record_), std::move(field), std::move(before),
                        std::move(after)});
  }

  const KnownTable& table_;
  std::size_t record_;
  const GameTables& before_;
  const GameTables& after_;
  std::vector<FieldChange>& changes_;
  std::vector<std::uint8_t>& shownBits_;  // the bits of each byte a listed field accounts for
  std::uint32_t first_ = 0;  // the stretch of differing bytes, first to end
  std::uint32_t end_ = 0;
};

void CompareTable(const KnownTable& table, ByteSpan uneditedRom, ByteSpan editedRom, const GameTables& before,
                  const GameTables& after, std::vector<FieldChange>& changes) {
  const std::vector<std::uint8_t> was = RomDataRegion(uneditedRom, table.romPosition, table.Size());
  const std::vector<std::uint8_t> is = RomDataRegion(editedRom, table.romPosition, table.Size());
  AddTableChanges(table, {was.data(), is.data()}, {before, after}, changes);
}

// Gathers differing bytes outside the tables into stretches, joining those close together.
class Stretches {
 public:
  void Add(std::uint32_t first, std::uint32_t last) {
    if (open_ && first - current_.end - 1 <= kStretchJoinGap) {
      current_.end = last;
      current_.count += last - first + 1;
      return;
    }
    Close();
    current_ = {first, last, last - first + 1};
    open_ = true;
  }
  // A table lies between what came and what comes.
  void Close() {
    if (open_) list_.push_back(current_);
    open_ = false;
  }
  std::vector<ByteStretch> Take() {
    Close();
    return std::move(list_);
  }

 private:
  ByteStretch current_{};
  bool open_ = false;
  std::vector<ByteStretch> list_;
};

// Bytes from one position to another, where one image ends all differ.
void ScanBetweenTables(ByteSpan was, ByteSpan is, std::size_t from, std::size_t to, Stretches& stretches) {
  const std::size_t common = std::min(was.size, is.size);
  for (std::size_t p = from; p < to;) {
    if (p >= common) {
      stretches.Add(static_cast<std::uint32_t>(p), static_cast<std::uint32_t>(to - 1));
      break;
    }
    const std::size_t blockEnd = std::min({to, common, p + kScanBlock});
    if (std::memcmp(was.data + p, is.data + p, blockEnd - p) == 0) {
      p = blockEnd;
      continue;
    }
    for (; p < blockEnd; ++p) {
      if (was[p] != is[p]) stretches.Add(static_cast<std::uint32_t>(p), static_cast<std::uint32_t>(p));
    }
  }
  stretches.Close();
}

std::vector<ByteStretch> StretchesOutsideTables(ByteSpan was, ByteSpan is) {
  std::vector<std::pair<std::size_t, std::size_t>> tables;
  for (const KnownTable& table : KnownTables()) tables.push_back({table.romPosition, table.romPosition + table.Size()});
  std::sort(tables.begin(), tables.end());
  const std::size_t end = std::max(was.size, is.size);
  Stretches stretches;
  std::size_t from = 0;
  for (const auto& [tableStart, tableEnd] : tables) {
    ScanBetweenTables(was, is, from, std::min(tableStart, end), stretches);
    from = std::max(from, tableEnd);
  }
  ScanBetweenTables(was, is, from, end, stretches);
  return stretches.Take();
}

}  // namespace

void AddTableChanges(const KnownTable& table, const TableBytes& bytes, const TablesBeforeAndAfter& tables,
                     std::vector<FieldChange>& changes) {
  // From each differing byte to the next, over the records between them.
  std::vector<std::size_t> records;
  const std::size_t size = table.Size();
  for (std::size_t at = FirstDifference(bytes.before, bytes.after, size); at < size;) {
    records.push_back(at / table.recordSize);
    const std::size_t next = (records.back() + 1) * table.recordSize;
    at = next + FirstDifference(bytes.before + next, bytes.after + next, size - next);
  }
  // Room for a change a record: a bulk edit changes a field of hundreds.
  changes.reserve(changes.size() + records.size());
  std::vector<std::uint8_t> shownBits;
  for (const std::size_t r : records) {
    const std::size_t start = r * table.recordSize;
    RecordComparison(table, r, tables.before, tables.after, changes, shownBits)
        .Compare({bytes.before + start, bytes.after + start});
  }
}

ImageChanges CompareImages(ByteSpan uneditedRom, ByteSpan editedRom) {
  GameTables before;
  GameTables after;
  DecodeGameTables(uneditedRom, before);
  DecodeGameTables(editedRom, after);
  ImageChanges changes;
  for (const KnownTable& table : KnownTables()) CompareTable(table, uneditedRom, editedRom, before, after, changes.fields);
  changes.stretches = StretchesOutsideTables(uneditedRom, editedRom);
  return changes;
}
