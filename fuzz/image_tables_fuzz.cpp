// Any image: its layout is decided, every table loads and dumps, and its checksum and marker
// read, without a fault. The input chooses the size and header, then puts runs of bytes at
// ROM positions of its choosing.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "core/enemy/enemy_dump.h"
#include "core/item/item_dump.h"
#include "core/rom/possession.h"
#include "core/rom/rom_checksum.h"
#include "core/tables/game_tables.h"
#include "fuzz/fuzz_input.h"

namespace {

// Sizes images come in, and one of no power-of-two shape.
constexpr std::size_t kRomSizes[] = {3 << 20, 4 << 20, 6 << 20, (3 << 20) + 0x1234};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::uint8_t choices = input.Byte();
  const std::size_t header = (choices & 1) ? kCopierHeaderSize : 0;
  std::vector<std::uint8_t> image(header + kRomSizes[(choices >> 1) & 3]);
  while (input.Left() > 0) {
    const std::size_t at = header + input.Number(3) % (image.size() - header);
    for (const std::uint8_t byte : input.Bytes(input.Byte())) {
      if (at < image.size()) image[at] = byte;
    }
  }
  std::FILE* file = fmemopen(image.data(), image.size(), "rb");
  if (!file) return 0;
  const RomLayout layout = DecideRomLayout(file);
  IdentifyRom(file, layout);
  for (const ListOrder order : {ListOrder::ByName, ListOrder::ByGameOrder, ListOrder::Original}) {
    GameTables tables;
    LoadGameTables(file, layout, {order, order}, tables);
    EnemyDumpText(tables.enemyTable);
    ItemDumpText(tables.itemTable);
  }
  ReadRomChecksum(file, layout);
  IsRomPossessed(file, layout);
  std::fclose(file);
  return 0;
}
