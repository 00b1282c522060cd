#pragma once

// Command IDs shared by the menus and the tool bars.
enum CommandId : int {
  kCmdLoadRom = 1,
  kCmdCloseRom = 2,
  kCmdExit = 3,
  kCmdAbout = 4,
  kCmdHelp = 5,
  kCmdFind = 12,
  kCmdEditorHelp = 13,
  kCmdEditorCloseRom = 15,
  kCmdListByName = 16,
  kCmdListByGameOrderOrType = 17,
  kCmdListByOriginalOrder = 18,
  kCmdMakeIps = 19,
  kCmdDumpToText = 20,
  kCmdQuiz = 21,
  kCmdFixChecksum = 22,
  kCmdFindNext = 23,
  kCmdUndoApply = 24,
  kCmdRedoApply = 25,
  kCmdMakeBps = 30,
  kCmdApplyPatch = 31,
  kCmdCompareWith = 32,
  kCmdChangesSinceLoading = 33,
  kCmdExportCsv = 34,
  kCmdImportCsv = 35,
  // The main window's text tables, one command each, in the order of kTextCsvTables.
  kCmdExportTextTable0 = 40,
  kCmdImportTextTable0 = 45,
  kCmdRecentRom0 = 100,
  kCmdRecentRom4 = 104,
};
