#pragma once

#include <string>

#include "win32/editors/editor_frame.h"

// The editor whose window has the title (as an undo step names its maker); null for none,
// as for the main window's own steps.
const EditorDefinition* EditorTitled(const std::string& title);
