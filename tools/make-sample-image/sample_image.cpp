#include "tools/make-sample-image/sample_image.h"

#include <cstddef>
#include <string>

#include "core/enemy/enemy_record.h"
#include "core/enemy/outside_pictures.h"
#include "core/item/item_table.h"
#include "core/rom/rom_session.h"
#include "core/text/game_text.h"
#include "core/text/misc_text_tables.h"
#include "core/text/psi_name_table.h"
#include "core/text/teleport_table.h"

namespace {

constexpr std::size_t kImageSize = 3 * 1024 * 1024 + kCopierHeaderSize;

const char* const kAdjectives[16] = {"Rusty", "Shiny",  "Wobbly", "Tiny",   "Brave", "Soggy", "Golden", "Quiet",
                                     "Fuzzy", "Spicy",  "Frozen", "Lucky",  "Bent",  "Velvet", "Paper", "Stone"};
const char* const kThings[16] = {"spoon",  "pebble", "kettle", "lantern", "ribbon", "button", "compass", "teacup",
                                 "whistle", "mitten", "pinecone", "marble", "feather", "ladle", "thimble", "acorn"};
const char* const kCreatures[16] = {"Mole", "Crow",  "Snail",  "Beetle", "Toad", "Gnome", "Blob", "Moth",
                                    "Robot", "Cactus", "Ghost", "Wisp",   "Yeti", "Slug",  "Owl",  "Crab"};
const char* const kPsiNames[kPsiNameCount] = {"Sparkle", "Frostbite", "Gust",  "Tremor", "Glimmer", "Mend",
                                              "Shelter", "Hush",      "Spark", "Drift",  "Pulse",   "Bloom",
                                              "Echo",    "Flicker",   "Tide",  "Ember"};
const char* const kPlaces[kTeleportCount] = {"Maple Hollow", "Brinewick",   "Cinder Gap",  "Lowmarsh",
                                             "Pebble Bay",   "Fernwood",    "Saltspire",   "Duskmoor",
                                             "Kettle Falls", "Thistledown", "Ambergate",   "Rookhaven",
                                             "Willowmere",  "Copperfield", "Starling Rise", "Mossbank"};
const char* const kPhoneNames[kPhoneCount] = {"Grandpa", "Bakery", "Taxi", "Library", "Weather line"};
const char* const kAilments[kAilmentNameCount] = {"Sleepy", "Itchy",   "Giggling", "Sneezing", "Dizzy",
                                                  "Soggy",  "Grumpy",  "Hiccups",  "Sunburnt", "Chilly"};
const char* const kBattleMenu[kBattleMenuCount] = {"Poke", "Think", "Snack", "Guard", "Flee", "Sing",
                                                   "Look", "Wave",  "Hide",  "Cheer", "Nap"};

// A headered image; every Put takes a ROM position.
class SampleImage {
 public:
  SampleImage() : bytes_(kImageSize, 0) {}

  void PutText(std::uint32_t position, const std::string& text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) At(position + i) = i < text.size() ? EncodeGameChar(text[i]) : 0;
  }

  void PutValue(std::uint32_t position, std::uint32_t value, unsigned width) {
    for (unsigned i = 0; i < width; ++i) At(position + i) = static_cast<std::uint8_t>(value >> (8 * i));
  }

  void PutTitle(const std::string& title) {
    for (std::size_t i = 0; i < 21; ++i) At(kInternalHeader + i) = i < title.size() ? title[i] : ' ';
  }

  // Sets one pixel of a 4-bit planar tile; bit 7 of each plane byte is the leftmost pixel.
  void PutTilePixel(std::uint32_t tile, unsigned x, unsigned y, unsigned value) {
    const std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> x);
    const std::uint32_t planes[4] = {tile + 2 * y, tile + 2 * y + 1, tile + 16 + 2 * y, tile + 17 + 2 * y};
    for (unsigned plane = 0; plane < 4; ++plane) {
      if (value >> plane & 1) At(planes[plane]) |= bit;
    }
  }

  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::uint8_t& At(std::size_t position) { return bytes_[kCopierHeaderSize + position]; }

  std::vector<std::uint8_t> bytes_;
};

void PutEnemies(SampleImage& image) {
  namespace at = EnemyFieldOffset;
  for (std::uint32_t n = 0; n < kEnemyCount; ++n) {
    const std::uint32_t record = kEnemyTableRomPosition + n * kEnemyRecordSize;
    image.PutValue(record + at::kTheFlag, n % 3 == 0, 1);
    image.PutText(record + at::kName, std::string(kAdjectives[(n / 16 + n) % 16]) + " " + kCreatures[n % 16],
                  kNameFieldLength);
    image.PutValue(record + at::kType, n % 3, 1);
    image.PutValue(record + at::kBattleSprite, n % 200, 2);
    image.PutValue(record + at::kOutsidePicture, n % 464, 2);
    image.PutValue(record + at::kHp, 20 + n * 13, 2);
    image.PutValue(record + at::kPp, n * 3 % 250, 2);
    image.PutValue(record + at::kExperience, 5 + n * n * 7, 4);
    image.PutValue(record + at::kMoney, 2 + n * 5, 2);
    image.PutValue(record + at::kMovement, n % 32, 1);
    image.PutValue(record + at::kStartTextAddress, 0xEF0000 + n * 0x40, 4);
    image.PutValue(record + at::kDeathTextAddress, 0xEF8000 + n * 0x40, 4);
    image.PutValue(record + at::kPalette, n % 32, 1);
    image.PutValue(record + at::kLevel, 1 + n % 80, 1);
    image.PutValue(record + at::kMusic, n % 192, 1);
    image.PutValue(record + at::kOffense, 3 + n % 250, 1);
    image.PutValue(record + at::kDefense, 2 + n % 200, 1);
    image.PutValue(record + at::kSpeed, 1 + n % 90, 1);
    image.PutValue(record + at::kGuts, n % 40, 1);
    image.PutValue(record + at::kIq, n % 60, 1);
    image.PutValue(record + at::kMissRate, n % 10, 1);
    image.PutValue(record + at::kActionOrder, n % 4, 1);
    for (std::uint32_t k = 0; k < kEnemyActionCount; ++k) {
      image.PutValue(record + at::kActions + 2 * k, (n * 7 + k * 31) % 319, 2);
      image.PutValue(record + at::kArguments + k, (n + k) % 8, 1);
    }
    image.PutValue(record + at::kFinalAction, n % 5 == 0 ? (n * 11) % 319 : 0, 2);
    image.PutValue(record + at::kBossFlag, n % 23 == 0, 1);
    image.PutValue(record + at::kItemFrequency, n % 8, 1);
    image.PutValue(record + at::kItem, n % 256, 1);
    image.PutValue(record + at::kStatus, n % 7, 1);
    image.PutValue(record + at::kDeathSound, n % 23 == 0, 1);
    image.PutValue(record + at::kMaxCall, n % 4, 1);
  }
}

void PutItems(SampleImage& image) {
  for (std::uint32_t n = 0; n < kItemCount; ++n) {
    const std::uint32_t record = kItemTableRomPosition + n * kItemRecordSize;
    image.PutText(record + kItemNameField, std::string(kAdjectives[n / 16]) + " " + kThings[n % 16], kNameFieldLength);
    image.PutValue(record + kItemTypeField, (n * 5) % 64, 1);
    image.PutValue(record + kItemCostField, (n * 37) % 5000, 2);
    image.PutValue(record + kItemOwnershipField, (n * 29) & 0xFF, 1);
    image.PutValue(record + kItemEffectField, (n * 13) % 319, 2);
    image.PutValue(record + kItemStrengthField, static_cast<std::uint32_t>(static_cast<int>(n % 60) - 20), 1);
    image.PutValue(record + kItemEpIncreaseField, n % 4, 1);
    image.PutValue(record + kItemExtraPowerField, static_cast<std::uint32_t>(static_cast<int>(n % 30) - 10), 1);
    image.PutValue(record + kItemSpecialPropertyField, n % 9, 1);
    image.PutValue(record + kItemDescAddressField, 0xC50000 + n * 0x60, 4);
  }
}

// A made-up round creature per sprite frame: a body in one of the frame's colours, a dark
// outline and two eyes, so the enemy editor's outside pictures show something.
unsigned CreaturePixel(const SpriteFrame& frame, std::size_t index, int x, int y) {
  const int width = frame.widthTiles * 8;
  const int height = frame.heightTiles * 8;
  const int dx = 2 * x + 1 - width;
  const int dy = 2 * y + 1 - height;
  const long inside = static_cast<long>(dx) * dx * height * height + static_cast<long>(dy) * dy * width * width;
  const long edge = static_cast<long>(width) * width * height * height;
  if (inside > edge) return 0;
  const bool eye = y == height / 3 && (x == width / 3 || x == width - 1 - width / 3);
  if (eye || inside * 10 > edge * 7) return 15;
  return 1 + index % 13;
}

void PutOutsidePictures(SampleImage& image) {
  for (std::size_t index = 0; index < kSpriteFrameCount; ++index) {
    const SpriteFrame& frame = SpriteFrameTable[index];
    for (int y = 0; y < frame.heightTiles * 8; ++y) {
      for (int x = 0; x < frame.widthTiles * 8; ++x) {
        const std::uint32_t tile = frame.romPosition + kTileBytes * (y / 8 * frame.widthTiles + x / 8);
        image.PutTilePixel(tile, x % 8, y % 8, CreaturePixel(frame, index, x, y));
      }
    }
  }
}

void PutTextTables(SampleImage& image) {
  for (std::uint32_t i = 0; i < kPsiNameCount; ++i) {
    image.PutText(kPsiNameTableRomPosition + i * kNameFieldLength, kPsiNames[i], kNameFieldLength);
  }
  for (std::uint32_t i = 0; i < kTeleportCount; ++i) {
    const std::uint32_t entry = kTeleportTableRomPosition + i * kTeleportEntrySize;
    image.PutText(entry, kPlaces[i], kNameFieldLength);
    image.PutValue(entry + 25, 0x0100 + i, 2);
    image.PutValue(entry + kTeleportXField, 256 + i * 320, 2);
    image.PutValue(entry + kTeleportYField, 512 + i * 192, 2);
  }
  for (std::uint32_t i = 0; i < kPhoneCount; ++i) {
    const std::uint32_t entry = kPhoneListRomPosition + i * kPhoneEntrySize;
    image.PutText(entry, kPhoneNames[i], kNameFieldLength);
    image.PutValue(entry + 25, 0x0200 + i, 2);
    image.PutValue(entry + kPhonePointerField, 0xC7A000 + i * 0x120, 4);
  }
  for (std::uint32_t i = 0; i < kAilmentNameCount; ++i) {
    image.PutText(kAilmentNameRomPosition + i * kShortTextFieldLength, kAilments[i], kShortTextFieldLength);
  }
  for (std::uint32_t i = 0; i < kBattleMenuCount; ++i) {
    image.PutText(kBattleMenuRomPosition + i * kShortTextFieldLength, kBattleMenu[i], kShortTextFieldLength);
  }
}

}  // namespace

std::vector<std::uint8_t> MakeSampleImage() {
  SampleImage image;
  image.PutTitle("EARTH BOUND (J)");
  PutEnemies(image);
  PutItems(image);
  PutOutsidePictures(image);
  PutTextTables(image);
  return image.Take();
}
