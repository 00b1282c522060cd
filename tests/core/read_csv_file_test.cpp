#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/csv/read_csv_file.h"
#include "tests/support/fixture_image.h"

namespace {

// Sizes around the pieces the file is read in, up to the largest taken.
TEST(ReadCsvFile, ReadsTheWholeFileUpTo16MiB) {
  for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{65535}, std::size_t{65536},
                                 std::size_t{65537}, std::size_t{300000}, std::size_t{kLargestCsvFile}}) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    const std::string path = TempPath("read.csv");
    WriteFileBytes(path, bytes);
    std::string text = "left from before";
    EXPECT_EQ(ReadCsvFile(path, text), "") << size;
    EXPECT_TRUE(text == std::string(bytes.begin(), bytes.end())) << size;
  }
}

TEST(ReadCsvFile, RefusesALargerFileOrNoFile) {
  const std::string huge = TempPath("huge.csv");
  WriteFileBytes(huge, std::vector<std::uint8_t>(kLargestCsvFile + 1, 'a'));
  const std::string folder = TempPath("folder.csv");
  std::filesystem::create_directory(folder);
  const std::string none = TempPath("none.csv");
  const struct {
    std::string path;
    std::string message;
  } cases[] = {
      {huge, huge + " is larger than 16 MiB, too large to be a table's CSV."},
      {folder, "Cannot open " + folder + "."},
      {none, "Cannot open " + none + "."},
  };
  for (const auto& c : cases) {
    std::string text;
    EXPECT_EQ(ReadCsvFile(c.path, text), c.message);
  }
}

}  // namespace
