// The settings file: any bytes read as five entries, and writing them gives a file that
// reads back as the same five.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/settings/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const RecentRoms roms = ParseSettingsText(std::string(reinterpret_cast<const char*>(data), size));
  const std::string written = FormatSettingsText(roms);
  const RecentRoms again = ParseSettingsText(written);
  if (FormatSettingsText(again) != written) std::abort();
  return 0;
}
