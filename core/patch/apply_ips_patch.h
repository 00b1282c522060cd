#pragma once

#include "core/patch/applied_patch.h"
#include "core/patch/byte_span.h"

// Applies an IPS patch to the whole image file, copier header included: records in order,
// run-length records (size 0, a 2-byte count and one byte), records past the end growing
// the image with zeros, and the optional 3-byte size after "EOF" that cuts the image
// short. A record at offset 0x454F46 reads as "EOF" only where no record can follow.
AppliedPatch ApplyIpsPatch(ByteSpan patch, ByteSpan image);
