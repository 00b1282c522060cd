#pragma once

#include <cstdio>
#include <string>
#include <vector>

constexpr const char* kMakeBpsUsage = "quillon-cli make-bps EDITED UNEDITED OUT";

// make-bps EDITED UNEDITED OUT: the BPS patch that turns UNEDITED into EDITED, as the editor
// writes it. Returns the exit status.
int MakeBpsCommand(const std::vector<std::string>& args, std::FILE* err);
