#pragma once

#include <string>

#include "core/platform/platform.h"
#include "core/rom/image_action.h"

// Shown in a "Warning" box when an Apply could not put its bytes into the image file.
extern const char* const kChangesNotWritten;

// Shown when another program changed or replaced the loaded image since it was loaded.
extern const char* const kImageChangedBehind;

std::string BackupFailedMessage(const std::string& imagePath);

// What to say about an action that did not reach the file; empty when it did.
std::string ActionOutcomeMessage(ActionOutcome outcome, const std::string& imagePath);
// The "Warning" box for an action that did not reach the file; nothing when it did.
void ReportActionOutcome(Platform& platform, ActionOutcome outcome, const std::string& imagePath);
