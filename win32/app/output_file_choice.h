#pragma once

#include <string>
#include <vector>

#include "core/platform/platform.h"

// True, after a "Warning" naming the file, when output is the loaded image or one of
// otherInputs: writing there would destroy what is being read.
bool RefusedAsOutput(const std::string& output, const std::vector<std::string>& otherInputs = {});

// The save dialog for a file Quillon writes, starting at path and titled title (empty: the
// system's own). A choice refused as above opens the dialog again; false when cancelled, so
// the caller writes nothing.
bool ChooseOutputFile(FileDialog dialog, std::string& path, const std::string& title = "");
