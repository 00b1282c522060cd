#include "tests/win32/settings_file_guard.h"

#include <filesystem>
#include <fstream>

#include "tests/support/fixture_image.h"
#include "win32/app/program_directory.h"

std::string ProgramSettingsPath() {
  return ProgramDirectory() + "quillon.ini";
}

void WriteProgramSettings(const std::string& content) {
  std::ofstream(ProgramSettingsPath(), std::ios::binary | std::ios::trunc) << content;
}

SettingsFileGuard::SettingsFileGuard()
    : existed_(std::filesystem::exists(ProgramSettingsPath())),
      content_(existed_ ? ReadFileText(ProgramSettingsPath()) : std::string()) {}

SettingsFileGuard::~SettingsFileGuard() {
  if (existed_) {
    WriteProgramSettings(content_);
  } else {
    std::error_code ignored;
    std::filesystem::remove(ProgramSettingsPath(), ignored);
  }
}
