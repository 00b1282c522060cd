#include "win32/app/program_directory.h"

#include <windows.h>

std::string ProgramDirectoryFromCommandLine(const std::string& commandLine) {
  std::string program;
  if (!commandLine.empty() && commandLine[0] == '"') {
    program = commandLine.substr(1, commandLine.find('"', 1) - 1);
  } else {
    program = commandLine.substr(0, commandLine.find(' '));
  }
  const std::size_t slash = program.find_last_of('\\');
  return slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
}

std::string ProgramDirectory() {
  // The module path is the program's own file wherever it was started from.
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return ProgramDirectoryFromCommandLine(GetCommandLineA());
  return ProgramDirectoryFromCommandLine(std::string("\"") + path + "\"");
}
