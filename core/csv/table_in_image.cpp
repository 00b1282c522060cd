#include "core/csv/table_in_image.h"

#include "core/tables/game_tables.h"

bool ReadTableOfImage(std::FILE* image, const RomLayout& layout, const KnownTable& table, GameTables& tables,
                      std::vector<std::uint8_t>& tableBytes) {
  LoadGameTables(image, layout, ListOrders{ListOrder::Original, ListOrder::Original}, tables);
  tableBytes.resize(table.Size());
  return ReadRomBytes(image, layout.FileOffset(table.romPosition), tableBytes.data(), tableBytes.size());
}

ActionOutcome WriteTableImport(RomSession& session, const KnownTable& table, const TableImport& import) {
  const auto writes = [&] {
    const std::vector<std::uint8_t>& after = import.after;
    bool written = true;
    for (std::size_t i = 0; i < after.size();) {
      if (after[i] == import.before[i]) {
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < after.size() && after[end] != import.before[end]) ++end;
      const std::uint32_t at = session.romLayout.FileOffset(table.romPosition + static_cast<std::uint32_t>(i));
      written &= WriteRomBytes(session.romFile, at, after.data() + i, end - i);
      i = end;
    }
    return written && FlushRom(session.romFile);
  };
  return RunImageAction(session, writes);
}
