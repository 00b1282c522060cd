#pragma once

#include <string>
#include <vector>

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// Runs the built quillon-cli with args and captures its exit status and both streams.
CliRun RunCli(const std::vector<std::string>& args);
