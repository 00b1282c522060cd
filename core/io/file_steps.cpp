#include "core/io/file_steps.h"

#include <cerrno>
#include <cstdint>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef _WIN32

std::FILE* CreateNewFile(const std::string& path, bool& alreadyExists) {
  const int fd = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  alreadyExists = fd < 0 && errno == EEXIST;
  if (fd < 0) return nullptr;
  std::FILE* file = _fdopen(fd, "wb");
  if (!file) _close(fd);
  return file;
}

PathKind KindOfPath(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? PathKind::Nothing : PathKind::Unknown;
  }
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return PathKind::NotAFile;
  return attributes & FILE_ATTRIBUTE_READONLY ? PathKind::ReadOnlyFile : PathKind::WritableFile;
}

bool MoveFileOver(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

std::string FollowLinks(const std::string& path) {
  return path;
}

unsigned LinkCount(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  BY_HANDLE_FILE_INFORMATION information;
  const bool told = GetFileInformationByHandle(file, &information) != 0;
  CloseHandle(file);
  return told && information.nNumberOfLinks > 0 ? information.nNumberOfLinks : 1;
}

FileAccess AccessOf(const std::string&) {
  return {};
}

bool GiveAccess(std::FILE*, const FileAccess&) {
  return true;
}

namespace {

bool CutAt(std::FILE* file, std::int64_t size) {
  return _chsize_s(_fileno(file), size) == 0;
}

}  // namespace

#else

std::FILE* CreateNewFile(const std::string& path, bool& alreadyExists) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  alreadyExists = fd < 0 && errno == EEXIST;
  if (fd < 0) return nullptr;
  std::FILE* file = fdopen(fd, "wb");
  if (!file) close(fd);
  return file;
}

PathKind KindOfPath(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return errno == ENOENT || errno == ENOTDIR ? PathKind::Nothing : PathKind::Unknown;
  if (!S_ISREG(status.st_mode)) return PathKind::NotAFile;
  // The owner's write permission, as root could still open the file.
  return status.st_mode & S_IWUSR ? PathKind::WritableFile : PathKind::ReadOnlyFile;
}

bool MoveFileOver(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

std::string FollowLinks(const std::string& path) {
  std::string followed = path;
  // As many links as the system itself follows before it gives up on a loop.
  for (int hop = 0; hop < 40; ++hop) {
    struct stat status;
    if (lstat(followed.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return followed;
    std::string target(4096, '\0');
    const ssize_t length = readlink(followed.c_str(), &target[0], target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return followed;
    target.resize(static_cast<std::size_t>(length));
    const std::size_t slash = followed.rfind('/');
    followed = target[0] == '/' || slash == std::string::npos ? target : followed.substr(0, slash + 1) + target;
  }
  return followed;
}

unsigned LinkCount(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_nlink < 1) return 1;
  return static_cast<unsigned>(status.st_nlink);
}

FileAccess AccessOf(const std::string& path) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return {};
  return {true, static_cast<unsigned>(status.st_mode & 07777), static_cast<long>(status.st_uid),
          static_cast<long>(status.st_gid)};
}

bool GiveAccess(std::FILE* file, const FileAccess& access) {
  if (!access.known) return true;
  const int fd = fileno(file);
  // Only a privileged process may give a file away; another may still give it a group it
  // belongs to. A change of owner may clear the set-id bits, so the mode comes last.
  if (fchown(fd, static_cast<uid_t>(access.owner), static_cast<gid_t>(access.group)) != 0) {
    const int groupOnly = fchown(fd, static_cast<uid_t>(-1), static_cast<gid_t>(access.group));
    static_cast<void>(groupOnly);
  }
  return fchmod(fd, static_cast<mode_t>(access.mode)) == 0;
}

namespace {

bool CutAt(std::FILE* file, std::int64_t size) {
  return ftruncate(fileno(file), static_cast<off_t>(size)) == 0;
}

}  // namespace

#endif

bool MayReplaceFile(const std::string& path) {
  const PathKind kind = KindOfPath(path);
  return kind == PathKind::Nothing || kind == PathKind::WritableFile;
}

bool CopyFileInPlace(const std::string& from, const std::string& to) {
  std::FILE* input = std::fopen(from.c_str(), "rb");
  if (!input) return false;
  std::FILE* output = std::fopen(to.c_str(), "r+b");
  if (!output) {
    std::fclose(input);
    return false;
  }
  std::vector<char> buffer(1 << 20);
  std::int64_t size = 0;
  bool copied = true;
  for (std::size_t got; copied && (got = std::fread(buffer.data(), 1, buffer.size(), input)) > 0;) {
    copied = std::fwrite(buffer.data(), 1, got, output) == got;
    size += static_cast<std::int64_t>(got);
  }
  copied = copied && !std::ferror(input) && std::fflush(output) == 0 && CutAt(output, size);
  std::fclose(input);
  return std::fclose(output) == 0 && copied;
}
