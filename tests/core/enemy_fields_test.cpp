#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "core/enemy/enemy_fields.h"
#include "core/enemy/enemy_table.h"
#include "tests/support/enemy_fixture.h"

namespace {

namespace at = EnemyFieldOffset;

constexpr std::size_t kEnemy = 3;

class EnemyFieldWritersTest : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override {
    if (file) std::fclose(file);
  }

  // A fresh image with the enemy's record full of 0xEE, opened for update and loaded.
  void Reset() {
    if (file) std::fclose(file);
    path = TempPath("writers.smc");
    FixtureImage image;
    for (std::uint32_t i = 0; i < kEnemyRecordSize; ++i) image.bytes[EnemyRecordOffset(kEnemy) + i] = 0xEE;
    image.WriteTo(path);
    before = image.bytes;
    file = std::fopen(path.c_str(), "r+b");
    LoadEnemyTable(file, kHeaderedLayout, table);
  }

  std::vector<std::uint8_t> Written() {
    std::fclose(file);
    file = nullptr;
    return ReadFileBytes(path);
  }

  std::string path;
  std::vector<std::uint8_t> before;
  std::FILE* file = nullptr;
  EnemyTable table;
};

using Writer = std::function<bool(EnemyRecord&, std::FILE*, std::uint32_t)>;
using Reader = std::function<std::uint32_t(const EnemyRecord&)>;

struct FieldCase {
  const char* name;
  Writer write;
  Reader read;
  std::uint32_t offset;
  unsigned width;
};

std::vector<FieldCase> FieldCases() {
  std::vector<FieldCase> cases = {
      {"hp", WriteEnemyHp, [](const EnemyRecord& r) { return r.hp; }, 33, 2},
      {"pp", WriteEnemyPp, [](const EnemyRecord& r) { return r.pp; }, 35, 2},
      {"experience", WriteEnemyExperience, [](const EnemyRecord& r) { return r.experience; }, 37, 4},
      {"money", WriteEnemyMoney, [](const EnemyRecord& r) { return r.money; }, 41, 2},
      {"speed", WriteEnemySpeed, [](const EnemyRecord& r) { return r.speed; }, 60, 1},
      {"offense", WriteEnemyOffense, [](const EnemyRecord& r) { return r.offense; }, 56, 1},
      {"defense", WriteEnemyDefense, [](const EnemyRecord& r) { return r.defense; }, 58, 1},
      {"status", WriteEnemyStatus, [](const EnemyRecord& r) { return r.status; }, 89, 1},
      {"level", WriteEnemyLevel, [](const EnemyRecord& r) { return r.level; }, 54, 1},
      {"guts", WriteEnemyGuts, [](const EnemyRecord& r) { return r.guts; }, 61, 1},
      {"iq", WriteEnemyIq, [](const EnemyRecord& r) { return r.iq; }, 62, 1},
      {"movement", WriteEnemyMovement, [](const EnemyRecord& r) { return r.movement; }, 43, 1},
      {"item", WriteEnemyItem, [](const EnemyRecord& r) { return r.item; }, 88, 1},
      {"item frequency", WriteEnemyItemFrequency, [](const EnemyRecord& r) { return r.itemFrequency; },
       87, 1},
      {"the flag", WriteEnemyTheFlag, [](const EnemyRecord& r) { return r.theFlag; }, 0, 1},
      {"palette", WriteEnemyPalette, [](const EnemyRecord& r) { return r.palette; }, 53, 1},
      {"battle sprite", WriteEnemyBattleSprite, [](const EnemyRecord& r) { return r.battleSprite; },
       28, 1},
      {"outside picture", WriteEnemyOutsidePicture, [](const EnemyRecord& r) { return r.outsidePicture; },
       30, 2},
      {"miss rate", WriteEnemyMissRate, [](const EnemyRecord& r) { return r.missRate; }, 68, 1},
      {"death sound", WriteEnemyDeathSound, [](const EnemyRecord& r) { return r.deathSound; }, 90, 1},
      {"type", WriteEnemyType, [](const EnemyRecord& r) { return r.type; }, 27, 1},
      {"music", WriteEnemyMusic, [](const EnemyRecord& r) { return r.music; }, 55, 1},
      {"final action", WriteEnemyFinalAction, [](const EnemyRecord& r) { return r.finalAction; }, 78,
       2},
      {"action order", WriteEnemyActionOrder, [](const EnemyRecord& r) { return r.actionOrder; }, 69,
       1},
      {"max call", WriteEnemyMaxCall, [](const EnemyRecord& r) { return r.maxCall; }, 92, 1},
      {"start text", WriteEnemyStartTextAddress, [](const EnemyRecord& r) { return r.startTextAddress; },
       45, 4},
      {"death text", WriteEnemyDeathTextAddress, [](const EnemyRecord& r) { return r.deathTextAddress; },
       49, 4},
  };
  for (std::size_t k = 0; k < kEnemyActionCount; ++k) {
    const std::uint32_t offset = static_cast<std::uint32_t>(k);
    cases.push_back({"action",
                     [k](EnemyRecord& r, std::FILE* f, std::uint32_t v) { return WriteEnemyAction(r, f, k, v); },
                     [k](const EnemyRecord& r) { return r.actions[k]; }, 70 + 2 * offset, 2});
    cases.push_back({"argument",
                     [k](EnemyRecord& r, std::FILE* f, std::uint32_t v) { return WriteEnemyArgument(r, f, k, v); },
                     [k](const EnemyRecord& r) { return r.arguments[k]; }, 80 + offset, 1});
  }
  return cases;
}

TEST_F(EnemyFieldWritersTest, EachWriterChangesOnlyItsFieldInFileAndMemory) {
  const std::vector<FieldCase> cases = FieldCases();
  for (const FieldCase& c : cases) {
    Reset();
    EnemyRecord& record = table[kEnemy];
    const EnemyRecord untouched = record;
    const std::uint32_t value = 0x12345600u + c.offset;
    ASSERT_TRUE(c.write(record, file, value)) << c.name;
    // 32-bit memory fields keep the whole value, 8-bit ones its low byte.
    EXPECT_EQ(c.read(record), c.width == 1 ? value & 0xFF : value) << c.name << " in memory";
    for (const FieldCase& other : cases) {
      if (other.offset != c.offset) {
        EXPECT_EQ(other.read(record), other.read(untouched)) << c.name << " changed " << other.name;
      }
    }
    EXPECT_EQ(GameText(record.name, kNameFieldLength), GameText(untouched.name, kNameFieldLength)) << c.name;

    std::vector<std::uint8_t> expected = before;
    for (unsigned i = 0; i < c.width; ++i) {
      expected[EnemyRecordOffset(kEnemy) + c.offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    EXPECT_EQ(Written(), expected) << c.name << " at offset " << c.offset;
  }
}

TEST_F(EnemyFieldWritersTest, NameIsWrittenAsTheWholeZeroFilledField) {
  EnemyRecord& record = table[kEnemy];
  ASSERT_TRUE(WriteEnemyName(record, file, "Starman"));
  EXPECT_EQ(GameText(record.name, kNameFieldLength), "Starman");
  EXPECT_EQ(record.name[kNameFieldLength - 1], '\0');
  const std::vector<std::uint8_t> bytes = Written();
  const std::uint32_t field = EnemyRecordOffset(kEnemy) + 1;
  EXPECT_EQ(bytes[field], 0x83);  // 'S'
  for (std::size_t i = 7; i < kNameFieldLength; ++i) EXPECT_EQ(bytes[field + i], 0) << i;
  EXPECT_EQ(bytes[field + kNameFieldLength], 0xEE) << "the byte after the name is not the name's";
}

TEST_F(EnemyFieldWritersTest, FailedWriteIsReported) {
  std::fclose(file);
  file = std::fopen(path.c_str(), "rb");
  EXPECT_FALSE(WriteEnemyHp(table[kEnemy], file, 100));
  EXPECT_FALSE(WriteEnemyName(table[kEnemy], file, "Nope"));
  EXPECT_EQ(Written(), before);
}

}  // namespace
