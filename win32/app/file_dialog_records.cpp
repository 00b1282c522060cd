#include "win32/app/file_dialog_records.h"

#include "win32/app/app_state.h"

namespace {

void FillRecord(OPENFILENAMEA& record, const char* filter, char* buffer, const char* defaultExtension) {
  record = {};
  record.lStructSize = sizeof record;
  record.hwndOwner = mainWindow;
  record.hInstance = programInstance;
  record.lpstrFilter = filter;
  record.nFilterIndex = 1;
  record.lpstrFile = buffer;
  record.nMaxFile = 260;
  record.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  record.lpstrDefExt = defaultExtension;
}

}  // namespace

void FillFileDialogRecords() {
  FillRecord(romFileDialog, "SNES ROM (*.smc, *.sfc, *.fig)\0*.smc;*.sfc;*.fig\0All files\0*.*\0", romPathBuffer,
             "smc");
  FillRecord(textFileDialog, "Text files\0*.txt\0All files\0*.*\0", textPathBuffer, "txt");
  FillRecord(ipsFileDialog, "IPS files\0*.ips\0All files\0*.*\0", ipsPathBuffer, "ips");
  FillRecord(bpsFileDialog, "BPS files\0*.bps\0All files\0*.*\0", bpsPathBuffer, "bps");
  FillRecord(csvFileDialog, "CSV files\0*.csv\0All files\0*.*\0", csvPathBuffer, "csv");
  FillRecord(patchFileDialog, "Patches (*.ips, *.bps)\0*.ips;*.bps\0All files\0*.*\0", patchPathBuffer, nullptr);
}
