#include "core/enemy/enemy_search.h"

std::vector<std::size_t> FindEnemies(const EnemyTable& table, const std::string& searchText) {
  std::vector<std::size_t> matches;
  for (std::size_t p = 0; p < kEnemyCount; ++p) {
    if (GameText(table[p].name, kNameFieldLength).find(searchText) != std::string::npos) matches.push_back(p);
  }
  return matches;
}
