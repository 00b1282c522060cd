#include <gtest/gtest.h>

#include "core/enemy/enemy_view.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/table_fixture.h"

namespace {

namespace at = EnemyFieldOffset;

constexpr std::size_t kEnemy = 5;

FixtureImage ImageWithEnemy() {
  FixtureImage image;
  PutEnemyName(image, kEnemy, "Spiteful Crow");
  PutEnemyName(image, 12, "Black Antoid");
  PutEnemyField(image, kEnemy, at::kTheFlag, 1, 1);
  PutEnemyField(image, kEnemy, at::kHp, 1234, 2);
  PutEnemyField(image, kEnemy, at::kPp, 56, 2);
  PutEnemyField(image, kEnemy, at::kExperience, 70000, 4);
  PutEnemyField(image, kEnemy, at::kMoney, 18, 2);
  PutEnemyField(image, kEnemy, at::kSpeed, 200, 1);
  PutEnemyField(image, kEnemy, at::kBattleSprite, 0x1FF, 2);
  PutEnemyField(image, kEnemy, at::kStartTextAddress, 0xEF1234, 4);
  PutEnemyField(image, kEnemy, at::kDeathTextAddress, 0, 4);
  PutEnemyField(image, kEnemy, at::kItem, 9, 1);
  PutEnemyField(image, kEnemy, at::kItemFrequency, 7, 1);
  PutEnemyField(image, kEnemy, at::kType, 2, 1);
  PutEnemyField(image, kEnemy, at::kDeathSound, 1, 1);
  PutEnemyField(image, kEnemy, at::kMusic, 191, 1);
  PutEnemyField(image, kEnemy, at::kActionOrder, 3, 1);
  PutEnemyField(image, kEnemy, at::kFinalAction, 318, 2);
  PutEnemyField(image, kEnemy, at::kOutsidePicture, 463, 2);
  PutEnemyField(image, kEnemy, at::kActions + 0, 14, 2);   // PSI Fire 1
  PutEnemyField(image, kEnemy, at::kActions + 2, 62, 2);   // Call for help
  PutEnemyField(image, kEnemy, at::kActions + 4, 310, 2);  // Bazooka
  PutEnemyField(image, kEnemy, at::kActions + 6, 4, 2);    // Attack
  PutEnemyField(image, kEnemy, at::kArguments, 0x01020D05, 4);
  for (std::uint8_t n = 0; n < 20; ++n) PutItem(image, n, {"Item " + std::to_string(100 - n)});
  return image;
}

TEST(EnemyViewTest, ShowsEveryFieldOfTheEnemy) {
  const GameTables tables = LoadTablesFrom(ImageWithEnemy());
  const int position = EnemyPosition(tables.enemyTable, kEnemy);
  const EnemyBoxes view = ViewEnemy(tables.enemyTable[position], tables.enemyTable, tables.itemTable);

  EXPECT_EQ(view.name, "Spiteful Crow");
  EXPECT_TRUE(view.theFlag);
  EXPECT_EQ(view.hp, "1234");
  EXPECT_EQ(view.pp, "56");
  EXPECT_EQ(view.experience, "70000");
  EXPECT_EQ(view.money, "18");
  EXPECT_EQ(view.speed, "200");
  EXPECT_EQ(view.battleSprite, "255");
  EXPECT_EQ(view.startText, "$EF1234");
  EXPECT_EQ(view.deathText, "$0");
  EXPECT_EQ(view.item, ItemPosition(tables.itemTable, 9));
  EXPECT_EQ(tables.itemTable[view.item].itemNumber, 9);
  EXPECT_EQ(view.itemFrequency, 7);
  EXPECT_EQ(view.type, 2);
  EXPECT_EQ(view.deathSound, 1);
  EXPECT_EQ(view.music, 191);
  EXPECT_EQ(view.actionOrder, 3);
  EXPECT_EQ(view.finalAction, 318);
  EXPECT_EQ(view.outsidePicture, 463);
  EXPECT_EQ(view.actions[0], 14);
  EXPECT_EQ(view.actions[3], 4);

  EXPECT_EQ(view.arguments[0].list, ArgumentList::PsiArguments);
  EXPECT_EQ(view.arguments[0].selection, 4);
  EXPECT_EQ(view.arguments[1].list, ArgumentList::Enemies);
  EXPECT_EQ(tables.enemyTable[view.arguments[1].selection].enemyNumber, 12);
  EXPECT_EQ(view.arguments[2].list, ArgumentList::Items);
  EXPECT_EQ(tables.itemTable[view.arguments[2].selection].itemNumber, 2);
  EXPECT_EQ(view.arguments[3].list, ArgumentList::None);
  EXPECT_EQ(view.arguments[3].selection, kNoSelection);
}

TEST(EnemyViewTest, ValuesBeyondTheirListsShowNoSelection) {
  EnemyTable enemies = EnemyTableWithNames({});
  EnemyRecord& enemy = enemies[0];
  enemy.itemFrequency = 8;
  enemy.type = 3;
  enemy.deathSound = 2;
  enemy.music = 192;
  enemy.actionOrder = 4;
  enemy.finalAction = 319;
  enemy.outsidePicture = 464;
  enemy.actions[0] = 0xFFFF;
  const EnemyBoxes view = ViewEnemy(enemy, enemies, MakeItemTable());
  EXPECT_EQ(view.itemFrequency, kNoSelection);
  EXPECT_EQ(view.type, kNoSelection);
  EXPECT_EQ(view.deathSound, kNoSelection);
  EXPECT_EQ(view.music, kNoSelection);
  EXPECT_EQ(view.actionOrder, kNoSelection);
  EXPECT_EQ(view.finalAction, kNoSelection);
  EXPECT_EQ(view.outsidePicture, kNoSelection);
  EXPECT_EQ(view.actions[0], kNoSelection);
  EXPECT_EQ(view.arguments[0].list, ArgumentList::None);
}

TEST(EnemyViewTest, ArgumentsSelectTheirEntryOrNone) {
  const EnemyTable enemies = EnemyTableWithNames({});
  const ItemTable items = MakeItemTable();
  struct Case {
    const char* what;
    ActionArgumentKind kind;
    std::uint8_t argument;
    ArgumentList list;
    int shown;
    int chosen;  // after the user picks the action
  };
  const Case cases[] = {
      {"PSI 1 is the first name", ActionArgumentKind::Psi, 1, ArgumentList::PsiArguments, 0, 0},
      {"PSI 52 is the empty last name", ActionArgumentKind::Psi, 52, ArgumentList::PsiArguments, 51, 51},
      {"PSI 53 names nothing", ActionArgumentKind::Psi, 53, ArgumentList::PsiArguments, kNoSelection, kNoSelection},
      {"PSI 0 is none", ActionArgumentKind::Psi, 0, ArgumentList::PsiArguments, kNoSelection, kNoSelection},
      {"enemy 13 is enemy number 12", ActionArgumentKind::Enemy, 13, ArgumentList::Enemies, 12, 12},
      {"enemy 0 is none", ActionArgumentKind::Enemy, 0, ArgumentList::Enemies, kNoSelection, kNoSelection},
      {"enemy 231 names no enemy", ActionArgumentKind::Enemy, 231, ArgumentList::Enemies, kNoSelection,
       kNoSelection},
      {"item 9", ActionArgumentKind::Item, 9, ArgumentList::Items, 9, 9},
      {"item 0 is none, a chosen action starts on the first", ActionArgumentKind::Item, 0, ArgumentList::Items,
       kNoSelection, 0},
      {"no argument", ActionArgumentKind::None, 7, ArgumentList::None, kNoSelection, kNoSelection},
  };
  for (const Case& c : cases) {
    const ArgumentBox shown = ViewArgument(c.kind, c.argument, enemies, items);
    const ArgumentBox chosen = ViewArgumentOfChosenAction(c.kind, c.argument, enemies, items);
    EXPECT_EQ(shown.list, c.list) << c.what;
    EXPECT_EQ(shown.selection, c.shown) << c.what;
    EXPECT_EQ(chosen.list, c.list) << c.what;
    EXPECT_EQ(chosen.selection, c.chosen) << c.what;
  }
}

}  // namespace
