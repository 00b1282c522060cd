#include "cli/dump_enemies_command.h"

#include "cli/table_dump.h"
#include "core/enemy/enemy_dump.h"
#include "core/enemy/enemy_order.h"
#include "core/enemy/enemy_table.h"

int DumpEnemiesCommand(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  const std::vector<DumpOrderName> orders = {
      {"name", ListOrder::ByName}, {"game", ListOrder::ByGameOrder}, {"original", ListOrder::Original}};
  return RunTableDump(
      args, kDumpEnemiesUsage, orders,
      [](std::FILE* image, const RomLayout& layout, ListOrder order) {
        EnemyTable table;
        LoadEnemyTable(image, layout, table);
        SortEnemies(table, order);
        return EnemyDumpText(table);
      },
      out, err);
}
