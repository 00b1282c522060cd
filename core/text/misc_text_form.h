#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "core/text/misc_text_tables.h"

// The misc. text editor: the phone list, ailment names and battle menu, each with a list of
// its entries and boxes for the entry selected.

struct MiscTextTables {
  PhoneListTable& phones;
  AilmentNameTable& ailments;
  BattleMenuTable& battleMenu;
};

// The entry selected in each of the three lists.
struct MiscTextSelection {
  int phone;
  int ailment;
  int battleMenu;
};

struct MiscTextBoxes {
  std::string phoneName;
  std::string phonePointer;  // "$" and hexadecimal
  std::string ailmentName;
  std::string battleMenuEntry;
};

// The texts of each list, in table order.
std::vector<std::string> PhoneListEntries(const PhoneListTable& phones);
std::vector<std::string> ShortTextEntries(const ShortTextRecord* records, std::size_t count);

// All three groups, always shown together from memory. A selection outside its table shows
// empty boxes for that group.
MiscTextBoxes MiscTextBoxTexts(const MiscTextTables& tables, const MiscTextSelection& selected);

// The "Warning" when the pointer box holds no number or one past 32 bits; empty when the
// boxes can be applied.
std::string MiscTextBoxesProblem(const MiscTextBoxes& typed);

// Writes the phone name (unless untouched), the phone pointer ("$" hexadecimal, otherwise
// decimal), the ailment name and the battle menu entry of the selected entries, then flushes,
// so the bytes are on disk when it returns. False when any write or the flush failed.
bool ApplyMiscTextBoxes(std::FILE* romFile, const MiscTextTables& tables, const MiscTextSelection& selected,
                        const MiscTextBoxes& typed);
