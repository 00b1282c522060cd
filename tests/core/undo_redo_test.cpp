#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/enemy/apply_enemy.h"
#include "core/enemy/enemy_dump.h"
#include "core/enemy/enemy_view.h"
#include "core/item/apply_item.h"
#include "core/item/item_dump.h"
#include "core/item/item_view.h"
#include "core/quiz/possession_quiz.h"
#include "core/rom/image_action.h"
#include "core/rom/load_rom.h"
#include "core/rom/possession.h"
#include "core/rom/rom_checksum.h"
#include "core/rom/undo_redo.h"
#include "core/text/misc_text_form.h"
#include "core/text/psi_name_form.h"
#include "core/text/teleport_form.h"
#include "tests/support/enemy_fixture.h"
#include "tests/support/recording_platform.h"
#include "tests/support/table_fixture.h"

namespace {

FixtureImage UndoImage() {
  FixtureImage image;
  image.SetKind(RomKind::EarthBoundRom);
  const char* enemies[] = {"Abe", "Bob", "Cid", "Dot", "Eve", "Fay"};
  for (std::size_t n = 0; n < 6; ++n) PutEnemyName(image, n, enemies[n]);
  PutEnemyField(image, 2, EnemyFieldOffset::kHp, 300, 2);
  PutItem(image, 7, {"Cracked bat", 4, 18, 0x25, 109, 0, 3, 0, 1, 0xC55A21});
  PutItem(image, 8, {"Apple", 8, 2});
  for (std::uint32_t i = 0; i < kPsiNameCount; ++i) {
    image.PutGameText(Headered(kPsiNameTableRomPosition) + i * kNameFieldLength, "Psi " + std::to_string(i), kNameFieldLength);
  }
  for (std::uint32_t i = 0; i < kTeleportCount; ++i) {
    image.PutGameText(Headered(kTeleportTableRomPosition) + i * kTeleportEntrySize, "Town " + std::to_string(i), kNameFieldLength);
    image.PutValue(Headered(kTeleportTableRomPosition) + i * kTeleportEntrySize + kTeleportXField, 100 + i, 2);
  }
  for (std::uint32_t i = 0; i < kPhoneCount; ++i) {
    image.PutGameText(Headered(kPhoneListRomPosition) + i * kPhoneEntrySize, "Phone " + std::to_string(i), kNameFieldLength);
  }
  image.PutGameText(Headered(kAilmentNameRomPosition) + 2 * kShortTextFieldLength, "Cold", kShortTextFieldLength);
  image.PutGameText(Headered(kBattleMenuRomPosition) + 3 * kShortTextFieldLength, "Bash", kShortTextFieldLength);
  image.Put(Headered(kInternalHeader + kPossessionMarkerInHeader), {' ', ' ', ' ', ' '});
  return image;
}

// Every table as text, in its current order: equal texts mean equal tables.
std::string TablesText(const GameTables& tables) {
  std::string text = EnemyDumpText(tables.enemyTable) + ItemDumpText(tables.itemTable);
  for (const PsiNameRecord& psi : tables.psiNameTable) text += std::string(psi.name) + "\n";
  for (const TeleportRecord& town : tables.teleportTable) {
    text += std::string(town.name) + " " + std::to_string(town.x) + " " + std::to_string(town.y) + "\n";
  }
  for (const PhoneRecord& phone : tables.phoneListTable) {
    text += std::string(phone.name) + " " + std::to_string(phone.pointer) + "\n";
  }
  for (const ShortTextRecord& entry : tables.ailmentNameTable) text += std::string(entry.text, kShortTextFieldLength);
  for (const ShortTextRecord& entry : tables.battleMenuTable) text += std::string(entry.text, kShortTextFieldLength);
  return text;
}

std::string TablesTextOf(const std::vector<std::uint8_t>& bytes, const ListOrders& orders) {
  FixtureImage image;
  image.bytes = bytes;
  return TablesText(LoadTablesFrom(image, orders));
}

class UndoRedoTest : public ::testing::Test {
 protected:
  UndoRedoTest() : path(TempPath("undo.smc")) {
    orders.enemyListOrder = ListOrder::ByName;
    orders.itemListOrder = ListOrder::ByName;
    UndoImage().WriteTo(path);
    EXPECT_TRUE(LoadRom(path, session, orders, tables, platform));
  }
  ~UndoRedoTest() override { CloseRom(session); }

  std::vector<std::uint8_t> FileBytes() const { return ReadFileBytes(path); }

  ActionOutcome RenameEnemy(std::uint8_t enemyNumber, const std::string& name) {
    const auto position = static_cast<std::size_t>(EnemyPosition(tables.enemyTable, enemyNumber));
    EnemyBoxes boxes = ViewEnemy(tables.enemyTable[position], tables.enemyTable, tables.itemTable);
    boxes.name = name;
    boxes.hp = "999";
    return RunImageAction(session, [&] {
      return ApplyEnemy(session.romFile, tables.enemyTable, tables.itemTable, position, boxes, orders.enemyListOrder)
          .written;
    });
  }

  ActionOutcome ChangeItem() {
    const auto position = static_cast<std::size_t>(ItemPosition(tables.itemTable, 7));
    ItemBoxes boxes = ViewItem(tables.itemTable[position]);
    boxes.name = "Zinc bat";
    boxes.cost = "500";
    boxes.checks.poo = true;
    return RunImageAction(session, [&] {
      return ApplyItem(session.romFile, tables.itemTable, position, boxes, orders.itemListOrder).written;
    });
  }

  ActionOutcome RenamePsi() {
    PsiNameTexts typed = PsiNameBoxTexts(tables.psiNameTable);
    typed[3] = "Rockin";
    return RunImageAction(session, [&] { return ApplyPsiNameTexts(session.romFile, tables.psiNameTable, typed); });
  }

  ActionOutcome MoveTeleport() {
    TeleportTexts typed = TeleportBoxTexts(tables.teleportTable);
    typed[2].name = "Onett";
    typed[2].x = "1234";
    typed[2].y = "-1";
    return RunImageAction(session, [&] { return ApplyTeleportTexts(session.romFile, tables.teleportTable, typed); });
  }

  ActionOutcome ChangeMiscTexts() {
    const MiscTextTables misc{tables.phoneListTable, tables.ailmentNameTable, tables.battleMenuTable};
    const MiscTextSelection selected{1, 2, 3};
    MiscTextBoxes typed = MiscTextBoxTexts(misc, selected);
    typed.phoneName = "Mom";
    typed.phonePointer = "$C0FFEE";
    typed.ailmentName = "Sunstroke";
    typed.battleMenuEntry = "Goods";
    return RunImageAction(session, [&] { return ApplyMiscTextBoxes(session.romFile, misc, selected, typed); });
  }

  ActionOutcome FixChecksum() {
    return FixRomChecksum(session).outcome == ChecksumFix::Fixed ? ActionOutcome::Written : ActionOutcome::NotWritten;
  }

  ActionOutcome AnswerQuizWrongly() {
    platform.messageAnswers = {MessageAnswer::No};
    platform.messages.clear();
    PlayPossessionQuiz(session, platform);
    return IsRomPossessed(session.romFile, session.romLayout) ? ActionOutcome::Written : ActionOutcome::NotWritten;
  }

  std::string path;
  RomSession session;
  ListOrders orders;
  GameTables tables;
  RecordingPlatform platform;
};

TEST_F(UndoRedoTest, EveryKindOfWriteUndoesAndRedoesToTheExactBytesAndTables) {
  struct Case {
    const char* name;
    std::function<ActionOutcome()> act;
  } cases[] = {
      {"enemy", [this] { return RenameEnemy(1, "Zed"); }},
      {"item", [this] { return ChangeItem(); }},
      {"PSI names", [this] { return RenamePsi(); }},
      {"teleports", [this] { return MoveTeleport(); }},
      {"misc. texts", [this] { return ChangeMiscTexts(); }},
      {"quiz marker", [this] { return AnswerQuizWrongly(); }},
      {"checksum", [this] { return FixChecksum(); }},
  };
  const std::vector<std::uint8_t> original = FileBytes();
  const std::string originalTables = TablesText(tables);
  for (const Case& c : cases) {
    ASSERT_EQ(c.act(), ActionOutcome::Written) << c.name;
    const std::vector<std::uint8_t> changed = FileBytes();
    ASSERT_NE(changed, original) << c.name;
    ASSERT_TRUE(CanUndo(session)) << c.name;

    const std::optional<JournalStep> undone = UndoAction(session, orders, tables);
    ASSERT_TRUE(undone && undone->Written()) << c.name;
    EXPECT_TRUE(FileBytes() == original) << c.name << ": undo restores every byte";
    EXPECT_EQ(TablesText(tables), originalTables) << c.name << ": undo restores the tables in their orders";
    EXPECT_FALSE(CanUndo(session)) << c.name;
    ASSERT_TRUE(CanRedo(session)) << c.name;

    const std::optional<JournalStep> redone = RedoAction(session, orders, tables);
    ASSERT_TRUE(redone && redone->Written()) << c.name;
    EXPECT_TRUE(FileBytes() == changed) << c.name << ": redo writes the new bytes again";
    EXPECT_EQ(TablesText(tables), TablesTextOf(changed, orders)) << c.name << ": redo reads the tables again";
    EXPECT_EQ(redone->offset, undone->offset) << c.name;

    ASSERT_TRUE(UndoAction(session, orders, tables)->Written()) << c.name;
    ASSERT_TRUE(FileBytes() == original) << c.name;
  }
}

TEST_F(UndoRedoTest, UndoTakesBackOnlyTheNewestActionWhicheverEditorMadeIt) {
  const std::vector<std::uint8_t> original = FileBytes();
  ASSERT_EQ(RenameEnemy(2, "Aaron"), ActionOutcome::Written);
  const std::vector<std::uint8_t> afterEnemy = FileBytes();
  ASSERT_EQ(RenamePsi(), ActionOutcome::Written);

  const std::optional<JournalStep> undone = UndoAction(session, orders, tables);
  ASSERT_TRUE(undone && undone->Written());
  EXPECT_EQ(undone->offset, Headered(kPsiNameTableRomPosition) + 3 * kNameFieldLength);
  EXPECT_TRUE(FileBytes() == afterEnemy);
  EXPECT_EQ(TablesText(tables), TablesTextOf(afterEnemy, orders));

  const std::optional<JournalStep> second = UndoAction(session, orders, tables);
  ASSERT_TRUE(second && second->Written());
  EXPECT_EQ(second->offset, EnemyRecordOffset(2) + EnemyFieldOffset::kName);
  EXPECT_TRUE(FileBytes() == original);
  EXPECT_EQ(std::string(tables.enemyTable[EnemyPosition(tables.enemyTable, 2)].name), "Cid");
  EXPECT_FALSE(UndoAction(session, orders, tables)) << "nothing left to undo";
}

TEST_F(UndoRedoTest, ANewActionAfterAnUndoDropsTheRedoSide) {
  ASSERT_EQ(RenameEnemy(2, "Aaron"), ActionOutcome::Written);
  const std::vector<std::uint8_t> afterEnemy = FileBytes();
  ASSERT_EQ(ChangeItem(), ActionOutcome::Written);
  ASSERT_TRUE(UndoAction(session, orders, tables)->Written());
  ASSERT_TRUE(CanRedo(session));

  ASSERT_EQ(MoveTeleport(), ActionOutcome::Written);
  EXPECT_FALSE(CanRedo(session));
  EXPECT_FALSE(RedoAction(session, orders, tables));
  ASSERT_TRUE(UndoAction(session, orders, tables)->Written());
  EXPECT_TRUE(FileBytes() == afterEnemy) << "the item change stays undone";
}

TEST_F(UndoRedoTest, EachStepKeepsItsLabelOnBothSides) {
  ASSERT_EQ(RunImageAction(session, {"Apply to the PSI names", "PSI Names"},
                           [&] {
                             PsiNameTexts typed = PsiNameBoxTexts(tables.psiNameTable);
                             typed[3] = "Rockin";
                             return ApplyPsiNameTexts(session.romFile, tables.psiNameTable, typed);
                           }),
            ActionOutcome::Written);
  ASSERT_EQ(FixChecksum(), ActionOutcome::Written);
  EXPECT_EQ(NextUndoName(session), "Fix Checksum");
  EXPECT_EQ(NextRedoName(session), "");

  const std::optional<JournalStep> checksum = UndoAction(session, orders, tables);
  ASSERT_TRUE(checksum);
  EXPECT_EQ(checksum->label.name, "Fix Checksum");
  EXPECT_EQ(checksum->label.editor, "") << "made in the main window";
  EXPECT_EQ(NextUndoName(session), "Apply to the PSI names");
  EXPECT_EQ(NextRedoName(session), "Fix Checksum");

  const std::optional<JournalStep> psi = UndoAction(session, orders, tables);
  ASSERT_TRUE(psi);
  EXPECT_EQ(psi->label.editor, "PSI Names");
  const std::optional<JournalStep> redone = RedoAction(session, orders, tables);
  ASSERT_TRUE(redone);
  EXPECT_EQ(redone->label.name, "Apply to the PSI names");
  EXPECT_EQ(NextRedoName(session), "Fix Checksum");
}

TEST_F(UndoRedoTest, AnApplyThatChangesNothingIsNotAnAction) {
  ASSERT_EQ(RenameEnemy(2, "Aaron"), ActionOutcome::Written);
  ASSERT_EQ(RenameEnemy(2, "Aaron"), ActionOutcome::Written);
  EXPECT_EQ(session.journal.undo.size(), 1u);
}

TEST_F(UndoRedoTest, CloseRomAndLoadingAgainClearTheJournal) {
  ASSERT_EQ(RenamePsi(), ActionOutcome::Written);
  ASSERT_TRUE(UndoAction(session, orders, tables)->Written());
  ASSERT_EQ(RenameEnemy(2, "Aaron"), ActionOutcome::Written);
  ASSERT_TRUE(CanUndo(session));
  ASSERT_TRUE(LoadRom(path, session, orders, tables, platform));
  EXPECT_FALSE(CanUndo(session)) << "loading an image";

  ASSERT_EQ(RenamePsi(), ActionOutcome::Written);
  ASSERT_TRUE(UndoAction(session, orders, tables)->Written());
  ASSERT_EQ(RenameEnemy(3, "Aaron"), ActionOutcome::Written);
  CloseRom(session);
  EXPECT_FALSE(CanUndo(session)) << "Close ROM";
  EXPECT_FALSE(CanRedo(session)) << "Close ROM";
}

TEST_F(UndoRedoTest, AFailedUndoSaysSoKeepsTheActionAndShowsTheFile) {
  ASSERT_EQ(RenameEnemy(2, "Aaron"), ActionOutcome::Written);
  const std::vector<std::uint8_t> changed = FileBytes();
  // A stream that refuses writes, as a full disk or a write-protected file would.
  std::fclose(session.romFile);
  session.romFile = std::fopen(path.c_str(), "rb");
  ASSERT_NE(session.romFile, nullptr);

  const std::optional<JournalStep> undone = UndoAction(session, orders, tables);
  ASSERT_TRUE(undone);
  EXPECT_FALSE(undone->Written());
  EXPECT_TRUE(FileBytes() == changed);
  EXPECT_TRUE(CanUndo(session));
  EXPECT_FALSE(CanRedo(session));
  EXPECT_EQ(TablesText(tables), TablesTextOf(changed, orders));
}

}  // namespace
