#include "win32/app/tool_tips.h"

#include "win32/app/command_ids.h"

const char* ToolTipText(int command) {
  switch (command) {
    case kCmdLoadRom:
      return "Load ROM";
    case kCmdCloseRom:
      return "Close ROM";
    case kCmdHelp:
      return "Help";
    case kCmdMakeIps:
      return "Create IPS";
    case kCmdQuiz:
      return "???";
  }
  return nullptr;
}
