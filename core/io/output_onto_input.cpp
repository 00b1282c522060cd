#include "core/io/output_onto_input.h"

#include "core/io/same_file.h"

std::string OutputOntoInputMessage(const std::string& output, const std::vector<std::string>& inputs) {
  for (const std::string& input : inputs) {
    if (!input.empty() && IsSameFile(output, input)) {
      return output + " is a ROM image Quillon is reading; writing to it would destroy it.  Choose another file.";
    }
  }
  return "";
}
