// The game text codec: every stored byte decodes to a character that encodes back to it,
// but for 0x30, which holds character 0 and so reads as the end of the text; and a field's
// text never runs past the field.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/text/game_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Room for one more, so even an empty field's text has a place.
  std::vector<char> text(size + 1);
  DecodeGameText(data, size, text.data());
  for (std::size_t i = 0; i < size; ++i) {
    const std::uint8_t storedAgain = data[i] == 0x30 ? 0 : data[i];
    if (EncodeGameChar(text[i]) != storedAgain || DecodeGameChar(data[i]) != text[i]) std::abort();
  }
  const std::string shown = GameText(text.data(), size);
  if (shown.size() > size || shown.find('\0') != std::string::npos) std::abort();
  if (shown.size() < size && text[shown.size()] != '\0') std::abort();
  return 0;
}
