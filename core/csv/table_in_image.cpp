#include "core/csv/table_in_image.h"

#include "core/rom/first_difference.h"

namespace {

// Unchanged bytes up to this many between two changed ones are written over with themselves.
constexpr std::size_t kImportWriteGap = 256;

}  // namespace

bool ReadTableOfImage(std::FILE* image, const RomLayout& layout, const KnownTable& table, GameTables& tables,
                      std::vector<std::uint8_t>& tableBytes) {
  // Decoded as read, in ROM order, without the sort a load makes.
  const auto read = [&](const KnownTable& known, std::vector<std::uint8_t>& bytes) {
    bytes.resize(known.Size());
    if (!ReadRomBytes(image, layout.FileOffset(known.romPosition), bytes.data(), bytes.size())) return false;
    known.decode(bytes.data(), tables);
    return true;
  };
  std::vector<std::uint8_t> otherBytes;
  for (const auto other : table.showsEntriesOf) {
    if (!read(other(), otherBytes)) return false;
  }
  return read(table, tableBytes);
}

ActionOutcome WriteTableImport(RomSession& session, const KnownTable& table, const TableImport& import) {
  const std::vector<std::uint8_t>& after = import.after;
  const auto nextDifference = [&](std::size_t from) {
    return from + FirstDifference(after.data() + from, import.before.data() + from, after.size() - from);
  };
  const auto writes = [&] {
    bool written = true;
    std::size_t i = nextDifference(0);
    while (i < after.size()) {
      // Changed fields close together go in one write, the bytes between them as they were
      // read: a bulk edit of one field of every record is one write, not hundreds.
      std::size_t end = i + 1;
      for (std::size_t next = nextDifference(end); next < after.size() && next - end < kImportWriteGap;
           next = nextDifference(end)) {
        end = next + 1;
      }
      const std::uint32_t at = session.romLayout.FileOffset(table.romPosition + static_cast<std::uint32_t>(i));
      written &= WriteRomBytes(session.romFile, at, after.data() + i, end - i);
      i = nextDifference(end);
    }
    return written && FlushRom(session.romFile);
  };
  return RunImageAction(session, {"Import from CSV", ""}, writes);
}
