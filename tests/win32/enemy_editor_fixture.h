#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "tests/win32/editor_fixture.h"
#include "win32/editors/control_values.h"
#include "win32/editors/enemy_editor_window.h"

// The enemy under test in the enemy editor's fixture image, and one whose list fields all
// lie beyond their lists.
constexpr std::size_t kShownEnemy = 5;
constexpr std::size_t kOddEnemy = 9;

// An EarthBound image with named enemies and items, kShownEnemy with every field set and
// arguments of each kind, and kOddEnemy with values no list holds.
FixtureImage EnemyEditorImage();

// A control of the editor by ID, whether a child of the window or of a group box.
HWND EnemyControl(HWND editor, int id);
int EntryCount(HWND list);
std::string EntryText(HWND list, int entry);
// Picks an entry as the user does: selection, then the list's confirmation to the window.
void ChooseEntry(HWND editor, HWND list, int entry);
// The enemy list's position of an enemy number.
int PositionOfEnemy(std::size_t enemyNumber);

class EnemyEditorTest : public EditorTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Loads EnemyEditorImage, remembers enemyNumber as the selection and opens the editor.
  bool OpenOn(std::size_t enemyNumber, const std::function<void(HWND editor)>& drive);

  std::string path;
};
