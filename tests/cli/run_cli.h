#pragma once

#include <string>
#include <vector>

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// Runs a built program with args and captures its exit status and both streams.
CliRun RunProgram(const std::string& program, const std::vector<std::string>& args);
CliRun RunCli(const std::vector<std::string>& args);
// The host tools are built beside quillon-cli.
std::string HostToolPath(const std::string& tool);
