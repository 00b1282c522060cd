#pragma once

#include <optional>
#include <string>

// The line in README.md under which its user guide ends; what follows is for developers.
extern const char* const kUserGuideEnd;

// The user guide of a Markdown README as plain text for Windows: the lines above
// kUserGuideEnd, headings underlined, pictures left out, emphasis, code marks and link
// targets within the page dropped, blank lines never doubled, every line ended by CR LF.
// Lines indented by four spaces are examples and stay as they are. Nothing when the
// README has no such line.
std::optional<std::string> UserGuideText(const std::string& markdown);
