#include "win32/ips/ips_worker.h"

#include "core/io/file_size.h"
#include "core/io/open_rom_for_reading.h"
#include "core/ips/ips_messages.h"
#include "core/ips/make_ips_patch.h"
#include "core/patch/make_bps_patch.h"
#include "core/patch/patch_messages.h"
#include "win32/app/app_state.h"

char uneditedRomPath[260] = {};
char ipsPath[260] = {};
std::atomic<std::int32_t> ipsBytesDone{0};
std::atomic<std::int32_t> ipsTotalBytes{3000000};
std::atomic<std::int32_t> ipsFinished{0};

namespace {

IpsResult MakePatch(PatchKind kind, std::FILE* unedited) {
  const IpsProgress progress = {ipsBytesDone, ipsTotalBytes};
  if (kind == PatchKind::Ips) return MakeIpsPatch(romSession.romFile, unedited, ipsPath, progress);
  return MakeBpsPatch({romSession.romFile, romSession.romLayout.headerSize},
                      {unedited, DecideRomLayout(unedited).headerSize}, ipsPath, progress);
}

}  // namespace

DWORD WINAPI IpsWorker(LPVOID parameter) {
  ipsBytesDone = 0;
  const auto kind = static_cast<PatchKind>(reinterpret_cast<INT_PTR>(parameter));
  if (std::FILE* unedited = OpenRomForReading(uneditedRomPath)) {
    const IpsResult result = MakePatch(kind, unedited);
    std::fclose(unedited);
    if (result.written) {
      platform->PlaySound(SoundId::IpsWritten);
      const char* patch = kind == PatchKind::Bps ? "The BPS patch" : "The IPS patch";
      ShowInformation(*platform, FileSavedMessage(patch, ipsPath, FileSizeAt(ipsPath)));
    } else {
      ShowWarning(*platform, result.message);
    }
  } else {
    ShowWarning(*platform, CannotOpenMessage(uneditedRomPath, kIpsCannotOpenRom));
  }
  ipsFinished = 1;
  return 0;
}
