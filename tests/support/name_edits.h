#pragma once

#include <string>
#include <vector>

// A name that fills its 25-byte field, and what becomes of it after an apply when the user
// leaves its box alone or edits it.
struct NameEdit {
  const char* what;
  std::string typed;
  std::string stored;
};

extern const char* const kFieldFillingName;
std::vector<NameEdit> FieldFillingNameEdits();
