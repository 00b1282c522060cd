#include "core/compare/change_row_order.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>

namespace {

std::optional<std::int64_t> CellNumber(const std::string& cell) {
  std::size_t at = 0;
  const bool negative = !cell.empty() && cell[0] == '-';
  if (negative) at = 1;
  int base = 10;
  if (cell.compare(at, 2, "0x") == 0) {
    base = 16;
    at += 2;
  } else if (cell.compare(at, 1, "$") == 0) {
    base = 16;
    at += 1;
  }
  // Longer than any value a field holds: no overflow to guard against below.
  if (at == cell.size() || cell.size() - at > 12) return std::nullopt;
  std::int64_t value = 0;
  for (; at < cell.size(); ++at) {
    const unsigned char c = static_cast<unsigned char>(cell[at]);
    if (base == 10 ? !std::isdigit(c) : !std::isxdigit(c)) return std::nullopt;
    value = value * base + (std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10);
  }
  return negative ? -value : value;
}

bool TextBefore(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

bool CellBefore(const std::string& a, const std::string& b) {
  const std::optional<std::int64_t> numberA = CellNumber(a);
  const std::optional<std::int64_t> numberB = CellNumber(b);
  if (numberA && numberB) return *numberA < *numberB;
  if (numberA || numberB) return numberA.has_value();
  return TextBefore(a, b);
}

}  // namespace

void SortChangeRows(std::vector<std::vector<std::string>>& rows, std::size_t column, bool ascending) {
  std::stable_sort(rows.begin(), rows.end(), [&](const std::vector<std::string>& a, const std::vector<std::string>& b) {
    return ascending ? CellBefore(a[column], b[column]) : CellBefore(b[column], a[column]);
  });
}
