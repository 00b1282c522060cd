#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/enemy/enemy_catalogues.h"

namespace {

TEST(EnemyCatalogues, EveryEntryIsPresentAndTheTextsAreKeptExactly) {
  for (std::size_t i = 0; i < kMusicCount; ++i) ASSERT_NE(MusicNames[i], nullptr) << "music " << i;
  for (std::size_t i = 0; i < kActionCount; ++i) ASSERT_NE(ActionNames[i], nullptr) << "action " << i;
  for (std::size_t i = 0; i < kPsiArgumentCount; ++i) ASSERT_NE(PsiArgumentNames[i], nullptr) << "PSI " << i;

  struct Case {
    const char* const* catalogue;
    std::size_t index;
    const char* text;
  } cases[] = {
      {MusicNames, 0, "None"},
      {MusicNames, 15, "Falling underground"},
      {MusicNames, 116, "Knock knock - right"},
      {MusicNames, 126, "Phase Distorter"},
      {MusicNames, 158, "Are you sure?  Yep"},
      {MusicNames, 191, "Giygas weakened"},
      {ActionNames, 0, "No effect"},
      {ActionNames, 9, "*Unknown"},
      {ActionNames, 91, "Extinguising blast"},
      {ActionNames, 102, "Start a continous attack"},
      {ActionNames, 122, "Mutter, \"1\""},
      {ActionNames, 124, "Whisper,\"3\""},
      {ActionNames, 257, "Wolf down \"Fly Honey\""},
      {ActionNames, 302, "Giygas unknown attack)"},
      {ActionNames, 312, "<name>"},
      {ActionNames, 318, "You can't use the "},
      {PsiArgumentNames, 0, "PSI Special 1"},
      {PsiArgumentNames, 44, "PSI Magnet 1"},
      {PsiArgumentNames, 45, "PSI Paralysis 1"},
      {PsiArgumentNames, 50, "PSI Teleport 2"},
      {PsiArgumentNames, 51, ""},
  };
  for (const Case& c : cases) EXPECT_STREQ(c.catalogue[c.index], c.text) << "index " << c.index;
}

TEST(EnemyCatalogues, PsiArgumentsFollowThePsiActionsWithoutMagnetTwo) {
  for (std::size_t position = 0; position + 1 < kPsiArgumentCount; ++position) {
    const std::size_t action = 10 + position + (position >= 45 ? 1 : 0);
    EXPECT_STREQ(PsiArgumentNames[position], ActionNames[action]) << "position " << position;
  }
}

TEST(EnemyCatalogues, ArgumentKindsCoverTheListedActions) {
  std::set<std::uint32_t> enemy = {62, 63, 245};
  std::set<std::uint32_t> item = {140, 247, 258, 259, 310, 311};
  for (std::uint32_t a = 159; a <= 200; ++a) item.insert(a);
  for (std::uint32_t a = 268; a <= 272; ++a) item.insert(a);
  for (std::uint32_t a = 281; a <= 289; ++a) item.insert(a);
  for (std::uint32_t action = 0; action < kActionCount; ++action) {
    ActionArgumentKind expected = ActionArgumentKind::None;
    if (action >= 10 && action <= 61) expected = ActionArgumentKind::Psi;
    if (enemy.count(action)) expected = ActionArgumentKind::Enemy;
    if (item.count(action)) expected = ActionArgumentKind::Item;
    EXPECT_EQ(ActionArgumentKinds[action], expected) << "action " << action;
    EXPECT_EQ(ArgumentKindOf(action), expected) << "action " << action;
  }
  EXPECT_EQ(ArgumentKindOf(319), ActionArgumentKind::None);
  EXPECT_EQ(ArgumentKindOf(0xFFFF), ActionArgumentKind::None);
}

}  // namespace
