#pragma once

#include <string>
#include <vector>

// The "Warning" for output chosen onto a file that the action reads (the loaded image, or an
// image a patch is made from), naming the file; empty when output is none of them.
std::string OutputOntoInputMessage(const std::string& output, const std::vector<std::string>& inputs);
