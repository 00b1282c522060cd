#pragma once

#include <string>

#include "core/compare/image_changes.h"
#include "core/platform/platform.h"
#include "core/rom/rom_session.h"

// The loaded image compared with an image file, as the main window's File menu offers it.

extern const char* const kNothingWrittenSinceLoading;

// The changes, or the box to show instead: a "Warning" when they could not be listed.
struct ListedChanges {
  std::string message;  // empty when listed
  MessageKind messageKind = MessageKind::Warning;
  ImageChanges changes;
};

// What differs from the image at uneditedPath to the loaded image.
ListedChanges ChangesSinceImageFile(const std::string& uneditedPath, const RomSession& session);

// What differs from the backup made before this load's first write, the image as it was
// loaded, to the loaded image; before that write, kNothingWrittenSinceLoading as information.
ListedChanges ChangesSinceLoading(const RomSession& session);
