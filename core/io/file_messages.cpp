#include "core/io/file_messages.h"

#include "core/io/file_steps.h"

std::string NotRegularFileMessage(const std::string& path) {
  return path + " is not a regular file.";
}

std::string ReadOnlyFileMessage(const std::string& path) {
  return path + " is read-only, so nothing was written to it.";
}

std::string WriteRefusal(const std::string& path) {
  switch (KindOfPath(path)) {
    case PathKind::ReadOnlyFile:
      return ReadOnlyFileMessage(path);
    case PathKind::NotAFile:
      return NotRegularFileMessage(path);
    default:
      return "";
  }
}
