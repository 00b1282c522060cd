#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rom/load_rom.h"
#include "tests/support/fixture_image.h"
#include "tests/support/recording_platform.h"

// An EarthBound fixture image written to a file of the given name, its bytes as written, and
// what loading it fills.
class ImageOnDiskTest : public ::testing::Test {
 protected:
  explicit ImageOnDiskTest(const std::string& name) : path(TempPath(name)) {
    FixtureImage().SetKind(RomKind::EarthBoundRom).WriteTo(path);
    original = ReadFileBytes(path);
  }
  ~ImageOnDiskTest() override { CloseRom(session); }

  bool Load() { return LoadRom(path, session, orders, tables, platform); }

  std::string path;
  std::vector<std::uint8_t> original;
  RomSession session;
  ListOrders orders;
  GameTables tables;
  RecordingPlatform platform;
};
