#include "win32/app/command_line_file.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::string FileNamedOnCommandLine(const std::string& arguments) {
  std::size_t start = 0;
  std::size_t end = arguments.size();
  while (start < end && IsBlank(arguments[start])) ++start;
  while (end > start && IsBlank(arguments[end - 1])) --end;
  // A path with blanks comes quoted; one without may come bare, and is taken whole.
  if (start < end && arguments[start] == '"') {
    const std::size_t closing = arguments.find('"', start + 1);
    return arguments.substr(start + 1, (closing == std::string::npos ? end : closing) - start - 1);
  }
  return arguments.substr(start, end - start);
}
