#include "core/csv/read_csv_file.h"

#include <algorithm>
#include <cstdio>

#include "core/io/open_rom_for_reading.h"

std::string ReadCsvFile(const std::string& path, std::string& text) {
  std::FILE* file = OpenRegularFile(path, "rb");
  if (!file) return "Cannot open " + path + ".";
  // Read to the end in growing pieces rather than seeking for the size first: each seek is a
  // system call, and an import reads its CSV every time.
  std::setvbuf(file, nullptr, _IONBF, 0);  // straight into text, without a buffer to set up
  constexpr std::size_t kMost = kLargestCsvFile + 1;
  text.clear();
  std::size_t held = 0;
  for (std::size_t room = 64 * 1024; held == text.size() && held < kMost; room *= 2) {
    text.resize(std::min(room, kMost));
    held += std::fread(text.data() + held, 1, text.size() - held, file);
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  text.resize(held);
  if (failed) return "Cannot read " + path + ".";
  if (held > kLargestCsvFile) return path + " is larger than 16 MiB, too large to be a table's CSV.";
  return "";
}
