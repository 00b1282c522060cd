#include <gtest/gtest.h>

#include <functional>

#include "core/enemy/apply_enemy.h"
#include "core/enemy/enemy_view.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/name_edits.h"
#include "tests/support/table_fixture.h"

namespace {

namespace at = EnemyFieldOffset;

constexpr std::size_t kEnemy = 7;

// One enemy with every list field beyond its list, arguments that name nothing, and
// bytes after its name's terminator; the rest of its record is 0xEE.
FixtureImage ImageWithOddEnemy() {
  FixtureImage image;
  for (std::uint32_t i = 0; i < kEnemyRecordSize; ++i) image.bytes[EnemyRecordOffset(kEnemy) + i] = 0xEE;
  PutEnemyNameBytes(image, kEnemy, {0x83, 0x99, 0x00, 0x55, 0x66});
  for (std::size_t n = 0; n < kEnemyCount; ++n) {
    if (n != kEnemy) PutEnemyName(image, n, "Enemy " + std::to_string(n));
  }
  PutEnemyField(image, kEnemy, at::kTheFlag, 1, 1);
  PutEnemyField(image, kEnemy, at::kActions + 0, 14, 2);   // PSI Fire 1
  PutEnemyField(image, kEnemy, at::kActions + 2, 62, 2);   // Call for help
  PutEnemyField(image, kEnemy, at::kActions + 4, 310, 2);  // Bazooka
  PutEnemyField(image, kEnemy, at::kActions + 6, 62, 2);
  PutEnemyField(image, kEnemy, at::kArguments, 0x00E7F035, 4);  // PSI 53, enemy 240, item 231, enemy 0
  for (std::uint8_t n = 0; n < 20; ++n) PutItem(image, n, {"Item " + std::to_string(100 - n)});
  return image;
}

// The image opened for update with its tables loaded, as the editor has it.
struct OddEnemyRom {
  explicit OddEnemyRom(const FixtureImage& enemyImage = ImageWithOddEnemy()) : image(enemyImage), fixture(image) {
    LoadGameTables(fixture.file(), kHeaderedLayout, ListOrders{}, tables);
    position = static_cast<std::size_t>(EnemyPosition(tables.enemyTable, kEnemy));
  }

  EnemyBoxes UntouchedBoxes() const {
    return ViewEnemy(tables.enemyTable[position], tables.enemyTable, tables.itemTable);
  }

  EnemyApplyResult Apply(const EnemyBoxes& form, ListOrder order = ListOrder::ByName) {
    return ApplyEnemy(fixture.file(), tables.enemyTable, tables.itemTable, position, form, order);
  }

  std::vector<std::uint8_t> Record() { return fixture.Bytes(EnemyRecordOffset(kEnemy), kEnemyRecordSize); }

  FixtureImage image;
  OpenFixture fixture;
  GameTables tables;
  std::size_t position = 0;
};

class ApplyEnemyTest : public ::testing::Test, public OddEnemyRom {};

TEST_F(ApplyEnemyTest, UntouchedApplyKeepsEveryByteTheNameTailIncluded) {
  const EnemyApplyResult result = Apply(UntouchedBoxes());

  EXPECT_TRUE(result.written);
  EXPECT_EQ(result.position, position);
  EXPECT_TRUE(fixture.Bytes(0, image.bytes.size()) == image.bytes);
}

TEST(ApplyEnemyName, NameFillingItsFieldIsKeptWholeUntilTheUserChangesIt) {
  for (const NameEdit& c : FieldFillingNameEdits()) {
    FixtureImage image = ImageWithOddEnemy();
    PutEnemyName(image, kEnemy, kFieldFillingName);
    OddEnemyRom rom(image);
    EnemyBoxes form = rom.UntouchedBoxes();
    ASSERT_EQ(form.name, kFieldFillingName);
    form.name = c.typed;
    rom.Apply(form);
    FixtureImage expected(kNameFieldLength);
    expected.PutGameText(0, c.stored, kNameFieldLength);
    EXPECT_EQ(rom.fixture.Bytes(EnemyRecordOffset(kEnemy) + at::kName, kNameFieldLength), expected.bytes) << c.what;
  }
}

TEST_F(ApplyEnemyTest, NumbersAreCappedAndAddressesReadAsHexOrDecimal) {
  struct Case {
    const char* what;
    std::function<void(EnemyBoxes&)> type;
    std::uint32_t offset;
    std::vector<std::uint8_t> bytes;
  };
  const Case cases[] = {
      {"HP 70000", [](EnemyBoxes& f) { f.hp = "70000"; }, at::kHp, {0xFF, 0xFF}},
      {"Exp beyond 32 bits", [](EnemyBoxes& f) { f.experience = "9999999999"; }, at::kExperience,
       {0xFF, 0xFF, 0xFF, 0xFF}},
      {"Money 12.9", [](EnemyBoxes& f) { f.money = "12.9"; }, at::kMoney, {12, 0}},
      {"Speed 300", [](EnemyBoxes& f) { f.speed = "300"; }, at::kSpeed, {0xFF}},
      {"Guts not a number", [](EnemyBoxes& f) { f.guts = "abc"; }, at::kGuts, {0}},
      {"IQ -1 keeps its low byte", [](EnemyBoxes& f) { f.iq = "-1"; }, at::kIq, {0xFF}},
      {"start text $EF1234", [](EnemyBoxes& f) { f.startText = "$EF1234"; }, at::kStartTextAddress,
       {0x34, 0x12, 0xEF, 0x00}},
      {"start text 123", [](EnemyBoxes& f) { f.startText = "123"; }, at::kStartTextAddress, {0x7B, 0, 0, 0}},
      {"death text $c50000", [](EnemyBoxes& f) { f.deathText = "$c50000"; }, at::kDeathTextAddress,
       {0, 0, 0xC5, 0}},
      {"the flag cleared", [](EnemyBoxes& f) { f.theFlag = false; }, at::kTheFlag, {0}},
      {"music 5", [](EnemyBoxes& f) { f.music = 5; }, at::kMusic, {5}},
      {"outside picture 463", [](EnemyBoxes& f) { f.outsidePicture = 463; }, at::kOutsidePicture, {0xCF, 0x01}},
      {"name cut to 24", [](EnemyBoxes& f) { f.name = std::string(30, 'A'); }, at::kName + 23, {0x71, 0x00}},
  };
  for (const Case& c : cases) {
    EnemyBoxes form = UntouchedBoxes();
    c.type(form);
    EXPECT_TRUE(Apply(form).written) << c.what;
    EXPECT_EQ(fixture.Bytes(EnemyRecordOffset(kEnemy) + c.offset, c.bytes.size()), c.bytes) << c.what;
  }
}

TEST_F(ApplyEnemyTest, TheItemListWritesTheChosenItemsNumber) {
  EnemyBoxes form = UntouchedBoxes();
  form.item = ItemPosition(tables.itemTable, 17);
  Apply(form);
  EXPECT_EQ(fixture.Bytes(EnemyRecordOffset(kEnemy) + at::kItem, 1), std::vector<std::uint8_t>{17});
}

TEST(ApplyEnemyArgumentsTest, ArgumentsFollowTheKindOfTheWrittenAction) {
  struct Case {
    const char* what;
    int action;
    std::function<int(const GameTables&)> argumentEntry;
    std::uint8_t written;
  };
  const Case cases[] = {
      {"Call for help with enemy number 12", 62, [](const GameTables& t) { return EnemyPosition(t.enemyTable, 12); },
       13},
      {"PSI with the first name", 14, [](const GameTables&) { return 0; }, 1},
      {"Bazooka with item 17", 310, [](const GameTables& t) { return ItemPosition(t.itemTable, 17); }, 17},
      {"PSI without a selection keeps the stored 0x35", 14, [](const GameTables&) { return -1; }, 0x35},
      {"enemy box emptied by the user writes none", 62, [](const GameTables&) { return -1; }, 0},
      {"item box emptied by the user writes none", 310, [](const GameTables&) { return -1; }, 0},
      {"Attack takes no argument: the stored byte stays", 4, [](const GameTables&) { return 3; }, 0x35},
  };
  for (const Case& c : cases) {
    OddEnemyRom rom;
    EnemyBoxes form = rom.UntouchedBoxes();
    form.actions[0] = c.action;
    form.arguments[0].selection = c.argumentEntry(rom.tables);
    rom.Apply(form);
    EXPECT_EQ(rom.fixture.Bytes(EnemyRecordOffset(kEnemy) + at::kActions, 2),
              (std::vector<std::uint8_t>{static_cast<std::uint8_t>(c.action), static_cast<std::uint8_t>(c.action >> 8)}))
        << c.what;
    EXPECT_EQ(rom.fixture.Bytes(EnemyRecordOffset(kEnemy) + at::kArguments, 1), std::vector<std::uint8_t>{c.written})
        << c.what;
  }
}

TEST_F(ApplyEnemyTest, ArgumentsWithoutSelectionKeepTheirStoredValue) {
  Apply(UntouchedBoxes());
  EXPECT_EQ(fixture.Bytes(EnemyRecordOffset(kEnemy) + at::kArguments, 4),
            (std::vector<std::uint8_t>{0x35, 0xF0, 0xE7, 0x00}));
}

TEST_F(ApplyEnemyTest, NewActionWhoseListCannotShowTheStoredArgumentWritesNone) {
  // Call for help (enemy 240) and Bazooka (item 231) become PSI Fire 1, whose list shows neither.
  EnemyBoxes form = UntouchedBoxes();
  form.actions[1] = 14;
  form.actions[2] = 14;
  // The window refills both argument boxes with PSI names and selects none.
  form.arguments[1].selection = kNoSelection;
  form.arguments[2].selection = kNoSelection;
  Apply(form);
  EXPECT_EQ(fixture.Bytes(EnemyRecordOffset(kEnemy) + at::kArguments, 4),
            (std::vector<std::uint8_t>{0x35, 0x00, 0x00, 0x00}));
}

TEST_F(ApplyEnemyTest, RenamingMovesTheEnemyInNameOrderOnly) {
  EnemyBoxes form = UntouchedBoxes();
  form.name = "Aardvark";
  const EnemyApplyResult byName = Apply(form);
  EXPECT_EQ(byName.position, 0u);
  EXPECT_EQ(tables.enemyTable[0].enemyNumber, kEnemy);

  position = byName.position;
  form.name = "Zebra";
  const EnemyApplyResult byNumber = Apply(form, ListOrder::Original);
  EXPECT_EQ(byNumber.position, kEnemy);
  EXPECT_EQ(tables.enemyTable[kEnemy].enemyNumber, kEnemy);

  position = byNumber.position;
  const EnemyApplyResult byGame = Apply(form, ListOrder::ByGameOrder);
  EXPECT_EQ(tables.enemyTable[byGame.position].enemyNumber, kEnemy);
  EXPECT_EQ(byGame.position, 53u);  // enemy 7 is 54th in the game order
}

TEST(ApplyEnemyFailureTest, AFileThatCannotBeWrittenReportsIt) {
  const std::string path = TempPath("read_only.smc");
  ImageWithOddEnemy().WriteTo(path);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  GameTables tables;
  LoadGameTables(file, kHeaderedLayout, ListOrders{}, tables);
  const std::size_t position = static_cast<std::size_t>(EnemyPosition(tables.enemyTable, kEnemy));
  const EnemyBoxes form = ViewEnemy(tables.enemyTable[position], tables.enemyTable, tables.itemTable);

  EXPECT_FALSE(ApplyEnemy(file, tables.enemyTable, tables.itemTable, position, form, ListOrder::ByName).written);
  std::fclose(file);
}

}  // namespace
