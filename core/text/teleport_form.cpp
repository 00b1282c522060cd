#include "core/text/teleport_form.h"

#include "core/numbers/number_boxes.h"
#include "core/numbers/read_number.h"
#include "core/numbers/show_number.h"
#include "core/rom/rom_session.h"
#include "core/tables/overlapping_entries.h"
#include "core/text/edit_text.h"

namespace {

constexpr NumberRange kCoordinateRange{0, kMaximumCoordinate};

TeleportRowTexts RowTexts(const TeleportRecord& record) {
  return {GameText(record.name, kNameFieldLength), ShowUnsigned(static_cast<std::uint32_t>(record.x)),
          ShowUnsigned(static_cast<std::uint32_t>(record.y))};
}

bool RowChanged(const TeleportRecord& record, const TeleportRowTexts& typed) {
  const TeleportRowTexts shown = RowTexts(record);
  return !IsShownName(typed.name, record.name) || typed.x != shown.x || typed.y != shown.y;
}

bool LiesPastTable(std::size_t row) {
  return TeleportRowLiesOn(row) != LiesOn::GameTable;
}

}  // namespace

TeleportTexts TeleportBoxTexts(const TeleportTable& teleports) {
  TeleportTexts texts;
  for (std::size_t i = 0; i < kTeleportCount; ++i) texts[i] = RowTexts(teleports[i]);
  return texts;
}

bool TeleportApplyWritesPastTable(const TeleportTable& teleports, const TeleportTexts& typed) {
  for (std::size_t i = 0; i < kTeleportCount; ++i) {
    if (LiesPastTable(i) && RowChanged(teleports[i], typed[i])) return true;
  }
  return false;
}

std::string TeleportTextsProblem(const TeleportTexts& typed) {
  std::vector<NumberBox> boxes;
  for (std::size_t i = 0; i < kTeleportCount; ++i) {
    const std::string row = "Teleport " + std::to_string(i + 1);
    boxes.push_back({row + " X", typed[i].x, NumberForm::Decimal, kCoordinateRange});
    boxes.push_back({row + " Y", typed[i].y, NumberForm::Decimal, kCoordinateRange});
  }
  return NumberBoxesProblem(boxes);
}

bool ApplyTeleportTexts(std::FILE* romFile, TeleportTable& teleports, const TeleportTexts& typed) {
  bool written = true;
  for (std::size_t i = 0; i < kTeleportCount; ++i) {
    TeleportRecord& record = teleports[i];
    const TeleportRowTexts& row = typed[i];
    if (LiesPastTable(i) && !RowChanged(record, row)) continue;
    if (!IsShownName(row.name, record.name)) written &= WriteTeleportName(record, romFile, row.name);
    written &= WriteTeleportX(record, romFile, static_cast<std::int32_t>(ReadNumberClamped(row.x, kMaximumCoordinate)));
    written &= WriteTeleportY(record, romFile, static_cast<std::int32_t>(ReadNumberClamped(row.y, kMaximumCoordinate)));
  }
  return FlushRom(romFile) && written;
}
