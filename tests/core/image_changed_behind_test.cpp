#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/rom/apply_messages.h"
#include "core/rom/image_action.h"
#include "core/rom/load_rom.h"
#include "core/rom/undo_redo.h"
#include "tests/core/file_size_limit.h"
#include "tests/core/image_on_disk_fixture.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kEdited = 0x300;
const std::vector<std::uint8_t> kOurs = {1, 2, 3, 4};
const std::vector<std::uint8_t> kTheirs = {9, 9, 9, 9};

// A loaded image that another program may change while it is loaded.
class ImageWritesTest : public ImageOnDiskTest {
 public:
  ImageWritesTest() : ImageOnDiskTest("loaded.smc") { EXPECT_TRUE(Load()); }

  ActionOutcome Write(std::uint32_t offset, const std::vector<std::uint8_t>& bytes) {
    return RunImageAction(session, [&] { return WriteRomBytes(session.romFile, offset, bytes.data(), bytes.size()); });
  }
  ActionOutcome Undo() { return UndoAction(session, orders, tables)->outcome; }
  ActionOutcome Redo() { return RedoAction(session, orders, tables)->outcome; }

  // Another program writing into the image in place, as a hex editor does, after the
  // program read those bytes, so its stream may still hold them as they were.
  void ChangeInPlace(std::uint32_t offset, const std::vector<std::uint8_t>& bytes) {
    std::uint8_t held[4];
    ReadRomBytes(session.romFile, offset, held, sizeof held);
    std::FILE* other = std::fopen(path.c_str(), "r+b");
    ASSERT_TRUE(other);
    std::fseek(other, static_cast<long>(offset), SEEK_SET);
    std::fwrite(bytes.data(), 1, bytes.size(), other);
    std::fclose(other);
  }
  // Another program putting a new file in the image's place, as apply-patch IMAGE IMAGE does.
  void ReplaceByRename(std::uint32_t offset, const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> replacement = ReadFileBytes(path);
    std::copy(bytes.begin(), bytes.end(), replacement.begin() + offset);
    WriteFileBytes(path + ".new", replacement);
    fs::rename(path + ".new", path);
  }

  long BackupCount() const {
    return std::distance(fs::directory_iterator(path + ".backups"), fs::directory_iterator());
  }

  std::vector<std::uint8_t> BytesAt(std::uint32_t offset) const {
    const std::vector<std::uint8_t> file = ReadFileBytes(path);
    return {file.begin() + offset, file.begin() + offset + 4};
  }
};

TEST_F(ImageWritesTest, NothingIsWrittenOverAnImageChangedOrReplacedBehindTheProgramsBack) {
  struct Case {
    const char* name;
    std::function<ActionOutcome(ImageWritesTest&)> stepsBefore;  // Written when they all were
    std::function<void(ImageWritesTest&)> change;
    std::function<ActionOutcome(ImageWritesTest&)> write;
  };
  const auto none = [](ImageWritesTest&) { return ActionOutcome::Written; };
  const auto apply = [](ImageWritesTest& t) { return t.Write(kEdited, kOurs); };
  const auto applyThenUndo = [](ImageWritesTest& t) {
    return t.Write(kEdited, kOurs) == ActionOutcome::Written ? t.Undo() : ActionOutcome::NotWritten;
  };
  const auto inPlace = [](ImageWritesTest& t) { t.ChangeInPlace(kEdited, kTheirs); };
  const auto byRename = [](ImageWritesTest& t) { t.ReplaceByRename(kEdited, kTheirs); };
  const auto undo = [](ImageWritesTest& t) { return t.Undo(); };
  const auto redo = [](ImageWritesTest& t) { return t.Redo(); };
  const Case cases[] = {
      {"changed in place, then Apply", none, inPlace, apply},
      {"changed in place, then Undo", apply, inPlace, undo},
      {"changed in place, then Redo", applyThenUndo, inPlace, redo},
      {"replaced by a rename, then Apply", none, byRename, apply},
      {"replaced by a rename, then Undo", apply, byRename, undo},
      {"replaced by a rename, then Redo", applyThenUndo, byRename, redo},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Load()) << c.name;
    ASSERT_EQ(c.stepsBefore(*this), ActionOutcome::Written) << c.name;
    const WriteJournal journal = session.journal;
    c.change(*this);
    EXPECT_EQ(c.write(*this), ActionOutcome::ChangedBehind) << c.name;
    EXPECT_EQ(BytesAt(kEdited), kTheirs) << c.name << ": the other program's bytes stay";
    EXPECT_EQ(session.journal.undo.size(), journal.undo.size()) << c.name;
    EXPECT_EQ(session.journal.redo.size(), journal.redo.size()) << c.name;
    ChangeInPlace(kEdited, std::vector<std::uint8_t>(original.begin() + kEdited, original.begin() + kEdited + 4));
  }

  ReportActionOutcome(platform, ActionOutcome::ChangedBehind, path);
  EXPECT_EQ(platform.messages.back().title, "Warning");
  EXPECT_EQ(platform.messages.back().text,
            "The image was changed by another program since it was loaded. Close it and load it again.");
}

TEST_F(ImageWritesTest, BytesChangedElsewhereDoNotStopAWrite) {
  ChangeInPlace(0x400, kTheirs);
  EXPECT_EQ(Write(kEdited, kOurs), ActionOutcome::Written);
  EXPECT_EQ(BytesAt(kEdited), kOurs);
  EXPECT_EQ(BytesAt(0x400), kTheirs);
  EXPECT_EQ(Undo(), ActionOutcome::Written);
  EXPECT_EQ(BytesAt(kEdited), std::vector<std::uint8_t>(original.begin() + kEdited, original.begin() + kEdited + 4));
}

TEST_F(ImageWritesTest, AnImageMadeReadOnlyAfterItsLoadIsNotWrittenNorBackedUp) {
  ASSERT_EQ(Write(kEdited, kOurs), ActionOutcome::Written);
  const std::vector<std::uint8_t> applied = ReadFileBytes(path);
  ASSERT_EQ(BackupCount(), 1);
  // The stream opened for update at load still could write it, as root could in any case.
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(Undo(), ActionOutcome::ReadOnly);
  EXPECT_EQ(Write(0x400, kOurs), ActionOutcome::ReadOnly);
  EXPECT_TRUE(ReadFileBytes(path) == applied);

  ASSERT_TRUE(Load());
  EXPECT_EQ(Write(0x400, kOurs), ActionOutcome::ReadOnly);
  EXPECT_TRUE(ReadFileBytes(path) == applied);
  EXPECT_EQ(BackupCount(), 1) << "a refused write makes no backup";
  ReportActionOutcome(platform, ActionOutcome::ReadOnly, path);
  EXPECT_EQ(platform.messages.back().text, path + " is read-only, so nothing was written to it.");
}

TEST_F(ImageWritesTest, AnActionWhoseWriteFailedPartWayIsUndoneToTheByte) {
  constexpr std::uint32_t kFull = 0x100000;
  const std::vector<std::uint8_t> across(16, 0xEE);
  // An earlier action made the backup, which a full disk would refuse.
  ASSERT_EQ(Write(0x400, kOurs), ActionOutcome::Written);
  const std::vector<std::uint8_t> before = ReadFileBytes(path);
  ActionOutcome outcome;
  {
    // The disk fills in the middle of the second write.
    const FileSizeLimit full(kFull);
    outcome = RunImageAction(session, [&] {
      return WriteRomBytes(session.romFile, kEdited, kOurs.data(), kOurs.size()) &&
             WriteRomBytes(session.romFile, kFull - 8, across.data(), across.size());
    });
  }
  std::clearerr(session.romFile);
  EXPECT_EQ(outcome, ActionOutcome::NotWritten);
  const std::vector<std::uint8_t> failed = ReadFileBytes(path);
  EXPECT_EQ(BytesAt(kEdited), kOurs) << "the first write reached the file";
  EXPECT_EQ(failed[kFull - 1], 0xEE) << "and half of the second";
  EXPECT_EQ(failed[kFull], before[kFull]);

  ASSERT_EQ(Undo(), ActionOutcome::Written);
  EXPECT_TRUE(ReadFileBytes(path) == before);
  ASSERT_EQ(Redo(), ActionOutcome::Written);
  EXPECT_TRUE(ReadFileBytes(path) == failed) << "redo writes what the action did write";
}

}  // namespace
