#pragma once

// The main tool bar's tool tip for a command ID; nullptr when the command has none.
const char* ToolTipText(int command);
