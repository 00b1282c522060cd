#include "core/io/text_dump.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "core/io/replacing_file.h"

std::string DumpHeader(const std::string& title) {
  return title + kDumpLineEnd + "Quillon, the EarthBound editor, by the Quillon developers" + kDumpLineEnd +
         std::string(74, '-') + kDumpLineEnd + kDumpLineEnd;
}

void AppendDumpLine(std::string& dump, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length > 0) {
    std::vector<char> line(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(line.data(), line.size(), format, args);
    dump.append(line.data(), static_cast<std::size_t>(length));
  }
  va_end(args);
  dump += kDumpLineEnd;
}

bool WriteDumpFile(const std::string& path, const std::string& dump) {
  ReplacingFile file(path);
  return file.Write(dump) && file.Commit();
}

std::string DumpFailedMessage(const std::string& path) {
  return "The dump could not be written to " + path + ".";
}
