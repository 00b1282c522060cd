#include "core/rom/load_rom.h"

#include "core/io/open_rom_for_reading.h"
#include "core/rom/rom_messages.h"

bool LoadRom(const std::string& path, RomSession& session, const ListOrders& orders, GameTables& tables,
             Platform& platform) {
  CloseRom(session);

  std::FILE* image = OpenRegularFile(path, "r+b");
  if (!image) {
    ShowWarning(platform, CannotOpenMessage(path, kErrorReadingFile));
    return false;
  }
  const RomLayout layout = DecideRomLayout(image);
  const std::int64_t size = GetRomSize(image);
  const bool tooSmall = size < MinimumRomSize(layout);
  if (tooSmall || size > kMaximumRomSize) {
    std::fclose(image);
    ShowWarning(platform, tooSmall ? TooSmallRomMessage(path) : TooLargeRomMessage(path));
    return false;
  }

  session.romFile = image;
  if (!RememberLoadedImage(session)) {
    std::fclose(image);
    CloseRom(session);
    ShowWarning(platform, kErrorReadingFile);
    return false;
  }
  platform.PlaySound(SoundId::RomLoaded);
  session.romLayout = layout;
  session.romPath = path;
  switch (IdentifyRom(image, layout)) {
    case RomKind::EarthBoundRom:
      session.romKind = RomKind::EarthBoundRom;
      break;
    case RomKind::Mother2Rom:
      platform.ShowMessage(Mother2RomMessage(), "Warning", MessageKind::Warning, TextEncoding::ShiftJis);
      session.romKind = RomKind::Mother2Rom;
      break;
    default:
      session.romKind = RomKind::UnrecognizedRom;
      ShowWarning(platform, UnrecognizedRomMessage(path));
      break;
  }
  session.romLoaded = 1;

  LoadGameTables(image, layout, orders, tables);
  session.romSize = size;
  return true;
}
