#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "core/patch/apply_bps_patch.h"
#include "core/patch/arriving_image.h"
#include "core/ips/ips_messages.h"
#include "core/patch/bps_format.h"
#include "core/patch/bps_number.h"
#include "core/patch/crc32.h"
#include "core/patch/crc32_paths.h"
#include "core/patch/make_bps_patch.h"
#include "core/patch/write_bps_patch.h"
#include "tests/support/bps_reference.h"
#include "tests/support/fixture_image.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Random(std::size_t size, std::mt19937& random) {
  Bytes bytes(size);
  for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
  return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::uint32_t BitwiseCrc32(const std::uint8_t* bytes, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
  }
  return ~crc;
}

TEST(Crc32, GivesTheZipChecksum) {
  const struct {
    std::string text;
    std::uint32_t crc;
  } cases[] = {{"", 0x00000000},
               {"a", 0xE8B7BE43},
               {"123456789", 0xCBF43926},
               {"The quick brown fox jumps over the lazy dog", 0x414FA339}};
  for (const auto& c : cases) {
    const Bytes bytes(c.text.begin(), c.text.end());
    EXPECT_EQ(Crc32(bytes), c.crc) << '"' << c.text << '"';
  }
}

TEST(Crc32, EveryPathAgreesWithTheBitwiseDefinitionAtEveryLengthAndAlignment) {
  std::mt19937 random(11);
  const Bytes bytes = Random((1 << 20) + 64, random);
  for (std::size_t size :
       {1, 7, 8, 9, 15, 16, 63, 64, 127, 128, 129, 143, 144, 255, 256, 1000, 1024, 1072, 4096 + 13, 1 << 20}) {
    for (std::size_t offset : {0, 1, 3, 8}) {
      const std::uint8_t* at = bytes.data() + offset;
      const std::uint32_t expected = BitwiseCrc32(at, size);
      EXPECT_EQ(Crc32(ByteSpan(at, size)), expected) << size << " bytes at " << offset;
      EXPECT_EQ(~Crc32ByTables(0xFFFFFFFF, at, size), expected) << size << " bytes at " << offset;
      if (Crc32FoldingAvailable() && size >= kCrc32FoldingMinimum && size % 16 == 0) {
        EXPECT_EQ(~Crc32ByFolding(0xFFFFFFFF, at, size), expected) << size << " bytes at " << offset;
      }
      if (Crc32WideFoldingAvailable() && size >= kCrc32WideFoldingMinimum && size % 16 == 0) {
        EXPECT_EQ(~Crc32ByWideFolding(0xFFFFFFFF, at, size), expected) << size << " bytes at " << offset;
      }
    }
  }
}

TEST(Crc32, TakenInPiecesEqualsTakenWhole) {
  std::mt19937 random(12);
  const Bytes bytes = Random(300000, random);
  // Pieces of every path's sizes, starting at odd offsets, some too short to fold.
  const struct {
    const char* name;
    std::vector<std::size_t> pieces;
  } cases[] = {
      {"one byte, then the rest", {1}},
      {"odd pieces around the folding minimum", {3, 127, 129, 1, 143, 4099}},
      {"large pieces", {65537, 32768, 100001}},
      {"an empty piece between", {17, 0, 200}},
  };
  for (const auto& c : cases) {
    Crc32Stream crc;
    std::size_t at = 0;
    for (const std::size_t piece : c.pieces) {
      crc.Add(ByteSpan(bytes.data() + at, piece));
      at += piece;
    }
    crc.Add(ByteSpan(bytes.data() + at, bytes.size() - at));
    EXPECT_EQ(crc.Value(), BitwiseCrc32(bytes.data(), bytes.size())) << c.name;
  }
}

TEST(BpsNumber, EncodesEachNumberInItsOneShortestForm) {
  const struct {
    std::uint64_t number;
    Bytes bytes;
  } cases[] = {
      {0, {0x80}},
      {127, {0xFF}},
      {128, {0x00, 0x80}},
      {16511, {0x7F, 0xFF}},
      {16512, {0x00, 0x00, 0x80}},
      {std::uint64_t{1} << 32, {0x00, 0x7F, 0x7E, 0x7E, 0x8E}},
  };
  for (const auto& c : cases) {
    Bytes out;
    PutBpsNumber(out, c.number);
    EXPECT_EQ(out, c.bytes) << c.number;
    EXPECT_EQ(BpsNumberSize(c.number), c.bytes.size()) << c.number;
    const std::uint8_t* at = c.bytes.data();
    std::uint64_t read = 0;
    ASSERT_TRUE(ReadBpsNumber(at, c.bytes.data() + c.bytes.size(), read)) << c.number;
    EXPECT_EQ(read, c.number);
    EXPECT_EQ(at, c.bytes.data() + c.bytes.size()) << c.number << ": the whole number is consumed";
  }
}

TEST(BpsNumber, RefusesANumberCutShortOrBeyondSixtyFourBits) {
  Bytes largest;
  PutBpsNumber(largest, ~std::uint64_t{0});
  Bytes beyond = largest;
  beyond.back() = 0x81;  // one more than the largest in the same length
  const struct {
    const char* name;
    Bytes bytes;
    bool readable;
  } cases[] = {
      {"no end mark", {0x00, 0x7F}, false},
      {"nothing", {}, false},
      {"the largest 64-bit number", largest, true},
      {"one beyond it", beyond, false},
      {"eleven bytes", Bytes(10, 0x00), false},
  };
  for (const auto& c : cases) {
    const std::uint8_t* at = c.bytes.data();
    std::uint64_t number = 0;
    EXPECT_EQ(ReadBpsNumber(at, c.bytes.data() + c.bytes.size(), number), c.readable) << c.name;
    if (c.readable) {
      EXPECT_EQ(number, ~std::uint64_t{0}) << c.name;
    }
  }
}

TEST(WriteBpsPatch, WritesTheSmallestActionsForSmallEdits) {
  const Bytes eights(8, 0x11);
  Bytes oneChanged = eights;
  oneChanged[3] = 0xAA;
  Bytes twoChangedAroundOne = eights;
  twoChangedAroundOne[2] = 0xAA;
  twoChangedAroundOne[4] = 0xBB;
  const Bytes run(64, 0x22);
  Bytes threeNew(80, 0x11);
  std::fill_n(threeNew.begin() + 70, 3, 0x22);
  const struct {
    const char* name;
    Bytes unedited;
    Bytes edited;
    Bytes actions;  // sizes, metadata size and actions
  } cases[] = {
      {"identical", eights, eights, {0x88, 0x88, 0x80, 0x9C}},
      {"one changed byte", eights, oneChanged, {0x88, 0x88, 0x80, 0x88, 0x81, 0xAA, 0x8C}},
      {"one equal byte between two changes joins them",
       eights,
       twoChangedAroundOne,
       {0x88, 0x88, 0x80, 0x84, 0x89, 0xAA, 0x11, 0xBB, 0x88}},
      {"grown", Bytes(4, 0x11), Concat({Bytes(4, 0x11), {0x33, 0x44}}), {0x84, 0x86, 0x80, 0x8C, 0x85, 0x33, 0x44}},
      {"shrunk", eights, Bytes(5, 0x11), {0x88, 0x85, 0x80, 0x90}},
      {"a run is one literal byte and a copy of it", Bytes(64, 0x11), run,
       {0xC0, 0xC0, 0x80, 0x81, 0x22, 0x7B, 0x80, 0x80}},
      {"three new equal bytes far into the image stay literal: a copy costs more", Bytes(80, 0x11), threeNew,
       {0xD0, 0xD0, 0x80, 0x14, 0x81, 0x89, 0x22, 0x22, 0x22, 0x98}},
      {"empty edited image", eights, {}, {0x88, 0x80, 0x80}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WriteBpsPatch(c.edited, c.unedited), SealedBpsPatch(c.unedited, c.edited, c.actions)) << c.name;
  }
}

TEST(ApplyBpsPatch, FollowsEveryCommandIncludingBackwardAndOverlappingCopies) {
  const Bytes source = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'};
  const struct {
    const char* name;
    Bytes target;
    Bytes actions;
  } cases[] = {
      {"every command",
       {'A', 'B', 'G', 'H', 'C', 'D', 'x', 'y', 'x', 'y', 'x', 'G'},
       {
           0x88, 0x8C, 0x80,  // sizes 8 and 12, no metadata
           0x84,              // SourceRead 2: AB
           0x86, 0x8C,        // SourceCopy 2 from +6: GH (source offset now 8)
           0x86, 0x8D,        // SourceCopy 2 from -6: CD, where GH has been written
           0x85, 'x', 'y',    // TargetRead 2: xy
           0x8B, 0x8C,        // TargetCopy 3 from +6: xyx, overlapping what it writes
           0x82, 0x84,        // SourceCopy 1 from +2: G, where x has been written
       }},
      {"a source copy after a target copy, of source bytes both wrote over",
       {'x', 'x', 'A', 'B', 'E', 'F', 'G', 'H'},
       {
           0x88, 0x88, 0x80,  // sizes 8 and 8, no metadata
           0x81, 'x',         // TargetRead 1: x
           0x83, 0x80,        // TargetCopy 1 from +0: x
           0x86, 0x80,        // SourceCopy 2 from +0: AB
           0x8C,              // SourceRead 4: EFGH
       }},
      {"a source copy of the byte a one-byte literal wrote over",
       {'A', 'x', 'B', 'D', 'E', 'F', 'G', 'H'},
       {
           0x88, 0x88, 0x80,  // sizes 8 and 8, no metadata
           0x82, 0x80,        // SourceCopy 1 from +0: A
           0x81, 'x',         // TargetRead 1: x, over B
           0x82, 0x80,        // SourceCopy 1 from +0: B
           0x90,              // SourceRead 5: DEFGH
       }},
  };
  for (const auto& c : cases) {
    const AppliedPatch applied = ApplyBpsPatch(SealedBpsPatch(source, c.target, c.actions), source, 0);
    ASSERT_TRUE(applied.applied) << c.name << ": " << applied.message;
    EXPECT_EQ(applied.image, c.target) << c.name;
  }
}

// Random actions of every command and of lengths from one byte to hundreds, applied here
// the plain way, into a target of its own; applying in place must give the same bytes,
// however the copies from the source mix with what has been written over it.
TEST(ApplyBpsPatch, AgreesWithAPlainApplierOnRandomActions) {
  std::mt19937 random(17);
  for (int round = 0; round < 40; ++round) {
    const Bytes source = Random(1 + random() % 3000, random);
    const std::size_t targetSize = 1 + random() % 4000;
    Bytes target;
    Bytes body;
    for (const std::size_t number : {source.size(), targetSize, std::size_t{0}}) PutBpsNumber(body, number);
    std::size_t sourceOffset = 0;
    std::size_t targetOffset = 0;
    while (target.size() < targetSize) {
      const std::size_t length = 1 + random() % std::min<std::size_t>(targetSize - target.size(), 700);
      auto command = static_cast<BpsCommand>(random() % 4);
      if (command == BpsCommand::SourceRead && target.size() + length > source.size()) command = BpsCommand::TargetRead;
      if (command == BpsCommand::SourceCopy && length > source.size()) command = BpsCommand::TargetRead;
      if (command == BpsCommand::TargetCopy && target.empty()) command = BpsCommand::TargetRead;
      PutBpsNumber(body, BpsAction(command, length));
      if (command == BpsCommand::SourceRead) {
        target.insert(target.end(), source.begin() + target.size(), source.begin() + target.size() + length);
      } else if (command == BpsCommand::TargetRead) {
        const Bytes literal = Random(length, random);
        body.insert(body.end(), literal.begin(), literal.end());
        target.insert(target.end(), literal.begin(), literal.end());
      } else if (command == BpsCommand::SourceCopy) {
        const std::size_t from = random() % (source.size() - length + 1);
        PutBpsNumber(body, BpsOffsetMove(static_cast<std::int64_t>(from) - static_cast<std::int64_t>(sourceOffset)));
        target.insert(target.end(), source.begin() + from, source.begin() + from + length);
        sourceOffset = from + length;
      } else {
        const std::size_t from = random() % target.size();
        PutBpsNumber(body, BpsOffsetMove(static_cast<std::int64_t>(from) - static_cast<std::int64_t>(targetOffset)));
        for (std::size_t i = 0; i < length; ++i) target.push_back(target[from + i]);
        targetOffset = from + length;
      }
    }
    const AppliedPatch applied = ApplyBpsPatch(SealedBpsPatch(source, target, body), source, 0);
    ASSERT_TRUE(applied.applied) << "round " << round << ": " << applied.message;
    EXPECT_TRUE(applied.image == target) << "round " << round;
  }
}

// Unedited images with stretches of fill, like ROM images, and the edits an editor makes.
struct Pair {
  const char* name;
  Bytes unedited;
  Bytes edited;
};

std::vector<Pair> RandomPairs() {
  std::mt19937 random(5);
  const auto unedited = [&](std::size_t size) {
    Bytes bytes = Random(size, random);
    for (std::size_t at = 0; at + 4096 < size; at += 40000) std::fill_n(bytes.begin() + at, 1000 + at % 3000, 0xFF);
    return bytes;
  };
  const auto scatter = [&](Bytes bytes, int count) {
    for (int i = 0; i < count; ++i) bytes[random() % bytes.size()] ^= static_cast<std::uint8_t>(1 + random() % 255);
    return bytes;
  };
  std::vector<Pair> pairs;
  for (std::size_t size : {std::size_t{1}, std::size_t{100}, std::size_t{70000}, std::size_t{1} << 20}) {
    const Bytes base = unedited(size);
    pairs.push_back({"scattered bytes", base, scatter(base, 1 + static_cast<int>(size / 500))});
    pairs.push_back({"dense changes", base, scatter(base, static_cast<int>(size / 3))});
    Bytes grown = scatter(base, 10);
    const Bytes tail = Random(size / 2 + 1, random);
    grown.insert(grown.end(), tail.begin(), tail.end());
    pairs.push_back({"grown", base, grown});
    pairs.push_back({"shrunk", base, Bytes(base.begin(), base.begin() + static_cast<std::ptrdiff_t>(size * 2 / 3))});
    pairs.push_back({"replaced", base, Random(size, random)});
    Bytes twoValued(size);
    for (auto& byte : twoValued) byte = static_cast<std::uint8_t>(random() % 2);
    Bytes twoValuedEdited = twoValued;
    for (auto& byte : twoValuedEdited) byte ^= random() % 7 == 0;
    pairs.push_back({"two byte values, full of short runs", twoValued, twoValuedEdited});
    if (size < 1000) continue;
    Bytes moved = base;
    std::copy_n(base.begin() + 100, size / 8, moved.begin() + static_cast<std::ptrdiff_t>(size / 2));
    pairs.push_back({"moved block", base, moved});
    Bytes inserted = base;
    inserted.insert(inserted.begin() + static_cast<std::ptrdiff_t>(size / 3), {1, 2, 3, 4, 5, 6, 7});
    pairs.push_back({"inserted bytes shift the rest", base, inserted});
    Bytes filled = base;
    std::fill_n(filled.begin() + static_cast<std::ptrdiff_t>(size / 4), size / 4, 0x00);
    pairs.push_back({"filled", base, filled});
  }
  return pairs;
}

// The patch MakeBpsPatch writes for the pair, each image in a file behind a copier header
// of its own, read a piece at a time.
Bytes PatchMadeFromFiles(const Bytes& edited, const Bytes& unedited) {
  const auto open = [](const Bytes& rom, const std::string& name) {
    Bytes image(kCopierHeaderSize, static_cast<std::uint8_t>(name.size()));
    image.insert(image.end(), rom.begin(), rom.end());
    const std::string path = TempPath(name);
    WriteFileBytes(path, image);
    return std::fopen(path.c_str(), "rb");
  };
  std::FILE* editedFile = open(edited, "edited.smc");
  std::FILE* uneditedFile = open(unedited, "unedited.sfc");
  std::atomic<std::int32_t> done{0};
  std::atomic<std::int32_t> total{0};
  const std::string patchPath = TempPath("made.bps");
  const IpsResult made = MakeBpsPatch({editedFile, kCopierHeaderSize}, {uneditedFile, kCopierHeaderSize}, patchPath,
                                      {done, total});
  std::fclose(editedFile);
  std::fclose(uneditedFile);
  EXPECT_TRUE(made.written) << made.message;
  EXPECT_EQ(done.load(), total.load());
  return ReadFileBytes(patchPath);
}

TEST(WriteBpsPatch, RoundTripsAndIsNeverLargerThanThePlainEncoding) {
  for (const Pair& pair : RandomPairs()) {
    const std::string name = std::string(pair.name) + ", " + std::to_string(pair.unedited.size()) + " bytes";
    const Bytes patch = WriteBpsPatch(pair.edited, pair.unedited);
    const AppliedPatch applied = ApplyBpsPatch(patch, pair.unedited, 0);
    ASSERT_TRUE(applied.applied) << name << ": " << applied.message;
    EXPECT_TRUE(applied.image == pair.edited) << name;
    EXPECT_LE(patch.size(), PlainBpsPatchSize(pair.edited, pair.unedited)) << name;
    EXPECT_TRUE(PatchMadeFromFiles(pair.edited, pair.unedited) == patch) << name << ", made from files";
  }
}

TEST(WriteBpsPatch, CopiesRunsAndMovedBlocksInAFewBytes) {
  std::mt19937 random(9);
  const Bytes unedited = Random(1 << 20, random);
  const auto edit = [&](auto change) {
    Bytes edited = unedited;
    change(edited);
    return edited;
  };
  const struct {
    const char* name;
    Bytes edited;
    std::size_t largest;
  } cases[] = {
      {"a run of 0xFF", edit([](Bytes& e) { std::fill_n(e.begin() + 5000, 4000, 0xFF); }), 40},
      {"a block moved forward", edit([&](Bytes& e) { std::copy_n(unedited.begin() + 9000, 8192, e.begin() + 600000); }), 40},
      {"a block moved back", edit([&](Bytes& e) { std::copy_n(unedited.begin() + 700000, 300, e.begin() + 123); }), 40},
      {"bytes inserted", edit([](Bytes& e) { e.insert(e.begin() + 4321, {9, 8, 7}); }), 40},
      {"bytes removed", edit([](Bytes& e) { e.erase(e.begin() + 4321, e.begin() + 4400); }), 40},
      {"grown with a fill", edit([](Bytes& e) { e.resize(e.size() + 65536, 0xFF); }), 50},
  };
  for (const auto& c : cases) {
    const Bytes patch = WriteBpsPatch(c.edited, unedited);
    EXPECT_LE(patch.size(), c.largest) << c.name;
    const AppliedPatch applied = ApplyBpsPatch(patch, unedited, 0);
    EXPECT_TRUE(applied.applied && applied.image == c.edited) << c.name;
    EXPECT_TRUE(PatchMadeFromFiles(c.edited, unedited) == patch) << c.name << ", made from files";
  }
}

}  // namespace

TEST(MakeBpsPatch, AnImageThatFailsToReadLeavesThePatchFileAsItWas) {
  std::mt19937 random(13);
  const Bytes image = Random(200000, random);
  const std::string readable = TempPath("readable.smc");
  const std::string unreadable = TempPath("unreadable.smc");
  for (const std::string& path : {readable, unreadable}) WriteFileBytes(path, image);
  const std::string patchPath = TempPath("kept.bps");
  const Bytes earlierPatch = {'B', 'P', 'S', '1'};
  for (bool editedFails : {true, false}) {
    WriteFileBytes(patchPath, earlierPatch);
    // Open for appending only: its size can be measured, but reading it fails.
    std::FILE* failing = std::fopen(unreadable.c_str(), "ab");
    std::FILE* good = std::fopen(readable.c_str(), "rb");
    std::atomic<std::int32_t> done{0};
    std::atomic<std::int32_t> total{0};
    const PatchImage edited{editedFails ? failing : good, 0};
    const PatchImage unedited{editedFails ? good : failing, 0};
    const IpsResult made = MakeBpsPatch(edited, unedited, patchPath, {done, total});
    std::fclose(failing);
    std::fclose(good);
    EXPECT_FALSE(made.written) << editedFails;
    EXPECT_EQ(made.message, kIpsCannotReadRom) << editedFails;
    EXPECT_EQ(ReadFileBytes(patchPath), earlierPatch) << editedFails;
  }
}

TEST(ArrivingImage, AFileThatGrowsWhileItIsReadIsRefused) {
  const std::string path = TempPath("growing.smc");
  WriteFileBytes(path, Bytes(100000, 0x11));
  std::FILE* file = std::fopen(path.c_str(), "rb");
  std::atomic<std::int32_t> read{0};
  ArrivingImage image(file, 0, 1 << 20, {"too large", "cannot read"}, read);
  std::FILE* more = std::fopen(path.c_str(), "ab");
  std::fputc(0x22, more);
  std::fclose(more);
  image.Arrive(image.Size(), 0);
  std::fclose(file);
  ASSERT_NE(image.Failure(), nullptr);
  EXPECT_STREQ(image.Failure(), "cannot read");
}
