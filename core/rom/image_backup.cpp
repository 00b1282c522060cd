#include "core/rom/image_backup.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/io/replacing_file.h"

namespace fs = std::filesystem;

namespace {

// A backup's place in time: its stamp, then its number within that second (1 for none).
struct BackupName {
  std::string stamp;
  unsigned long number;
  std::string fileName;
};

bool AllDigits(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// Reads "<stem>-YYYYMMDD-HHMMSS[-N]<ext>"; false for any other name.
bool ParseBackupName(const std::string& fileName, const std::string& stem, const std::string& extension,
                     BackupName& parsed) {
  const std::size_t stampLength = 15;
  if (fileName.size() < stem.size() + 1 + stampLength + extension.size()) return false;
  if (fileName.compare(0, stem.size(), stem) != 0 || fileName[stem.size()] != '-') return false;
  if (fileName.compare(fileName.size() - extension.size(), extension.size(), extension) != 0) return false;
  const std::string middle = fileName.substr(stem.size() + 1, fileName.size() - extension.size() - stem.size() - 1);
  const std::string stamp = middle.substr(0, stampLength);
  if (!AllDigits(stamp.substr(0, 8)) || stamp[8] != '-' || !AllDigits(stamp.substr(9))) return false;
  parsed = {stamp, 1, fileName};
  if (middle.size() == stampLength) return true;
  const std::string number = middle.substr(stampLength + 1);
  if (middle[stampLength] != '-' || !AllDigits(number) || number.size() > 9 || number[0] == '0') return false;
  parsed.number = std::stoul(number);
  return parsed.number >= 2;
}

std::vector<BackupName> ExistingBackups(const fs::path& folder, const std::string& stem, const std::string& extension) {
  std::vector<BackupName> found;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
    BackupName parsed;
    if (ParseBackupName(entry->path().filename().string(), stem, extension, parsed)) found.push_back(parsed);
  }
  return found;
}

std::string StampOf(const std::tm& time) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", time.tm_year + 1900, time.tm_mon + 1, time.tm_mday,
                time.tm_hour, time.tm_min, time.tm_sec);
  return stamp;
}

// The first free number in that second after every copy already there.
BackupName NextBackupName(const std::vector<BackupName>& existing, const std::string& stamp, const std::string& stem,
                          const std::string& extension) {
  unsigned long number = 1;
  for (const BackupName& backup : existing) {
    if (backup.stamp == stamp) number = std::max(number, backup.number + 1);
  }
  const std::string suffix = number == 1 ? "" : "-" + std::to_string(number);
  return {stamp, number, stem + "-" + stamp + suffix + extension};
}

// A copy of the image with its permissions, owner and group; none at all when it fails.
bool CopyImage(const std::string& source, const std::string& copyPath) {
  ReplacingFile target(copyPath, AccessOf(source));
  std::FILE* input = std::fopen(source.c_str(), "rb");
  if (!input) return false;
  std::vector<char> buffer(1 << 20);
  bool copied = true;
  for (;;) {
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), input);
    if (got > 0 && !target.Write(buffer.data(), got)) copied = false;
    if (got < buffer.size() || !copied) break;
  }
  copied = copied && !std::ferror(input);
  std::fclose(input);
  return copied && target.Commit();
}

fs::file_time_type FileTimeOf(const fs::path& path) {
  std::error_code error;
  const fs::file_time_type time = fs::last_write_time(path, error);
  return error ? fs::file_time_type::min() : time;
}

// The copy just made always stays: after the clock went back its name sorts oldest. The
// others go by their file times, oldest first; copies written in one tick by their names.
void RemoveAllButNewest(const std::vector<BackupName>& older, const fs::path& folder) {
  if (older.size() < kBackupsKept) return;
  struct Dated {
    fs::file_time_type time;
    const BackupName* name;
  };
  std::vector<Dated> dated;
  for (const BackupName& backup : older) dated.push_back({FileTimeOf(folder / backup.fileName), &backup});
  std::sort(dated.begin(), dated.end(), [](const Dated& a, const Dated& b) {
    if (a.time != b.time) return a.time > b.time;
    return a.name->stamp != b.name->stamp ? a.name->stamp > b.name->stamp : a.name->number > b.name->number;
  });
  for (std::size_t i = kBackupsKept - 1; i < dated.size(); ++i) {
    std::remove((folder / dated[i].name->fileName).string().c_str());
  }
}

}  // namespace

std::string BackupFolderOf(const std::string& imagePath) {
  return imagePath + ".backups";
}

bool MakeImageBackup(const std::string& imagePath, const std::tm& localTime, std::string* madePath) {
  const fs::path image(imagePath);
  const std::string stem = image.stem().string();
  const std::string extension = image.extension().string();
  const fs::path folder(BackupFolderOf(imagePath));
  std::error_code error;
  const bool folderMade = fs::create_directory(folder, error);
  if (error || !fs::is_directory(folder, error)) return false;

  const std::vector<BackupName> backups = ExistingBackups(folder, stem, extension);
  const BackupName made = NextBackupName(backups, StampOf(localTime), stem, extension);
  if (!CopyImage(imagePath, (folder / made.fileName).string())) {
    // A folder made for this copy alone goes with it.
    if (folderMade) fs::remove(folder, error);
    return false;
  }
  RemoveAllButNewest(backups, folder);
  if (madePath) *madePath = (folder / made.fileName).string();
  return true;
}

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  return local ? *local : std::tm{};
}
