#include "win32/editors/number_fields.h"

#include "core/numbers/read_number.h"
#include "core/numbers/show_number.h"
#include "win32/editors/control_text.h"

void ShowUnsigned(HWND control, std::uint32_t value) {
  ShowControlText(control, ShowUnsigned(value));
}

void ShowSigned(HWND control, std::int32_t value) {
  ShowControlText(control, ShowSigned(value));
}

void ShowHex(HWND control, std::uint32_t value) {
  ShowControlText(control, ShowHex(value));
}

std::uint32_t ReadNumberClamped(HWND control, std::uint32_t maximum) {
  return ReadNumberClamped(ReadControlText(control), maximum);
}

std::int32_t ReadIntClamped(HWND control, std::int32_t maximum) {
  return ReadIntClamped(ReadControlText(control), maximum);
}

std::uint32_t ReadDecOrHex(HWND control) {
  return ReadDecOrHex(ReadControlText(control));
}
