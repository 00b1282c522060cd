#pragma once

// Tells the user, in a "Warning" box, when an Apply did not reach the image file.
// Every editor calls it with the result of its core apply (true: all bytes written and flushed).
void ReportApplyResult(bool written);
