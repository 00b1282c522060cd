#pragma once

#include <cstdio>
#include <string>
#include <vector>

constexpr const char* kMakeIpsUsage = "quillon-cli make-ips EDITED UNEDITED OUT";

// make-ips EDITED UNEDITED OUT: the IPS patch that turns UNEDITED into EDITED, as the editor
// writes it. Returns the exit status.
int MakeIpsCommand(const std::vector<std::string>& args, std::FILE* err);
