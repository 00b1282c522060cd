#include "core/io/open_rom_for_reading.h"

#include <cstring>

#include "core/io/file_messages.h"
#include "core/io/file_steps.h"

#ifdef _WIN32

std::FILE* OpenRegularFile(const std::string& path, const char* mode) {
  const PathKind kind = KindOfPath(path);
  if (kind != PathKind::WritableFile && kind != PathKind::ReadOnlyFile) return nullptr;
  return std::fopen(path.c_str(), mode);
}

#else

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::FILE* OpenRegularFile(const std::string& path, const char* mode) {
  const bool update = std::strchr(mode, '+') != nullptr;
  // Without O_NONBLOCK opening a pipe waits for a writer, maybe forever; a regular file
  // ignores the flag.
  const int fd = open(path.c_str(), (update ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat status;
  std::FILE* file = fstat(fd, &status) == 0 && S_ISREG(status.st_mode) ? fdopen(fd, mode) : nullptr;
  if (!file) close(fd);
  return file;
}

#endif

std::FILE* OpenRomForReading(const std::string& path) {
  std::FILE* image = OpenRegularFile(path, "rb");
  if (!image) return nullptr;
  std::fgetc(image);
  if (std::ferror(image) || std::fseek(image, 0, SEEK_SET) != 0) {
    std::fclose(image);
    return nullptr;
  }
  return image;
}

std::string CannotOpenMessage(const std::string& path, const std::string& otherwise) {
  return KindOfPath(path) == PathKind::NotAFile ? NotRegularFileMessage(path) : otherwise;
}
