#include "win32/app/output_file_choice.h"

#include "core/io/output_onto_input.h"
#include "win32/app/app_state.h"

bool RefusedAsOutput(const std::string& output, const std::vector<std::string>& otherInputs) {
  std::vector<std::string> inputs = otherInputs;
  if (romSession.romLoaded) inputs.push_back(romSession.romPath);
  const std::string refusal = OutputOntoInputMessage(output, inputs);
  if (refusal.empty()) return false;
  ShowWarning(*platform, refusal);
  return true;
}

bool ChooseOutputFile(FileDialog dialog, std::string& path, const std::string& title) {
  while (platform->ChooseFile(dialog, FileDialogMode::Save, path, title)) {
    if (!RefusedAsOutput(path)) return true;
  }
  return false;
}
