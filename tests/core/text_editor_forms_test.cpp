#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/text/misc_text_form.h"
#include "core/text/psi_name_form.h"
#include "core/text/teleport_form.h"
#include "tests/support/fixture_image.h"

namespace {

// A fixture image on disk, opened for update as a loaded ROM is.
struct OpenImage {
  explicit OpenImage(const FixtureImage& image) : path(TempPath("forms.smc")) {
    image.WriteTo(path);
    file = std::fopen(path.c_str(), "r+b");
  }
  ~OpenImage() {
    if (file) std::fclose(file);
  }
  // Read through a second handle, so only bytes that reached the file are seen.
  std::vector<std::uint8_t> Bytes(std::uint32_t offset, std::size_t count) const {
    std::vector<std::uint8_t> bytes(count);
    std::ifstream in(path, std::ios::binary);
    in.seekg(offset);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
    return in ? bytes : std::vector<std::uint8_t>{};
  }
  // Swaps the stream for one that refuses writes, as a full disk or a locked file does.
  void MakeUnwritable() {
    std::fclose(file);
    file = std::fopen(path.c_str(), "rb");
  }
  std::string path;
  std::FILE* file = nullptr;
};

// Every table the three text editors show, loaded from the open image.
struct TextTables {
  explicit TextTables(std::FILE* file) {
    LoadPsiNames(file, kHeaderedLayout, names);
    LoadTeleports(file, kHeaderedLayout, teleports);
    LoadPhoneList(file, kHeaderedLayout, phones);
    LoadAilmentNames(file, kHeaderedLayout, ailments);
    LoadBattleMenu(file, kHeaderedLayout, battleMenu);
  }
  MiscTextTables Misc() { return {phones, ailments, battleMenu}; }

  PsiNameTable names;
  TeleportTable teleports;
  PhoneListTable phones;
  AilmentNameTable ailments;
  BattleMenuTable battleMenu;
};

std::vector<std::uint8_t> Stored(const std::string& text, std::size_t length) {
  FixtureImage field(length);
  field.PutGameText(0, text, length);
  return field.bytes;
}

TEST(PsiNameForm, ShowsEachNameAndAppliesAllSixteenOntoTheDisk) {
  FixtureImage image;
  image.PutGameText(Headered(kPsiNameTableRomPosition), "Rockin", 25);
  image.PutGameText(Headered(kPsiNameTableRomPosition) + 25, "ABCDEFGHIJKLMNOPQRSTUVWXY", 25);
  OpenImage rom(image);
  PsiNameTable names;
  LoadPsiNames(rom.file, kHeaderedLayout, names);
  PsiNameTexts texts = PsiNameBoxTexts(names);
  EXPECT_EQ(texts[0], "Rockin");
  EXPECT_EQ(texts[1], "ABCDEFGHIJKLMNOPQRSTUVWXY");
  EXPECT_EQ(texts[2], "");

  texts[0] = "Fire";
  texts[15] = "Last one";
  ASSERT_TRUE(ApplyPsiNameTexts(rom.file, names, texts));
  // The ROM is still open: the bytes are on disk all the same.
  EXPECT_EQ(rom.Bytes(Headered(kPsiNameTableRomPosition), 25), Stored("Fire", 25));
  EXPECT_EQ(rom.Bytes(Headered(kPsiNameTableRomPosition) + 25, 25), Stored("ABCDEFGHIJKLMNOPQRSTUVWXY", 25))
      << "an untouched name that fills its field keeps its last letter";
  EXPECT_EQ(rom.Bytes(Headered(kPsiNameTableRomPosition) + 15 * 25, 25), Stored("Last one", 25));
  EXPECT_EQ(PsiNameBoxTexts(names)[15], "Last one");
}

TEST(TeleportForm, CoordinatesAreCappedAndNegativeOnesKeepTheirLowBytes) {
  FixtureImage image;
  image.Put(Headered(kTeleportTableRomPosition) + 25, {0x12, 0x34});
  image.PutValue(Headered(kTeleportTableRomPosition) + kTeleportXField, 65535, 2);
  OpenImage rom(image);
  TeleportTable teleports;
  LoadTeleports(rom.file, kHeaderedLayout, teleports);
  TeleportTexts texts = TeleportBoxTexts(teleports);
  EXPECT_EQ(texts[0].x, "65535");
  EXPECT_EQ(texts[0].y, "0");

  texts[0] = {"Onett", "70000", "-1"};
  ASSERT_TRUE(ApplyTeleportTexts(rom.file, teleports, texts));
  EXPECT_EQ(rom.Bytes(Headered(kTeleportTableRomPosition), 31),
            [] {
              std::vector<std::uint8_t> entry = Stored("Onett", 25);
              entry.insert(entry.end(), {0x12, 0x34, 0xFF, 0xFF, 0xFF, 0xFF});
              return entry;
            }());
  EXPECT_EQ(teleports[0].y, -1);
  EXPECT_EQ(TeleportBoxTexts(teleports)[0].y, "4294967295");
}

TEST(MiscTextForm, ShowsAndAppliesOnlyTheSelectedEntries) {
  FixtureImage image;
  image.PutGameText(Headered(kPhoneListRomPosition) + 2 * kPhoneEntrySize, "Dad", 25);
  image.PutValue(Headered(kPhoneListRomPosition) + 2 * kPhoneEntrySize + kPhonePointerField, 0xC5ABCD, 4);
  image.PutGameText(Headered(kAilmentNameRomPosition) + 16, "SixteenCharsLong", 16);
  image.PutGameText(Headered(kBattleMenuRomPosition), "Bash", 16);
  OpenImage rom(image);
  PhoneListTable phones;
  AilmentNameTable ailments;
  BattleMenuTable battleMenu;
  LoadPhoneList(rom.file, kHeaderedLayout, phones);
  LoadAilmentNames(rom.file, kHeaderedLayout, ailments);
  LoadBattleMenu(rom.file, kHeaderedLayout, battleMenu);
  const MiscTextTables tables = {phones, ailments, battleMenu};

  EXPECT_EQ(PhoneListEntries(phones)[2], "Dad");
  EXPECT_EQ(ShortTextEntries(ailments.data(), ailments.size())[1], "SixteenCharsLong");
  const MiscTextBoxes shown = MiscTextBoxTexts(tables, {2, 1, 0});
  EXPECT_EQ(shown.phoneName, "Dad");
  EXPECT_EQ(shown.phonePointer, "$C5ABCD");
  EXPECT_EQ(shown.ailmentName, "SixteenCharsLong");
  EXPECT_EQ(shown.battleMenuEntry, "Bash");

  ASSERT_TRUE(ApplyMiscTextBoxes(rom.file, tables, {2, 1, 0}, {"Mom", "100", "Nauseous and more", "Goods"}));
  EXPECT_EQ(rom.Bytes(Headered(kPhoneListRomPosition) + 2 * kPhoneEntrySize, 25), Stored("Mom", 25));
  EXPECT_EQ(rom.Bytes(Headered(kPhoneListRomPosition) + 2 * kPhoneEntrySize + kPhonePointerField, 4),
            (std::vector<std::uint8_t>{0x64, 0, 0, 0}));
  EXPECT_EQ(rom.Bytes(Headered(kAilmentNameRomPosition) + 16, 16), Stored("Nauseous and mor", 16));
  EXPECT_EQ(rom.Bytes(Headered(kBattleMenuRomPosition), 16), Stored("Goods", 16));
  EXPECT_EQ(MiscTextBoxTexts(tables, {2, 1, 0}).phonePointer, "$64");
}

TEST(MiscTextForm, ASelectionOutsideItsTableShowsAndWritesNothingForThatGroup) {
  OpenImage rom{FixtureImage()};
  PhoneListTable phones;
  AilmentNameTable ailments;
  BattleMenuTable battleMenu;
  LoadPhoneList(rom.file, kHeaderedLayout, phones);
  LoadAilmentNames(rom.file, kHeaderedLayout, ailments);
  LoadBattleMenu(rom.file, kHeaderedLayout, battleMenu);
  const MiscTextTables tables = {phones, ailments, battleMenu};
  EXPECT_EQ(MiscTextBoxTexts(tables, {-1, 10, 11}).phonePointer, "");
  ASSERT_TRUE(ApplyMiscTextBoxes(rom.file, tables, {5, -1, 11}, {"X", "$1", "Y", "Z"}));
  EXPECT_EQ(ReadFileBytes(rom.path), FixtureImage().bytes);
}

TEST(TextEditorForms, UntouchedNamesKeepEveryByteOfTheirField) {
  const std::string full = "ABCDEFGHIJKLMNOPQRSTUVWXY";
  const std::vector<std::uint8_t> tail = {0x91, 0x92, 0x00, 0x55, 0x66};
  FixtureImage image;
  image.PutGameText(Headered(kPsiNameTableRomPosition), full, 25).Put(Headered(kPsiNameTableRomPosition) + 25, tail);
  image.PutGameText(Headered(kTeleportTableRomPosition), full, 25).Put(Headered(kTeleportTableRomPosition) + kTeleportEntrySize, tail);
  image.PutGameText(Headered(kPhoneListRomPosition), full, 25).Put(Headered(kPhoneListRomPosition) + kPhoneEntrySize, tail);
  OpenImage rom(image);
  TextTables t(rom.file);
  const MiscTextTables tables = t.Misc();

  ASSERT_TRUE(ApplyPsiNameTexts(rom.file, t.names, PsiNameBoxTexts(t.names)));
  ASSERT_TRUE(ApplyTeleportTexts(rom.file, t.teleports, TeleportBoxTexts(t.teleports)));
  for (int phone : {0, 1}) {
    ASSERT_TRUE(ApplyMiscTextBoxes(rom.file, tables, {phone, 0, 0}, MiscTextBoxTexts(tables, {phone, 0, 0})));
  }
  EXPECT_EQ(ReadFileBytes(rom.path), image.bytes);
}

TEST(TextEditorForms, EveryApplyReportsAWriteThatFails) {
  OpenImage rom{FixtureImage()};
  TextTables t(rom.file);
  rom.MakeUnwritable();

  EXPECT_FALSE(ApplyPsiNameTexts(rom.file, t.names, PsiNameTexts{"Typed"}));
  EXPECT_FALSE(ApplyTeleportTexts(rom.file, t.teleports, TeleportTexts{}));
  EXPECT_FALSE(ApplyMiscTextBoxes(rom.file, t.Misc(), {0, 0, 0}, {}));
  EXPECT_EQ(ReadFileBytes(rom.path), FixtureImage().bytes);
}

}  // namespace
