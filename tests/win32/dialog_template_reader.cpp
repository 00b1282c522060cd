#include "tests/win32/dialog_template_reader.h"

#include <cstdint>

namespace {

std::string Narrow(const WCHAR* text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  if (size > 1) WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], size, nullptr, nullptr);
  return narrow;
}

class WordReader {
 public:
  explicit WordReader(const WORD* at) : at_(at) {}
  WORD Word() { return *at_++; }
  DWORD Dword() {
    const DWORD low = Word();
    return low | (static_cast<DWORD>(Word()) << 16);
  }
  short Short() { return static_cast<short>(Word()); }
  std::string Text() {
    const std::string text = Narrow(reinterpret_cast<const WCHAR*>(at_));
    while (*at_++ != 0) {
    }
    return text;
  }
  // A name, or 0xFFFF and an ordinal, shown as "#" and the number.
  std::string NameOrOrdinal() {
    if (*at_ != 0xFFFF) return Text();
    ++at_;
    return "#" + std::to_string(Word());
  }
  void AlignToDword() {
    if (reinterpret_cast<std::uintptr_t>(at_) % 4 != 0) ++at_;
  }
  void Skip(std::size_t bytes) { at_ += (bytes + 1) / 2; }

 private:
  const WORD* at_;
};

// Predefined control classes are stored as ordinals.
std::string ClassName(const std::string& stored) {
  if (stored == "#128") return "Button";
  if (stored == "#129") return "Edit";
  if (stored == "#130") return "Static";
  return stored;
}

}  // namespace

bool ReadDialogTemplate(HMODULE module, int id, DialogTemplate* dialog) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
  if (!found) return false;
  const void* data = LockResource(LoadResource(module, found));
  if (!data) return false;
  WordReader in(static_cast<const WORD*>(data));
  dialog->style = in.Dword();
  in.Dword();  // extended style
  const WORD count = in.Word();
  dialog->x = in.Short();
  dialog->y = in.Short();
  dialog->cx = in.Short();
  dialog->cy = in.Short();
  in.NameOrOrdinal();  // menu
  in.NameOrOrdinal();  // class
  dialog->caption = in.Text();
  if (dialog->style & DS_SETFONT) {
    dialog->fontSize = in.Word();
    dialog->fontName = in.Text();
  }
  dialog->items.clear();
  for (WORD i = 0; i < count; ++i) {
    in.AlignToDword();
    DialogItemTemplate item;
    item.style = in.Dword();
    in.Dword();  // extended style
    item.x = in.Short();
    item.y = in.Short();
    item.cx = in.Short();
    item.cy = in.Short();
    item.id = in.Short();
    item.className = ClassName(in.NameOrOrdinal());
    item.text = in.NameOrOrdinal();
    in.Skip(in.Word());  // creation data
    dialog->items.push_back(item);
  }
  return true;
}
