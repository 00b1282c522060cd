#pragma once

// smallFont, normalFont and titleFont: Arial in the three sizes the windows use.
void CreateShellFonts();
