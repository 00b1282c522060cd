#include "cli/dump_enemies_command.h"

#include "cli/image_file.h"
#include "core/enemy/enemy_dump.h"
#include "core/enemy/enemy_order.h"
#include "core/enemy/enemy_table.h"
#include "core/io/text_dump.h"

namespace {

struct OrderName {
  const char* name;
  ListOrder order;
};

constexpr OrderName kOrderNames[] = {
    {"name", ListOrder::ByName},
    {"game", ListOrder::ByGameOrder},
    {"original", ListOrder::Original},
};

bool ParseEnemyOrder(const std::vector<std::string>& args, ListOrder& order) {
  order = ListOrder::ByName;
  if (args.size() == 3) return true;
  if (args.size() != 5 || args[3] != "--order") return false;
  for (const OrderName& known : kOrderNames) {
    if (args[4] == known.name) {
      order = known.order;
      return true;
    }
  }
  return false;
}

}  // namespace

int DumpEnemiesCommand(const std::vector<std::string>& args, std::FILE* err) {
  ListOrder order;
  if (!ParseEnemyOrder(args, order)) {
    std::fprintf(err, "usage: %s\n", kDumpEnemiesUsage);
    return 2;
  }
  if (IsSameFile(args[1], args[2])) {
    std::fprintf(err, "quillon-cli: %s is the image itself; choose another output file\n", args[2].c_str());
    return 1;
  }
  std::FILE* image = OpenImageForDump(args[1], err);
  if (!image) return 1;
  EnemyTable table;
  LoadEnemyTable(image, table);
  std::fclose(image);
  SortEnemies(table, order);
  if (!DumpEnemies(table, args[2])) {
    std::fprintf(err, "quillon-cli: %s\n", DumpFailedMessage(args[2]).c_str());
    return 1;
  }
  return 0;
}
