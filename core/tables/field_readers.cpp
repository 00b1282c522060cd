#include "core/tables/field_readers.h"

#include <algorithm>

#include "core/numbers/whole_number.h"
#include "core/text/edit_text.h"
#include "core/text/game_text.h"

namespace {

std::string ReadNumber(const std::string& text, const TableField& field, const FieldTarget& target,
                       const NumberRange& range, bool hexAllowed) {
  const WholeNumber number = ReadWholeNumber(text, hexAllowed);
  std::string problem = WholeNumberProblem(number, range, field.label);
  if (problem.empty()) StoreFieldValue(field, target.record, static_cast<std::uint32_t>(number.value));
  return problem;
}

}  // namespace

void StoreFieldValue(const TableField& field, std::uint8_t* record, std::uint32_t value) {
  for (std::uint32_t i = 0; i < field.width; ++i) {
    std::uint8_t& byte = record[field.offset + i];
    const auto part = static_cast<std::uint8_t>(value >> (8 * i));
    byte = static_cast<std::uint8_t>((byte & ~field.bits) | (part & field.bits));
  }
}

std::string ReadUnsignedField(const std::string& text, const TableField& field, const FieldTarget& target) {
  return ReadNumber(text, field, target, UnsignedRange(field.width), false);
}

std::string ReadSignedField(const std::string& text, const TableField& field, const FieldTarget& target) {
  return ReadNumber(text, field, target, SignedRange(field.width), false);
}

std::string ReadAddressField(const std::string& text, const TableField& field, const FieldTarget& target) {
  return ReadNumber(text, field, target, UnsignedRange(field.width), true);
}

std::string ReadTextField(const std::string& text, const TableField& field, const FieldTarget& target) {
  const std::size_t most = std::min<std::size_t>(kEditTextLength, field.width);
  if (text.size() > most) {
    return "\"" + text + "\" has " + std::to_string(text.size()) + " characters; " + field.label + " holds " +
           std::to_string(most) + " at most";
  }
  std::uint8_t* bytes = target.record + field.offset;
  std::fill_n(bytes, field.width, std::uint8_t{0});
  for (std::size_t i = 0; i < text.size(); ++i) {
    bytes[i] = EncodeGameChar(text[i]);
    // That character would end the text where it stands.
    if (bytes[i] == 0) {
      return "\"" + text + "\" holds \"" + text.substr(i, 1) + "\", which the game's text cannot hold";
    }
  }
  return "";
}

std::string NotAnEntryProblem(const std::string& text, const TableField& field) {
  return "\"" + text + "\" is not an entry of the " + field.label + " list";
}
