#include "core/io/file_steps.h"

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef _WIN32

std::FILE* CreateNewFile(const std::string& path, bool& alreadyExists) {
  const int fd = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  alreadyExists = fd < 0 && errno == EEXIST;
  if (fd < 0) return nullptr;
  std::FILE* file = _fdopen(fd, "wb");
  if (!file) _close(fd);
  return file;
}

bool MayReplaceFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
  // The read-only attribute, checked here because an administrator could still open the file.
  return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
}

bool MoveFileOver(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

#else

std::FILE* CreateNewFile(const std::string& path, bool& alreadyExists) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  alreadyExists = fd < 0 && errno == EEXIST;
  if (fd < 0) return nullptr;
  std::FILE* file = fdopen(fd, "wb");
  if (!file) close(fd);
  return file;
}

bool MayReplaceFile(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return errno == ENOENT;
  // The owner's write permission, checked here because root could still open the file.
  return S_ISREG(status.st_mode) && (status.st_mode & S_IWUSR) != 0;
}

bool MoveFileOver(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

#endif
