#pragma once

#include <string>

// How a patch run ended: written, or the exact text to show the user.
struct IpsResult {
  bool written = false;
  std::string message;
};

inline IpsResult IpsWritten() { return {true, ""}; }
inline IpsResult IpsFailed(const char* message) { return {false, message}; }
