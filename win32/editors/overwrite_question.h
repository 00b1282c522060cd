#pragma once

#include <string>

// Asks before an Apply writes an entry that lies on other game data: Yes and No, with No
// the default, so a hurried Enter writes nothing. True when the user answers Yes.
bool ConfirmOverwrite(const std::string& question);
