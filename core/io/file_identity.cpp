#include "core/io/file_identity.h"

#ifdef _WIN32

#include <io.h>
#include <windows.h>

namespace {

FileIdentity IdentityOfHandle(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION information;
  if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &information)) return {};
  return {true, information.dwVolumeSerialNumber,
          (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

}  // namespace

FileIdentity IdentityOf(std::FILE* stream) {
  return IdentityOfHandle(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))));
}

FileIdentity IdentityOf(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  const FileIdentity identity = IdentityOfHandle(file);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return identity;
}

#else

#include <sys/stat.h>

namespace {

FileIdentity IdentityOfStatus(int result, const struct stat& status) {
  if (result != 0) return {};
  return {true, static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace

FileIdentity IdentityOf(std::FILE* stream) {
  struct stat status;
  return IdentityOfStatus(fstat(fileno(stream), &status), status);
}

FileIdentity IdentityOf(const std::string& path) {
  struct stat status;
  return IdentityOfStatus(stat(path.c_str(), &status), status);
}

#endif
