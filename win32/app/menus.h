#pragma once

// Builds the main menu bar and the editors' menu bars, which live for the whole run.
void BuildMenus();
// Enables the commands of the main File menu that need a loaded image or a step in its
// journal, or grays them.
void RefreshFileMenu();
