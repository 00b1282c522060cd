#include "core/text/teleport_form.h"

#include "core/numbers/read_number.h"
#include "core/numbers/show_number.h"
#include "core/rom/rom_session.h"

TeleportTexts TeleportBoxTexts(const TeleportTable& teleports) {
  TeleportTexts texts;
  for (std::size_t i = 0; i < kTeleportCount; ++i) {
    const TeleportRecord& record = teleports[i];
    texts[i] = {GameText(record.name, kNameFieldLength), ShowUnsigned(static_cast<std::uint32_t>(record.x)),
                ShowUnsigned(static_cast<std::uint32_t>(record.y))};
  }
  return texts;
}

bool ApplyTeleportTexts(std::FILE* romFile, TeleportTable& teleports, const TeleportTexts& typed) {
  bool written = true;
  for (std::size_t i = 0; i < kTeleportCount; ++i) {
    TeleportRecord& record = teleports[i];
    const TeleportRowTexts& row = typed[i];
    written &= WriteTeleportName(record, romFile, row.name);
    written &= WriteTeleportX(record, romFile, static_cast<std::int32_t>(ReadNumberClamped(row.x, kMaximumCoordinate)));
    written &= WriteTeleportY(record, romFile, static_cast<std::int32_t>(ReadNumberClamped(row.y, kMaximumCoordinate)));
  }
  return FlushRom(romFile) && written;
}
