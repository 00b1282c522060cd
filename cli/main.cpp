#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_commands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return RunCliCommand(args, stdout, stderr);
}
