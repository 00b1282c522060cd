#include "core/text/game_text.h"

#include <cstring>
#include <vector>

#include "core/rom/rom_session.h"

char DecodeGameChar(std::uint8_t stored) {
  return stored == 0 ? '\0' : static_cast<char>(static_cast<std::uint8_t>(stored + 0xD0));
}

std::uint8_t EncodeGameChar(char shown) {
  return shown == '\0' ? 0 : static_cast<std::uint8_t>(static_cast<std::uint8_t>(shown) + 0x30);
}

void DecodeGameText(const std::uint8_t* field, std::size_t length, char* text) {
  for (std::size_t i = 0; i < length; ++i) text[i] = DecodeGameChar(field[i]);
}

bool EncodeGameText(std::FILE* romFile, std::uint32_t offset, std::size_t length, const std::string& text,
                    char* memory) {
  const std::size_t shown = text.size() < length ? text.size() : length;
  std::vector<std::uint8_t> stored(length, 0);
  for (std::size_t i = 0; i < shown; ++i) stored[i] = EncodeGameChar(text[i]);
  // Memory keeps what the file now holds: a typed 0xD0 is stored as 0x00 and so ends the text.
  DecodeGameText(stored.data(), length, memory);
  return WriteRomBytes(romFile, offset, stored.data(), length);
}

std::string GameText(const char* text, std::size_t length) {
  std::string shown;
  AppendGameText(text, length, shown);
  return shown;
}

void AppendGameText(const char* text, std::size_t length, std::string& shown) {
  const void* end = std::memchr(text, '\0', length);
  shown.append(text, end ? static_cast<std::size_t>(static_cast<const char*>(end) - text) : length);
}
