#include "core/ips/make_ips_patch.h"

#include "core/ips/ips_messages.h"
#include "core/ips/write_ips_patch.h"
#include "core/rom/rom_session.h"

IpsResult MakeIpsPatch(std::FILE* edited, std::FILE* unedited, const std::string& patchPath, IpsProgress progress) {
  const RomLayout editedLayout = DecideRomLayout(edited);
  const RomLayout uneditedLayout = DecideRomLayout(unedited);
  // Patch offsets count file bytes, so a copier header on one side only shifts every record.
  if (editedLayout.headerSize != uneditedLayout.headerSize) return IpsFailed(kIpsLayoutsDiffer);
  if (IdentifyRom(edited, editedLayout) != IdentifyRom(unedited, uneditedLayout)) {
    return IpsFailed(kIpsRomsNotCompatible);
  }
  const std::int32_t size = GetRomSize(edited);
  if (size != GetRomSize(unedited)) return IpsFailed(kIpsRomsDifferInSize);
  if (static_cast<std::uint32_t>(size) > kIpsMaxImageSize) return IpsFailed(kIpsRomTooLarge);
  progress.totalBytes.store(size);
  return WriteIpsPatch(edited, unedited, patchPath, progress.bytesDone);
}
