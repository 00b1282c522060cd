#pragma once

// Shown in a "Warning" box when an Apply could not put its bytes into the image file.
extern const char* const kChangesNotWritten;
