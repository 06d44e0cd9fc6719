#include "ui/main/command_dispatch.h"

#include "batch/conversion_dialog.h"
#include "ui/main/choosers.h"
#include "ui/main/commands.h"
#include "ui/main/main_window.h"
#include "ui/main/quit.h"

void RaiseCommand(int id) {
  switch (id) {
    case kCommandNew: ResetMainWindow(); break;
    case kCommandExit: RequestQuit(); break;
    case kCommandSelectInputFile: ChooseInputFile(); break;
    case kCommandSelectOutputFolder: ChooseOutputFolder(); break;
    case kCommandConvert: StartConversion(); break;
    default: break;
  }
}
