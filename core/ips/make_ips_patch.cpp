#include "core/ips/make_ips_patch.h"

#include "core/ips/ips_messages.h"
#include "core/ips/write_ips_patch.h"
#include "core/rom/rom_session.h"

IpsResult MakeIpsPatch(std::FILE* edited, std::FILE* unedited, const std::string& patchPath, IpsProgress progress) {
  if (IdentifyRom(edited) != IdentifyRom(unedited)) return IpsFailed(kIpsRomsNotCompatible);
  const std::int32_t size = GetRomSize(edited);
  if (size != GetRomSize(unedited)) return IpsFailed(kIpsRomsDifferInSize);
  if (static_cast<std::uint32_t>(size) > kIpsMaxImageSize) return IpsFailed(kIpsRomTooLarge);
  progress.totalBytes.store(size);
  return WriteIpsPatch(edited, unedited, patchPath, progress.bytesDone);
}
