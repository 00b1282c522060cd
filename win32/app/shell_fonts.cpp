#include "win32/app/shell_fonts.h"

#include "win32/app/app_state.h"

namespace {

HFONT CreateArial(int height, int weight) {
  return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
}

}  // namespace

void CreateShellFonts() {
  smallFont = CreateArial(13, 200);
  normalFont = CreateArial(15, 200);
  titleFont = CreateArial(36, 300);
}
