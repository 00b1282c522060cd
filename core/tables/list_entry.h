#pragma once

#include <string>

#include "core/text/game_text.h"

// "<name> - [<number>]", as the enemy and item lists show an entry.
inline std::string ListEntryText(const char* name, unsigned number) {
  return GameText(name, kNameFieldLength) + " - [" + std::to_string(number) + "]";
}
