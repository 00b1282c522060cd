#pragma once

#include <cstdio>
#include <string>
#include <vector>

constexpr const char* kDumpEnemiesUsage = "quillon-cli dump-enemies IMAGE OUT [--order name|game|original]";

// dump-enemies IMAGE OUT [--order ...]: the enemy dump as the editor writes it when that
// list order was current at load. Returns the exit status.
int DumpEnemiesCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
