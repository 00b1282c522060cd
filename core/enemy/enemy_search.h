#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/enemy/enemy_record.h"

// Positions, ascending, of the enemies whose name holds searchText exactly (case-sensitive).
std::vector<std::size_t> FindEnemies(const EnemyTable& table, const std::string& searchText);
