#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// The game's text: byte = character + 0x30 (mod 256), 0x00 ends the text.
constexpr std::size_t kNameFieldLength = 25;
constexpr std::size_t kShortTextFieldLength = 16;

char DecodeGameChar(std::uint8_t stored);
std::uint8_t EncodeGameChar(char shown);

// Decodes all length bytes of a field, including those after the terminator.
void DecodeGameText(const std::uint8_t* field, std::size_t length, char* text);

// Writes exactly length bytes at offset (the text cut to length, then zeros) and stores the
// same characters in memory, so file and memory agree. False when the write fails.
bool EncodeGameText(std::FILE* romFile, std::uint32_t offset, std::size_t length, const std::string& text,
                    char* memory);

// The text before the first terminator, never reading past the field.
std::string GameText(const char* text, std::size_t length);
void AppendGameText(const char* text, std::size_t length, std::string& shown);
