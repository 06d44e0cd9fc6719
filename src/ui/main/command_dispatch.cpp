#include "ui/main/command_dispatch.h"

#include "app/job_state.h"
#include "batch/conversion_dialog.h"
#include "online/links.h"
#include "online/vendor.h"
#include "ui/aux/about_window.h"
#include "ui/custom_converter/custom_converter_window.h"
#include "ui/main/choosers.h"
#include "ui/main/commands.h"
#include "ui/main/main_window.h"
#include "ui/main/quit.h"
#include "ui/online/open_link.h"
#include "ui/online/update_check_boxes.h"
#include "ui/preferences/preferences_window.h"

void RaiseCommand(int id) {
  switch (id) {
    case kCommandNew: ResetMainWindow(); break;
    case kCommandExit: RequestQuit(); break;
    case kCommandSelectInputFile: ChooseInputFile(); break;
    case kCommandSelectOutputFolder: ChooseOutputFolder(); break;
    case kCommandOutputFormatOptions:
      g_job.PreferencesStartPage = 3;  // the Output page
      OpenPreferencesWindow();
      break;
    case kCommandConvert: StartConversion(); break;
    case kCommandPreferences: OpenPreferencesWindow(); break;
    case kCommandCustomConverter: OpenCustomConverter(); break;
    case kCommandManual: OpenLink(ManualPath()); break;
    case kCommandSendFeedback: OpenLink(FeedbackMailLink()); break;
    case kCommandVisitHomepage: OpenLink(ProductPageUrl()); break;
    case kCommandCheckForNewVersion: CheckForUpdates(); break;
    case kCommandAbout: OpenAbout(); break;
    default: break;
  }
}
