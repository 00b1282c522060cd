#pragma once

#include <string>

// The seven boxes of the item editor that stand for the ownership byte.
struct ItemChecks {
  bool infiniteUse = false;
  bool permanent = false;
  bool chicken = false;
  bool ness = false;
  bool paula = false;
  bool jeff = false;
  bool poo = false;
};

// The item editor's boxes, one record both ways: showing an item fills it, and an apply
// reads it back as the window found its controls (edit texts as typed, read whole; an apply
// keeps at most 24 characters of each).
struct ItemBoxes {
  std::string name;
  std::string nameNote;  // beside the name box, for an item that lies on other game data; never applied
  std::string type, cost, strength, extraPower, epIncrease, specialProperty, descAddress;
  int effect = -1;  // entry of the effect list; -1 for none
  ItemChecks checks;
};
