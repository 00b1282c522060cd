#include "win32/editors/enemy_editor_fields.h"

#include "win32/app/app_state.h"
#include "win32/editors/control_values.h"
#include "win32/editors/control_values.h"
#include "win32/editors/list_fills.h"

namespace {

// Each edit with the view's text it shows and the form's text it is read into.
struct TextField {
  HWND EnemyEditorControls::*control;
  std::string EnemyView::*shown;
  std::string EnemyForm::*read;
};

#define ENEMY_TEXT_FIELD(field) {&EnemyEditorControls::field, &EnemyView::field, &EnemyForm::field}
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

// Each drop-down list with the entry the view selects and the form's selection.
struct ListField {
  HWND EnemyEditorControls::*control;
  int EnemyView::*shown;
  int EnemyForm::*read;
};

#define ENEMY_LIST_FIELD(field) {&EnemyEditorControls::field, &EnemyView::field, &EnemyForm::field}
const ListField kListFields[] = {
    ENEMY_LIST_FIELD(item),  ENEMY_LIST_FIELD(itemFrequency), ENEMY_LIST_FIELD(deathSound),
    ENEMY_LIST_FIELD(type),  ENEMY_LIST_FIELD(music),         ENEMY_LIST_FIELD(actionOrder),
    ENEMY_LIST_FIELD(finalAction),
};
#undef ENEMY_LIST_FIELD

}  // namespace

void ShowArgument(HWND box, const ArgumentView& view) {
  switch (view.list) {
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
  SelectEntry(box, view.selection);
}

void ShowEnemy(const EnemyEditorControls& c, std::size_t position) {
  const EnemyView view = ViewEnemy(gameTables.enemyTable[position], gameTables.enemyTable, gameTables.itemTable);
  for (const TextField& field : kTextFields) ShowControlText(c.*field.control, view.*field.shown);
  for (const ListField& field : kListFields) SelectEntry(c.*field.control, view.*field.shown);
  SendMessageA(c.outsidePicture, LB_SETCURSEL, static_cast<WPARAM>(view.outsidePicture), 0);
  ShowCheck(c.theFlag, view.theFlag);
  for (std::size_t k = 0; k < kEnemyActionCount; ++k) {
    SelectEntry(c.actions[k], view.actions[k]);
    ShowArgument(c.arguments[k], view.arguments[k]);
  }
}

EnemyForm ReadEnemyForm(const EnemyEditorControls& c) {
  EnemyForm form;
  for (const TextField& field : kTextFields) form.*field.read = ReadControlText(c.*field.control);
  for (const ListField& field : kListFields) form.*field.read = SelectedEntry(c.*field.control);
  form.outsidePicture = static_cast<int>(SendMessageA(c.outsidePicture, LB_GETCURSEL, 0, 0));
  form.theFlag = IsChecked(c.theFlag);
  for (std::size_t k = 0; k < kEnemyActionCount; ++k) {
    form.actions[k] = SelectedEntry(c.actions[k]);
    form.arguments[k] = SelectedEntry(c.arguments[k]);
  }
  return form;
}
