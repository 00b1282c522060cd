#pragma once

#include <string>

#include "core/numbers/show_number.h"
#include "core/text/game_text.h"

// "<name> - [<number>]", as the enemy and item lists show an entry.
inline void AppendListEntry(const char* name, unsigned number, std::string& shown) {
  AppendGameText(name, kNameFieldLength, shown);
  shown += " - [";
  AppendUnsigned(number, shown);
  shown += ']';
}

inline std::string ListEntryText(const char* name, unsigned number) {
  std::string shown;
  AppendListEntry(name, number, shown);
  return shown;
}

// "<kind> <number> "<name>"", as Undo names the record an Apply wrote: Enemy 12 "Angry Yarn".
inline std::string StepRecordText(const char* kind, const char* name, unsigned number) {
  return std::string(kind) + " " + std::to_string(number) + " \"" + GameText(name, kNameFieldLength) + "\"";
}
