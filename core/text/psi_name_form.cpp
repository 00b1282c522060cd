#include "core/text/psi_name_form.h"

#include "core/rom/rom_session.h"
#include "core/text/edit_text.h"

PsiNameTexts PsiNameBoxTexts(const PsiNameTable& names) {
  PsiNameTexts texts;
  for (std::size_t i = 0; i < kPsiNameCount; ++i) texts[i] = GameText(names[i].name, kNameFieldLength);
  return texts;
}

bool ApplyPsiNameTexts(std::FILE* romFile, PsiNameTable& names, const PsiNameTexts& typed) {
  bool written = true;
  for (std::size_t i = 0; i < kPsiNameCount; ++i) {
    if (!IsShownName(typed[i], names[i].name)) written &= WritePsiName(names[i], romFile, typed[i]);
  }
  return FlushRom(romFile) && written;
}
