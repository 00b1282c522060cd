#include "tests/win32/enemy_editor_fixture.h"

#include "core/enemy/enemy_record.h"
#include "core/enemy/enemy_view.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/table_fixture.h"
#include "win32/app/app_state.h"

namespace {

namespace at = EnemyFieldOffset;

}  // namespace

FixtureImage EnemyEditorImage() {
  FixtureImage image = EarthBoundImage();
  for (std::size_t n = 0; n < kEnemyCount; ++n) PutEnemyName(image, n, "Enemy " + std::to_string(100 + n));
  for (std::uint8_t n = 0; n < 40; ++n) PutItem(image, n, {"Thing " + std::to_string(200 - n)});

  PutEnemyName(image, kShownEnemy, "Spiteful Crow");
  PutEnemyField(image, kShownEnemy, at::kTheFlag, 1, 1);
  PutEnemyField(image, kShownEnemy, at::kHp, 1234, 2);
  PutEnemyField(image, kShownEnemy, at::kPp, 56, 2);
  PutEnemyField(image, kShownEnemy, at::kExperience, 70000, 4);
  PutEnemyField(image, kShownEnemy, at::kMoney, 18, 2);
  PutEnemyField(image, kShownEnemy, at::kSpeed, 21, 1);
  PutEnemyField(image, kShownEnemy, at::kOffense, 22, 1);
  PutEnemyField(image, kShownEnemy, at::kDefense, 23, 1);
  PutEnemyField(image, kShownEnemy, at::kStatus, 24, 1);
  PutEnemyField(image, kShownEnemy, at::kLevel, 25, 1);
  PutEnemyField(image, kShownEnemy, at::kGuts, 26, 1);
  PutEnemyField(image, kShownEnemy, at::kIq, 27, 1);
  PutEnemyField(image, kShownEnemy, at::kMissRate, 28, 1);
  PutEnemyField(image, kShownEnemy, at::kMovement, 29, 1);
  PutEnemyField(image, kShownEnemy, at::kBattleSprite, 30, 1);
  PutEnemyField(image, kShownEnemy, at::kPalette, 31, 1);
  PutEnemyField(image, kShownEnemy, at::kMaxCall, 32, 1);
  PutEnemyField(image, kShownEnemy, at::kStartTextAddress, 0xEF1234, 4);
  PutEnemyField(image, kShownEnemy, at::kDeathTextAddress, 0xC50000, 4);
  PutEnemyField(image, kShownEnemy, at::kItem, 9, 1);
  PutEnemyField(image, kShownEnemy, at::kItemFrequency, 3, 1);
  PutEnemyField(image, kShownEnemy, at::kType, 1, 1);
  PutEnemyField(image, kShownEnemy, at::kDeathSound, 1, 1);
  PutEnemyField(image, kShownEnemy, at::kMusic, 46, 1);
  PutEnemyField(image, kShownEnemy, at::kActionOrder, 2, 1);
  PutEnemyField(image, kShownEnemy, at::kFinalAction, 64, 2);
  PutEnemyField(image, kShownEnemy, at::kOutsidePicture, 7, 2);
  PutEnemyField(image, kShownEnemy, at::kActions + 0, 14, 2);   // PSI Fire 1
  PutEnemyField(image, kShownEnemy, at::kActions + 2, 62, 2);   // Call for help
  PutEnemyField(image, kShownEnemy, at::kActions + 4, 310, 2);  // Bazooka
  PutEnemyField(image, kShownEnemy, at::kActions + 6, 4, 2);    // Attack
  PutEnemyField(image, kShownEnemy, at::kArguments, 0x07020D05, 4);

  for (std::uint32_t i = 0; i < kEnemyRecordSize; ++i) image.bytes[EnemyRecordOffset(kOddEnemy) + i] = 0xEE;
  PutEnemyField(image, kOddEnemy, at::kTheFlag, 1, 1);
  PutEnemyNameBytes(image, kOddEnemy, {0x7F, 0x94, 0x94, 0x00, 0x55, 0x66});  // "Odd", then leftovers
  PutEnemyField(image, kOddEnemy, at::kActions + 0, 14, 2);
  PutEnemyField(image, kOddEnemy, at::kActions + 2, 62, 2);
  PutEnemyField(image, kOddEnemy, at::kActions + 4, 0, 2);
  PutEnemyField(image, kOddEnemy, at::kArguments, 0x00EEF03C, 4);  // PSI 60, enemy 240
  return image;
}

HWND EnemyControl(HWND editor, int id) {
  return ControlById(editor, id);
}

int EntryCount(HWND list) {
  return static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
}

std::string EntryText(HWND list, int entry) {
  char text[64] = {};
  SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(text));
  return text;
}

void ChooseEntry(HWND editor, HWND list, int entry) {
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
  SendMessageA(editor, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
}

int PositionOfEnemy(std::size_t enemyNumber) {
  return EnemyPosition(gameTables.enemyTable, static_cast<std::uint32_t>(enemyNumber));
}

void EnemyEditorTest::SetUp() {
  EditorTest::SetUp();
  listOrders.enemyListOrder = ListOrder::ByName;
}

void EnemyEditorTest::TearDown() {
  listOrders.enemyListOrder = ListOrder::ByName;
  EditorTest::TearDown();
}

bool EnemyEditorTest::OpenOn(std::size_t enemyNumber, const std::function<void(HWND editor)>& drive) {
  path = LoadImage(EnemyEditorImage());
  EnemySelection = PositionOfEnemy(enemyNumber);
  return OpenFromTree(treeItems.enemies, drive);
}
