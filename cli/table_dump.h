#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/rom/rom_layout.h"
#include "core/tables/list_order.h"

struct DumpOrderName {
  const char* name;
  ListOrder order;
};

// Reads the table from the open image, sorts it once into order and writes the dump to
// outPath; false when the dump cannot be written.
using TableDumper =
    std::function<bool(std::FILE* image, const RomLayout& layout, ListOrder order, const std::string& outPath)>;

// Runs COMMAND IMAGE OUT [--order NAME] (the first order name is the default): checks the
// arguments, opens the image read-only and never lets the dump replace it. Every failure
// is one line on err. Returns the exit status.
int RunTableDump(const std::vector<std::string>& args, const char* usage, const std::vector<DumpOrderName>& orders,
                 const TableDumper& dump, std::FILE* err);
