#pragma once

#include <cstdio>
#include <string>
#include <vector>

constexpr const char* kDumpItemsUsage = "quillon-cli dump-items IMAGE OUT [--order name|type|original]";

// dump-items IMAGE OUT [--order ...]: the item dump as the editor writes it when that list
// order was current at load. Returns the exit status.
int DumpItemsCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
