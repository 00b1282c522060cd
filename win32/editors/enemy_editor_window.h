#pragma once

#include "win32/editors/editor_controls.h"
#include "win32/editors/editor_frame.h"

// The enemy editor: the enemy list and three tabs of the chosen enemy's fields.
const EditorDefinition& EnemyEditor();

// Its control IDs. The enemy list, the action lists and the outside picture list are
// children of the window; every other field control is a child of its tab's group box.
enum EnemyEditorControlId : int {
  kEnemyListId = kFirstEditorControlId,
  kEnemyNameId,
  kEnemyHpId,
  kEnemyPpId,
  kEnemyExperienceId,
  kEnemyMoneyId,
  kEnemySpeedId,
  kEnemyOffenseId,
  kEnemyDefenseId,
  kEnemyStatusId,
  kEnemyLevelId,
  kEnemyGutsId,
  kEnemyIqId,
  kEnemyTheFlagId,
  kEnemyItemId,
  kEnemyItemFrequencyId,
  kEnemyMissRateId,
  kEnemyTypeId,
  kEnemyActionId,  // actions 1 to 4: this ID plus 0 to 3
  kEnemyArgumentId = kEnemyActionId + 4,  // arguments 1 to 4 likewise
  kEnemyActionOrderId = kEnemyArgumentId + 4,
  kEnemyFinalActionId,
  kEnemyStartTextId,
  kEnemyDeathTextId,
  kEnemyMaxCallId,
  kEnemyMovementId,
  kEnemyBattleSpriteId,
  kEnemyPaletteId,
  kEnemyDeathSoundId,
  kEnemyMusicId,
  kEnemyOutsidePictureId,
};
