#include "core/compare/save_changes.h"

#include "core/compare/change_texts.h"
#include "core/io/replacing_file.h"

bool SaveChangesCsv(const ImageChanges& changes, const std::string& path) {
  ReplacingFile file(path);
  return file.Write(ChangesCsv(changes)) && file.Commit();
}

std::string ChangesNotSavedMessage(const std::string& path) {
  return "The changes could not be written to " + path + ". Make sure the disk has room and the file can be written to.";
}
