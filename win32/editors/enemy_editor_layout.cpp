#include "win32/editors/enemy_editor_layout.h"

#include <string>

#include "win32/app/app_state.h"
#include "win32/editors/control_values.h"
#include "win32/editors/editor_controls.h"
#include "win32/editors/enemy_editor_window.h"
#include "win32/editors/list_fills.h"

namespace {

constexpr int kLabelHeight = 17;
constexpr int kEditHeight = 19;
constexpr int kStatsLabelWidth = 90;
constexpr int kActionsLabelWidth = 70;
// The order and final action lists stand at x 99; their labels reach them, so
// "Final action:" stays on one line.
constexpr int kActionsListLabelWidth = 89;
constexpr int kOutsidePictureEntryHeight = 95;

void Label(HWND parent, const char* text, int x, int y, int width) {
  UseEditorFontAndLook(CreateLabel(parent, text, x, y + 2, width, kLabelHeight));
}

// An edit with its label at the group's left edge.
HWND Field(HWND group, const char* label, int labelX, int labelWidth, int x, int y, int width, int id) {
  Label(group, label, labelX, y, labelWidth);
  return UseEditorFontAndLook(CreateEditBox(group, x, y, width, kEditHeight, id));
}

HWND StatsField(HWND group, const char* label, int y, int id) {
  return Field(group, label, 10, kStatsLabelWidth, 100, y, 100, id);
}

HWND List(HWND parent, int x, int y, int width, int height, int id) {
  return UseEditorFontAndLook(CreateDropDownList(parent, x, y, width, height, id));
}

HWND HiddenList(HWND parent, int x, int y, int width, int height, int id) {
  HWND list = List(parent, x, y, width, height, id);
  ShowWindow(list, SW_HIDE);
  return list;
}

HWND CreateArgumentBox(HWND group, int y, int id) {
  return UseEditorFontAndLook(
      CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 385, y,
                      195, 150, group, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), programInstance, nullptr));
}

void NoTabStop(HWND control) {
  SetWindowLongA(control, GWL_STYLE, GetWindowLongA(control, GWL_STYLE) & ~WS_TABSTOP);
}

HWND OutsidePictureList(HWND window) {
  HWND list = UseEditorFontAndLook(CreateWindowExA(
      0, "LISTBOX", "", WS_CHILD | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_NOTIFY, 99, 128,
      100, 350, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEnemyOutsidePictureId)), programInstance,
      nullptr));
  SendMessageA(list, LB_SETITEMHEIGHT, 0, kOutsidePictureEntryHeight);
  return list;
}

void CreateStatsControls(EnemyEditorControls& c) {
  HWND g = c.statsGroup;
  Label(g, "Enemy:", 10, 17, kStatsLabelWidth);
  c.name = Field(g, "Name:", 10, kStatsLabelWidth, 100, 45, 200, kEnemyNameId);
  SetWindowPos(c.name, nullptr, 0, 0, 200, 20, SWP_NOMOVE | SWP_NOZORDER);
  c.hp = StatsField(g, "HP:", 67, kEnemyHpId);
  c.pp = StatsField(g, "PP:", 88, kEnemyPpId);
  c.experience = StatsField(g, "Exp:", 109, kEnemyExperienceId);
  c.money = StatsField(g, "Money:", 130, kEnemyMoneyId);
  c.speed = StatsField(g, "Speed:", 151, kEnemySpeedId);
  c.offense = StatsField(g, "Offense:", 172, kEnemyOffenseId);
  c.defense = StatsField(g, "Defense:", 193, kEnemyDefenseId);
  c.status = StatsField(g, "Status:", 214, kEnemyStatusId);
  c.level = StatsField(g, "Level:", 235, kEnemyLevelId);
  c.guts = StatsField(g, "Guts:", 256, kEnemyGutsId);
  c.iq = StatsField(g, "IQ:", 277, kEnemyIqId);
  c.theFlag = UseEditorFontAndLook(
      CreateWindowExA(0, "BUTTON", "'The' flag", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 310, 45, 75,
                      21, g, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEnemyTheFlagId)), programInstance, nullptr));
  Label(g, "Item:", 255, 130, kStatsLabelWidth);
  // Wide enough for the longest item name with its number.
  c.item = List(g, 349, 130, 240, 150, kEnemyItemId);
  Label(g, "Item freq.:", 255, 152, kStatsLabelWidth);
  c.itemFrequency = List(g, 349, 152, 175, 150, kEnemyItemFrequencyId);
  c.missRate = Field(g, "Miss rate:", 255, kStatsLabelWidth, 350, 180, 100, kEnemyMissRateId);
  Label(g, "Type:", 255, 200, kStatsLabelWidth);
  c.type = List(g, 349, 200, 102, 90, kEnemyTypeId);
}

void CreateActionsControls(HWND window, EnemyEditorControls& c) {
  HWND g = c.actionsGroup;
  Label(g, "Enemy:", 10, 17, kActionsLabelWidth);
  for (int k = 0; k < static_cast<int>(kEnemyActionCount); ++k) {
    const int y = 45 + 23 * k;
    const std::string number = std::to_string(k + 1);
    Label(g, ("Action " + number + ":").c_str(), 10, y, kActionsLabelWidth);
    c.actions[k] = HiddenList(window, 104, 117 + 23 * k, 195, 150, kEnemyActionId + k);
    Label(g, ("Argument " + number + ":").c_str(), 305, y, 80);
    c.arguments[k] = CreateArgumentBox(g, y, kEnemyArgumentId + k);
  }
  Label(g, "Order:", 10, 157, kActionsListLabelWidth);
  c.actionOrder = List(g, 99, 157, 195, 150, kEnemyActionOrderId);
  Label(g, "Final action:", 10, 180, kActionsListLabelWidth);
  c.finalAction = List(g, 99, 180, 195, 150, kEnemyFinalActionId);
  c.startText = Field(g, "Start text:", 10, kActionsLabelWidth, 100, 204, 100, kEnemyStartTextId);
  c.deathText = Field(g, "Death text:", 305, kActionsLabelWidth, 390, 204, 100, kEnemyDeathTextId);
  c.maxCall = Field(g, "Max call:", 10, kActionsLabelWidth, 100, 225, 100, kEnemyMaxCallId);
  for (HWND edit : {c.startText, c.deathText, c.maxCall}) NoTabStop(edit);
}

void CreateGfxControls(HWND window, EnemyEditorControls& c) {
  HWND g = c.gfxGroup;
  Label(g, "Enemy:", 10, 17, kStatsLabelWidth);
  c.battleSprite = Field(g, "Battle sprite:", 305, kStatsLabelWidth, 400, 50, 100, kEnemyBattleSpriteId);
  c.palette = Field(g, "Palette:", 305, kStatsLabelWidth, 400, 71, 100, kEnemyPaletteId);
  Label(g, "Death Sound:", 305, 91, kStatsLabelWidth);
  // Wide enough for the longest music name.
  c.deathSound = List(g, 399, 91, 190, 90, kEnemyDeathSoundId);
  Label(g, "Music:", 305, 113, 80);
  c.music = List(g, 399, 113, 190, 90, kEnemyMusicId);
  // In the right column: the outside picture list covers the left one from "Outside pic:" down.
  c.movement = Field(g, "Movement:", 305, kStatsLabelWidth, 400, 136, 100, kEnemyMovementId);
  Label(g, "Outside pic:", 5, 50, kStatsLabelWidth);
  c.outsidePicture = OutsidePictureList(window);
}

HWND HiddenGroupBox(const EditorFrame& frame, const char* label) {
  HWND group = UseEditorFontAndLook(CreateTabGroupBox(frame, label));
  ShowWindow(group, SW_HIDE);
  return group;
}

// Each edit and drop-down list with the box it shows and is read into; the outside picture
// list, the check box and the action rows are moved by hand below.
struct TextField {
  HWND EnemyEditorControls::*control;
  std::string EnemyBoxes::*box;
};

#define ENEMY_TEXT_FIELD(field) {&EnemyEditorControls::field, &EnemyBoxes::field}
const TextField kTextFields[] = {
    ENEMY_TEXT_FIELD(name),     ENEMY_TEXT_FIELD(hp),        ENEMY_TEXT_FIELD(pp),
    ENEMY_TEXT_FIELD(experience), ENEMY_TEXT_FIELD(money),   ENEMY_TEXT_FIELD(speed),
    ENEMY_TEXT_FIELD(palette),  ENEMY_TEXT_FIELD(offense),   ENEMY_TEXT_FIELD(defense),
    ENEMY_TEXT_FIELD(status),   ENEMY_TEXT_FIELD(level),     ENEMY_TEXT_FIELD(guts),
    ENEMY_TEXT_FIELD(iq),       ENEMY_TEXT_FIELD(battleSprite), ENEMY_TEXT_FIELD(movement),
    ENEMY_TEXT_FIELD(missRate), ENEMY_TEXT_FIELD(maxCall),   ENEMY_TEXT_FIELD(startText),
    ENEMY_TEXT_FIELD(deathText),
};
#undef ENEMY_TEXT_FIELD

struct ListField {
  HWND EnemyEditorControls::*control;
  int EnemyBoxes::*box;
  std::uint32_t (*stored)(const EnemyRecord& enemy);
};

#define ENEMY_LIST_FIELD(field) \
  {&EnemyEditorControls::field, &EnemyBoxes::field, [](const EnemyRecord& e) -> std::uint32_t { return e.field; }}
const ListField kListFields[] = {
    ENEMY_LIST_FIELD(item),  ENEMY_LIST_FIELD(itemFrequency), ENEMY_LIST_FIELD(deathSound),
    ENEMY_LIST_FIELD(type),  ENEMY_LIST_FIELD(music),         ENEMY_LIST_FIELD(actionOrder),
    ENEMY_LIST_FIELD(finalAction),
};
#undef ENEMY_LIST_FIELD

}  // namespace

EnemyEditorControls CreateEnemyEditorControls(const EditorFrame& frame) {
  EnemyEditorControls c = {};
  c.statsGroup = frame.groupBox;
  c.actionsGroup = HiddenGroupBox(frame, "Enemy Actions:");
  c.gfxGroup = HiddenGroupBox(frame, "Gfx / Sound:");
  c.enemyList = List(frame.window, 104, 89, 250, 150, kEnemyListId);
  CreateStatsControls(c);
  CreateActionsControls(frame.window, c);
  CreateGfxControls(frame.window, c);
  return c;
}

void ShowEnemyEditorTab(const EditorFrame& frame, const EnemyEditorControls& c, EnemyEditorTab tab) {
  const bool actions = tab == EnemyEditorTab::Actions;
  const bool gfx = tab == EnemyEditorTab::GfxSound;
  if (!actions) {
    for (HWND list : c.actions) ShowWindow(list, SW_HIDE);
  }
  ShowWindow(c.outsidePicture, SW_HIDE);
  ShowWindow(c.statsGroup, tab == EnemyEditorTab::Stats ? SW_SHOW : SW_HIDE);
  ShowWindow(c.actionsGroup, actions ? SW_SHOW : SW_HIDE);
  ShowWindow(c.gfxGroup, gfx ? SW_SHOW : SW_HIDE);
  if (actions) {
    for (HWND list : c.actions) ShowWindow(list, SW_SHOW);
  }
  if (gfx) ShowWindow(c.outsidePicture, SW_SHOW);
  // Shown again so that they stay above the group boxes.
  for (HWND control : {c.enemyList, frame.applyButton}) {
    ShowWindow(control, SW_HIDE);
    ShowWindow(control, SW_SHOW);
  }
}

void ShowArgument(HWND box, const ArgumentBox& argument) {
  switch (argument.list) {
    case ArgumentList::None:
      ClearList(box);
      return;
    case ArgumentList::PsiArguments:
      FillPsiArgumentList(box);
      break;
    case ArgumentList::Enemies:
      FillEnemyList(box, gameTables.enemyTable);
      break;
    case ArgumentList::Items:
      FillItemList(box, gameTables.itemTable);
      break;
  }
  SelectEntry(box, argument.selection);
}

void ShowEnemyBoxes(const EnemyEditorControls& c, const EnemyBoxes& boxes, const EnemyRecord& enemy) {
  for (const TextField& field : kTextFields) ShowControlText(c.*field.control, boxes.*field.box);
  for (const ListField& field : kListFields) {
    SelectEntryOfStored(c.*field.control, boxes.*field.box, field.stored(enemy));
  }
  SendMessageA(c.outsidePicture, LB_SETCURSEL, static_cast<WPARAM>(boxes.outsidePicture), 0);
  ShowCheck(c.theFlag, boxes.theFlag);
  for (std::size_t k = 0; k < kEnemyActionCount; ++k) {
    SelectEntryOfStored(c.actions[k], boxes.actions[k], enemy.actions[k]);
    ShowArgument(c.arguments[k], boxes.arguments[k]);
  }
}

EnemyBoxes ReadEnemyBoxes(const EnemyEditorControls& c) {
  EnemyBoxes boxes;
  for (const TextField& field : kTextFields) boxes.*field.box = ReadControlText(c.*field.control);
  for (const ListField& field : kListFields) boxes.*field.box = SelectedEntry(c.*field.control);
  boxes.outsidePicture = static_cast<int>(SendMessageA(c.outsidePicture, LB_GETCURSEL, 0, 0));
  boxes.theFlag = IsChecked(c.theFlag);
  for (std::size_t k = 0; k < kEnemyActionCount; ++k) {
    boxes.actions[k] = SelectedEntry(c.actions[k]);
    boxes.arguments[k].selection = SelectedEntry(c.arguments[k]);
  }
  return boxes;
}
