#pragma once

// Builds the main menu bar and the editors' menu bars, which live for the whole run.
void BuildMenus();
