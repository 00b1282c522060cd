#pragma once

#include <windows.h>

#include "core/enemy/enemy_boxes.h"
#include "core/enemy/enemy_record.h"
#include "win32/editors/editor_frame.h"

// The enemy editor's controls: where each stands, and which box of EnemyBoxes it shows.

// Every control of the enemy editor beyond the common frame.
struct EnemyEditorControls {
  HWND enemyList;
  HWND statsGroup, actionsGroup, gfxGroup;
  HWND name, hp, pp, experience, money, speed, offense, defense, status, level, guts, iq;
  HWND theFlag, item, itemFrequency, missRate, type;
  HWND actions[kEnemyActionCount];
  HWND arguments[kEnemyActionCount];
  HWND actionOrder, finalAction, startText, deathText, maxCall;
  HWND movement, battleSprite, palette, deathSound, music, outsidePicture;
};

// The three tabs of the enemy editor.
enum class EnemyEditorTab { Stats = 0, Actions = 1, GfxSound = 2 };

// Creates the two further group boxes and every control, with their labels, font and 3-D
// look, on the frame whose first group box is in place. Action and outside picture lists start hidden.
EnemyEditorControls CreateEnemyEditorControls(const EditorFrame& frame);

// Shows the tab's group box and the window's lists that belong to it.
void ShowEnemyEditorTab(const EditorFrame& frame, const EnemyEditorControls& controls, EnemyEditorTab tab);

// Every control shows its box; the enemy list is left as it is.
// enemy gives the stored values that a list without their entry shows as "(other: N)".
void ShowEnemyBoxes(const EnemyEditorControls& controls, const EnemyBoxes& boxes, const EnemyRecord& enemy);
// The boxes as the controls hold them now; argument lists are not read back.
EnemyBoxes ReadEnemyBoxes(const EnemyEditorControls& controls);
// Fills an argument box with its list and selects the entry, or clears it.
void ShowArgument(HWND box, const ArgumentBox& argument);
