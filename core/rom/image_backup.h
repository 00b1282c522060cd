#pragma once

#include <ctime>
#include <string>

// Copies of an image as it was when loaded, kept beside it in "<image file name>.backups".

constexpr std::size_t kBackupsKept = 5;

std::string BackupFolderOf(const std::string& imagePath);

// Copies the image into its backup folder as "<stem>-YYYYMMDD-HHMMSS<ext>" stamped with
// localTime ("-2", "-3" and so on before the extension when that second is taken), through a
// temporary file renamed into place when complete. Then removes the oldest copies of that
// naming pattern beyond the newest five; no other file is ever removed. False when the copy
// could not be made; nothing is left behind then. madePath, when given, receives the copy's path.
bool MakeImageBackup(const std::string& imagePath, const std::tm& localTime, std::string* madePath = nullptr);

std::tm LocalTimeNow();
