#include "win32/ips/ips_worker.h"

#include "core/ips/ips_messages.h"
#include "core/ips/make_ips_patch.h"
#include "core/ips/open_rom_for_reading.h"
#include "win32/app/app_state.h"

char uneditedRomPath[260] = {};
char ipsPath[260] = {};
std::atomic<std::int32_t> ipsBytesDone{0};
std::atomic<std::int32_t> ipsTotalBytes{3000000};
std::atomic<std::int32_t> ipsFinished{0};

DWORD WINAPI IpsWorker(LPVOID) {
  ipsBytesDone = 0;
  if (std::FILE* unedited = OpenRomForReading(uneditedRomPath)) {
    const IpsResult result = MakeIpsPatch(romSession.romFile, unedited, ipsPath, {ipsBytesDone, ipsTotalBytes});
    std::fclose(unedited);
    if (result.written) {
      platform->PlaySound(SoundId::IpsWritten);
    } else {
      ShowWarning(*platform, result.message);
    }
  } else {
    ShowWarning(*platform, kIpsCannotOpenRom);
  }
  ipsFinished = 1;
  return 0;
}
