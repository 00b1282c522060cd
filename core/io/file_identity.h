#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Which file a path or an open stream is, however it is named: after a file is replaced by
// a rename its path names another file than the stream still open on the old one.
struct FileIdentity {
  bool known = false;
  std::uint64_t volume = 0;
  std::uint64_t file = 0;
};

FileIdentity IdentityOf(std::FILE* stream);
FileIdentity IdentityOf(const std::string& path);

// True only when both are known and name one file.
inline bool SameIdentity(const FileIdentity& a, const FileIdentity& b) {
  return a.known && b.known && a.volume == b.volume && a.file == b.file;
}
