#include "win32/editors/list_fills.h"

#include <string>

#include "core/enemy/enemy_catalogues.h"
#include "core/enemy/enemy_list_texts.h"
#include "core/item/item_list_texts.h"

namespace {

// Average entry length for the reserved storage: names are at most 24 characters plus
// the " - [nnn]" suffix.
constexpr std::size_t kBytesPerEntry = 34;

// Holds off drawing and reserves storage while a list is refilled.
class ListRefill {
 public:
  ListRefill(HWND list, std::size_t count) : list_(list) {
    SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list_, CB_RESETCONTENT, 0, 0);
    SendMessageA(list_, CB_INITSTORAGE, count, count * kBytesPerEntry);
  }
  ~ListRefill() {
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
  }
  ListRefill(const ListRefill&) = delete;
  ListRefill& operator=(const ListRefill&) = delete;

  // data names the entry's record whatever its place, so a pick survives a re-sort.
  void Add(const char* text, LPARAM data) {
    const LRESULT entry = SendMessageA(list_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(list_, CB_SETITEMDATA, static_cast<WPARAM>(entry), data);
  }

 private:
  HWND list_;
};

template <typename Table, typename EntryText, typename Number>
void FillTableList(HWND list, const Table& table, EntryText entryText, Number number) {
  ListRefill refill(list, table.size());
  for (const auto& record : table) refill.Add(entryText(record).c_str(), record.*number);
}

}  // namespace

void FillList(HWND list, const char* const* texts, std::size_t count) {
  ListRefill refill(list, count);
  for (std::size_t i = 0; i < count; ++i) refill.Add(texts[i], static_cast<LPARAM>(i));
}

void FillList(HWND list, const std::vector<std::string>& texts) {
  ListRefill refill(list, texts.size());
  LPARAM entry = 0;
  for (const std::string& text : texts) refill.Add(text.c_str(), entry++);
}

void FillEnemyList(HWND list, const EnemyTable& enemies) {
  FillTableList(list, enemies, EnemyListEntry, &EnemyRecord::enemyNumber);
}

void FillItemList(HWND list, const ItemTable& items) {
  FillTableList(list, items, ItemListEntry, &ItemRecord::itemNumber);
}

void FillActionList(HWND list) {
  FillList(list, ActionNames, kActionCount);
}

void FillPsiArgumentList(HWND list) {
  FillList(list, PsiArgumentNames, kPsiArgumentCount);
}

void ClearList(HWND list) {
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  SetWindowTextA(list, "");
}
