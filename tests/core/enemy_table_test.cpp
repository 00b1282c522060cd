#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <random>

#include "core/enemy/enemy_table.h"
#include "core/tables/game_tables.h"
#include "tests/support/enemy_fixture.h"

namespace {

namespace at = EnemyFieldOffset;

struct LoadedTable {
  explicit LoadedTable(const FixtureImage& image) {
    const std::string path = TempPath("enemies.smc");
    image.WriteTo(path);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    LoadEnemyTable(file, kHeaderedLayout, table);
    std::fclose(file);
  }
  EnemyTable table;
};

std::uint32_t ValueAt(const FixtureImage& image, std::size_t enemy, std::uint32_t field, unsigned width) {
  std::uint32_t value = 0;
  for (unsigned i = 0; i < width; ++i) {
    value |= std::uint32_t{image.bytes[EnemyRecordOffset(enemy) + field + i]} << (8 * i);
  }
  return value;
}

TEST(LoadEnemyTable, EveryFieldComesFromItsPlaceInTheRecord) {
  FixtureImage image;
  std::mt19937 random(1234);
  for (std::uint32_t i = 0; i < kEnemyTableSize; ++i) image.bytes[Headered(kEnemyTableRomPosition) + i] = random() & 0xFF;
  const LoadedTable loaded(image);

  struct Field {
    const char* name;
    std::uint32_t offset;
    unsigned width;
    std::function<std::uint32_t(const EnemyRecord&)> value;
  };
  const Field fields[] = {
      {"the flag", 0, 1, [](const EnemyRecord& r) { return r.theFlag; }},
      {"type", 27, 1, [](const EnemyRecord& r) { return r.type; }},
      {"battle sprite (low byte only)", 28, 1, [](const EnemyRecord& r) { return r.battleSprite; }},
      {"outside picture", 30, 2, [](const EnemyRecord& r) { return r.outsidePicture; }},
      {"byte 32", 32, 1, [](const EnemyRecord& r) { return r.byte32; }},
      {"hp", 33, 2, [](const EnemyRecord& r) { return r.hp; }},
      {"pp", 35, 2, [](const EnemyRecord& r) { return r.pp; }},
      {"experience", 37, 4, [](const EnemyRecord& r) { return r.experience; }},
      {"money", 41, 2, [](const EnemyRecord& r) { return r.money; }},
      {"movement", 43, 1, [](const EnemyRecord& r) { return r.movement; }},
      {"start text", 45, 4, [](const EnemyRecord& r) { return r.startTextAddress; }},
      {"death text", 49, 4, [](const EnemyRecord& r) { return r.deathTextAddress; }},
      {"palette", 53, 1, [](const EnemyRecord& r) { return r.palette; }},
      {"level", 54, 1, [](const EnemyRecord& r) { return r.level; }},
      {"music", 55, 1, [](const EnemyRecord& r) { return r.music; }},
      {"offense", 56, 1, [](const EnemyRecord& r) { return r.offense; }},
      {"defense", 58, 1, [](const EnemyRecord& r) { return r.defense; }},
      {"speed", 60, 1, [](const EnemyRecord& r) { return r.speed; }},
      {"guts", 61, 1, [](const EnemyRecord& r) { return r.guts; }},
      {"iq", 62, 1, [](const EnemyRecord& r) { return r.iq; }},
      {"miss rate", 68, 1, [](const EnemyRecord& r) { return r.missRate; }},
      {"action order", 69, 1, [](const EnemyRecord& r) { return r.actionOrder; }},
      {"action 1", 70, 2, [](const EnemyRecord& r) { return r.actions[0]; }},
      {"action 2", 72, 2, [](const EnemyRecord& r) { return r.actions[1]; }},
      {"action 3", 74, 2, [](const EnemyRecord& r) { return r.actions[2]; }},
      {"action 4", 76, 2, [](const EnemyRecord& r) { return r.actions[3]; }},
      {"final action", 78, 2, [](const EnemyRecord& r) { return r.finalAction; }},
      {"argument 1", 80, 1, [](const EnemyRecord& r) { return r.arguments[0]; }},
      {"argument 2", 81, 1, [](const EnemyRecord& r) { return r.arguments[1]; }},
      {"argument 3", 82, 1, [](const EnemyRecord& r) { return r.arguments[2]; }},
      {"argument 4", 83, 1, [](const EnemyRecord& r) { return r.arguments[3]; }},
      {"boss flag", 86, 1, [](const EnemyRecord& r) { return r.bossFlag; }},
      {"item frequency", 87, 1, [](const EnemyRecord& r) { return r.itemFrequency; }},
      {"item", 88, 1, [](const EnemyRecord& r) { return r.item; }},
      {"status", 89, 1, [](const EnemyRecord& r) { return r.status; }},
      {"death sound", 90, 1, [](const EnemyRecord& r) { return r.deathSound; }},
      {"max call", 92, 1, [](const EnemyRecord& r) { return r.maxCall; }},
  };
  for (std::size_t enemy = 0; enemy < kEnemyCount; ++enemy) {
    const EnemyRecord& record = loaded.table[enemy];
    ASSERT_EQ(record.enemyNumber, enemy);
    ASSERT_EQ(record.fileOffset, EnemyRecordOffset(enemy));
    for (const Field& field : fields) {
      ASSERT_EQ(field.value(record), ValueAt(image, enemy, field.offset, field.width))
          << field.name << " of enemy " << enemy;
    }
    for (std::size_t i = 0; i < kNameFieldLength; ++i) {
      ASSERT_EQ(record.name[i], DecodeGameChar(image.bytes[record.fileOffset + 1 + i]))
          << "name character " << i << " of enemy " << enemy;
    }
  }
}

TEST(LoadEnemyTable, FirstAndLastRecordsSitAtTheTableEnds) {
  const LoadedTable loaded{FixtureImage()};
  EXPECT_EQ(loaded.table[0].fileOffset, 0x1597E7u);
  EXPECT_EQ(loaded.table[229].fileOffset, 0x15EBFDu);
  EXPECT_EQ(loaded.table[229].enemyNumber, 229);
}

TEST(LoadEnemyTable, AdversarialRecordsLoadAsStored) {
  FixtureImage image;
  PutEnemyNameBytes(image, 0, std::vector<std::uint8_t>(kNameFieldLength, 0x71));  // 25 x 'A', no terminator
  PutEnemyName(image, 1, "Star");
  image.PutByte(EnemyRecordOffset(1) + at::kName + 2, 0x30);  // a stored 0x30 ends the name
  PutEnemyNameBytes(image, 2, {0x71, 0x00, 0x72, 0x73});      // bytes after the terminator
  PutEnemyNameBytes(image, 3, {0xB0, 0xFF, 0x01, 0x2F});      // characters 0x80, 0xCF, 0xD1, 0xFF
  PutEnemyField(image, 4, at::kActions, 319, 2);
  PutEnemyField(image, 4, at::kFinalAction, 0xFFFF, 2);
  PutEnemyField(image, 4, at::kMusic, 192, 1);
  PutEnemyField(image, 5, at::kBattleSprite, 0xAB12, 2);
  // Bytes the record does not keep must not leak into their neighbours.
  PutEnemyField(image, 5, 26, 0xEE, 1);
  PutEnemyField(image, 5, 44, 0xEE, 1);
  const LoadedTable loaded(image);
  const EnemyTable& t = loaded.table;

  EXPECT_EQ(GameText(t[0].name, kNameFieldLength), std::string(25, 'A'));
  EXPECT_EQ(GameText(t[1].name, kNameFieldLength), "St");
  EXPECT_EQ(t[1].name[3], 'r') << "the rest of the field is kept";
  EXPECT_EQ(GameText(t[2].name, kNameFieldLength), "A");
  EXPECT_EQ(std::string(t[2].name + 2, 2), "BC");
  EXPECT_EQ(GameText(t[3].name, kNameFieldLength), "\x80\xCF\xD1\xFF");
  EXPECT_EQ(t[4].actions[0], 319u);
  EXPECT_EQ(t[4].finalAction, 0xFFFFu);
  EXPECT_EQ(t[4].music, 192);
  EXPECT_EQ(t[5].battleSprite, 0x12);
  EXPECT_EQ(t[5].type, 0);
  EXPECT_EQ(t[5].movement, 0);
  EXPECT_EQ(t[5].startTextAddress, 0u);
}

TEST(LoadEnemyTable, ShortFileReadsMissingBytesAsTheByteReaderDoes) {
  FixtureImage image(Headered(kEnemyTableRomPosition) + kEnemyRecordSize + at::kHp + 1);
  PutEnemyName(image, 1, "Cut");
  image.PutByte(EnemyRecordOffset(1) + at::kHp, 0x34);
  const LoadedTable loaded(image);
  EXPECT_EQ(GameText(loaded.table[1].name, kNameFieldLength), "Cut");
  EXPECT_EQ(loaded.table[1].hp, 0xFF34u);
  EXPECT_EQ(loaded.table[229].experience, 0xFFFFFFFFu);
}

TEST(LoadGameTables, ReadsTheEnemiesAndSortsThemIntoTheCurrentOrder) {
  FixtureImage image;
  PutEnemyName(image, 0, "Zebra");
  PutEnemyName(image, 1, "apple");
  for (std::size_t enemy = 2; enemy < kEnemyCount; ++enemy) PutEnemyName(image, enemy, "~");
  const std::string path = TempPath("tables.smc");
  image.WriteTo(path);
  std::FILE* file = std::fopen(path.c_str(), "rb");

  GameTables tables;
  ListOrders orders;
  LoadGameTables(file, kHeaderedLayout, orders, tables);
  EXPECT_EQ(tables.enemyTable[0].enemyNumber, 1);
  EXPECT_EQ(tables.enemyTable[1].enemyNumber, 0);

  orders.enemyListOrder = ListOrder::Original;
  LoadGameTables(file, kHeaderedLayout, orders, tables);
  EXPECT_EQ(tables.enemyTable[0].enemyNumber, 0);
  EXPECT_EQ(tables.enemyTable[229].enemyNumber, 229);
  std::fclose(file);
}

}  // namespace
