#include "core/rom/load_rom.h"

#include "core/rom/rom_messages.h"

bool LoadRom(const std::string& path, RomSession& session, const ListOrders& orders, GameTables& tables,
             Platform& platform) {
  CloseRom(session);

  std::FILE* image = std::fopen(path.c_str(), "r+b");
  if (!image) {
    ShowWarning(platform, kErrorReadingFile);
    return false;
  }
  const RomLayout layout = DecideRomLayout(image);
  if (GetRomSize(image) < static_cast<std::int32_t>(MinimumRomSize(layout))) {
    std::fclose(image);
    ShowWarning(platform, TooSmallRomMessage(path));
    return false;
  }

  platform.PlaySound(SoundId::RomLoaded);
  session.romFile = image;
  session.romLayout = layout;
  session.romPath = path;
  switch (IdentifyRom(image, layout)) {
    case RomKind::EarthBoundRom:
      session.romKind = RomKind::EarthBoundRom;
      break;
    case RomKind::Mother2Rom:
      platform.ShowMessage(Mother2RomMessage(), "Warning", kWarningBoxFlags, TextEncoding::ShiftJis);
      session.romKind = RomKind::Mother2Rom;
      break;
    default:
      session.romKind = RomKind::UnrecognizedRom;
      ShowWarning(platform, UnrecognizedRomMessage(path));
      break;
  }
  session.romLoaded = 1;

  LoadGameTables(image, layout, orders, tables);
  session.romSize = GetRomSize(image);
  return true;
}
