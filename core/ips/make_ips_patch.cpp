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
  const std::int64_t size = GetRomSize(edited);
  const std::int64_t uneditedSize = GetRomSize(unedited);
  if (size > kIpsMaxImageSize || uneditedSize > kIpsMaxImageSize) return IpsFailed(kIpsRomTooLarge);
  if (size != uneditedSize) return IpsFailed(kIpsRomsDifferInSize);
  progress.totalBytes.store(static_cast<std::int32_t>(size));
  return WriteIpsPatch(edited, unedited, patchPath, progress.bytesDone);
}
