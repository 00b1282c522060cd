#include "tests/support/name_edits.h"

const char* const kFieldFillingName = "Twenty-five letters long!";

std::vector<NameEdit> FieldFillingNameEdits() {
  const std::string full = kFieldFillingName;
  return {
      {"untouched", full, full},
      {"last letter deleted", full.substr(0, 24), full.substr(0, 24)},
      {"a letter typed on", full + "?", full.substr(0, 24)},
  };
}
