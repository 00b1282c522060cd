#include "core/settings/settings_file.h"

#include <cstdio>

#include "core/io/open_rom_for_reading.h"
#include "core/io/replacing_file.h"

const char* const kSettingsFileName = "quillon.ini";

namespace {

// Five entries never take more than this many bytes, line ends included.
constexpr std::size_t kMaxSettingsBytes = kRecentRomCount * (kMaxRomPathLength + 2);

}  // namespace

RecentRoms ParseSettingsText(const std::string& text) {
  RecentRoms roms;
  std::size_t position = 0;
  for (std::string& entry : roms) {
    if (position >= text.size()) break;
    const std::size_t lineFeed = text.find('\n', position);
    const std::size_t lineEnd = lineFeed == std::string::npos ? text.size() : lineFeed;
    std::size_t length = lineEnd - position;
    if (lineFeed != std::string::npos && length > 0 && text[lineEnd - 1] == '\r') --length;
    if (length > kMaxRomPathLength) {
      entry = text.substr(position, kMaxRomPathLength);
      position += kMaxRomPathLength;
      continue;
    }
    entry = text.substr(position, length);
    position = lineEnd + 1;
  }
  return roms;
}

std::string FormatSettingsText(const RecentRoms& roms) {
  std::string text;
  for (const std::string& entry : roms) text += entry + "\r\n";
  return text;
}

RecentRoms ReadSettingsFile(const std::string& directory) {
  std::FILE* file = OpenRegularFile(directory + kSettingsFileName, "rb");
  if (!file) return {};
  std::string text(kMaxSettingsBytes, '\0');
  text.resize(std::fread(&text[0], 1, text.size(), file));
  std::fclose(file);
  return ParseSettingsText(text);
}

bool WriteSettingsFile(const RecentRoms& roms, const std::string& directory) {
  ReplacingFile file(directory + kSettingsFileName);
  return file.Write(FormatSettingsText(roms)) && file.Commit();
}
