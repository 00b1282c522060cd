#include "core/rom/apply_messages.h"

const char* const kChangesNotWritten =
    "The changes could not be written to the ROM file.  Make sure the disk has room and the file is not "
    "write-protected, then apply again.";
