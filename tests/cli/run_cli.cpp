#include "tests/cli/run_cli.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/fixture_image.h"

namespace {

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

CliRun RunProgram(const std::string& program, const std::vector<std::string>& args) {
  const std::string outPath = TempPath("cli.out");
  const std::string errPath = TempPath("cli.err");
  // A program that waits forever fails its test instead of stopping the whole run.
  std::string command = "timeout 60 " + Quoted(program);
  for (const std::string& arg : args) command += " " + Quoted(arg);
  command += " >" + Quoted(outPath) + " 2>" + Quoted(errPath) + " </dev/null";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFileText(outPath), ReadFileText(errPath)};
}

CliRun RunCli(const std::vector<std::string>& args) {
  return RunProgram(QUILLON_CLI, args);
}

std::string HostToolPath(const std::string& tool) {
  return (std::filesystem::path(QUILLON_CLI).parent_path() / tool).string();
}
