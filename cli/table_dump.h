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

// Reads the table from the open image, sorts it once into order and returns its dump.
using TableDumper = std::function<std::string(std::FILE* image, const RomLayout& layout, ListOrder order)>;

// Runs COMMAND IMAGE OUT [--order NAME] (the first order name is the default): checks the
// arguments, opens the image read-only, and writes the dump to OUT, or to out when OUT is
// "-"; a dump never replaces its image. Every failure is one line on err. Returns the exit
// status.
int RunTableDump(const std::vector<std::string>& args, const char* usage, const std::vector<DumpOrderName>& orders,
                 const TableDumper& dump, std::FILE* out, std::FILE* err);
