#include "core/csv/read_csv_file.h"

#include <cstdio>

#include "core/io/file_size.h"
#include "core/io/open_rom_for_reading.h"

std::string ReadCsvFile(const std::string& path, std::string& text) {
  std::FILE* file = OpenRomForReading(path);
  if (!file) return "Cannot open " + path + ".";
  const std::int64_t size = FileSize(file);
  std::string message;
  if (size > kLargestCsvFile) {
    message = path + " is larger than 16 MiB, too large to be a table's CSV.";
  } else {
    text.resize(static_cast<std::size_t>(size));
    if (std::fseek(file, 0, SEEK_SET) != 0 || std::fread(text.data(), 1, text.size(), file) != text.size()) {
      message = "Cannot read " + path + ".";
    }
  }
  std::fclose(file);
  return message;
}
