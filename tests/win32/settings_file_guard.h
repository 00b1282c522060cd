#pragma once

#include <string>

// The shell reads and writes its settings file beside the program, here the test
// program. A guard keeps that file as it was before the guard was made.
class SettingsFileGuard {
 public:
  SettingsFileGuard();
  ~SettingsFileGuard();
  SettingsFileGuard(const SettingsFileGuard&) = delete;
  SettingsFileGuard& operator=(const SettingsFileGuard&) = delete;

 private:
  bool existed_;
  std::string content_;
};

std::string ProgramSettingsPath();
void WriteProgramSettings(const std::string& content);
