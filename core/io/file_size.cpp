#include "core/io/file_size.h"

#ifndef _WIN32
#include <sys/types.h>
#endif

std::int64_t FileSize(std::FILE* file) {
#ifdef _WIN32
  if (_fseeki64(file, 0, SEEK_END) != 0) return 0;
  const std::int64_t size = _ftelli64(file);
#else
  if (fseeko(file, 0, SEEK_END) != 0) return 0;
  const std::int64_t size = ftello(file);
#endif
  return size < 0 ? 0 : size;
}

std::int64_t FileSizeAt(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return 0;
  const std::int64_t size = FileSize(file);
  std::fclose(file);
  return size;
}
