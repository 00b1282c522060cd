#pragma once

#include <array>
#include <cstdio>
#include <string>

#include "core/text/psi_name_table.h"

// What the PSI name editor's sixteen boxes show and what was typed into them, box i
// belonging to record i.
using PsiNameTexts = std::array<std::string, kPsiNameCount>;

PsiNameTexts PsiNameBoxTexts(const PsiNameTable& names);

// Writes all sixteen names in order, but for those untouched, then flushes, so the bytes are on disk when it returns.
// False when any write or the flush failed.
bool ApplyPsiNameTexts(std::FILE* romFile, PsiNameTable& names, const PsiNameTexts& typed);
