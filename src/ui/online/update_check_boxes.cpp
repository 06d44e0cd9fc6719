#include "ui/online/update_check_boxes.h"

#include "app/job_state.h"
#include "app/settings.h"
#include "i18n/text_table.h"
#include "online/update_check.h"
#include "online/vendor.h"
#include "platform/clock.h"
#include "ui/message_box.h"
#include "ui/online/open_link.h"

namespace {
constexpr const char* kScreenshotMarker = "T";
}

void CheckForUpdates() {
  switch (FetchUpdateOutcome()) {
    case UpdateOutcome::ConnectionProblem:
      ShowMessage(MessageKind::Error, GetText("Msg", "Error"), GetText("Msg", "Internet connection problems"));
      break;
    case UpdateOutcome::NewVersion:
      if (ShowMessage(MessageKind::Question, GetText("Msg", "New Update"), GetText("Msg", "New Update Text")))
        OpenLink(ProductPageUrl());
      break;
    case UpdateOutcome::UpToDate:
      ShowMessage(MessageKind::Information, GetText("Msg", "No Update"), GetText("Msg", "No Update Text"));
      break;
  }
}

void ScheduledUpdateCheck() {
  if (g_job.RunMarker == kScreenshotMarker) return;
  if (!ScheduledCheckDue(g_settings.General.UpdateRange, g_settings.General.UpdateDate, LocalDateNow())) return;
  if (ShowMessage(MessageKind::Question, GetText("Msg", "Check for Updates"), GetText("Msg", "Ask check for updates")))
    CheckForUpdates();
  g_settings.General.UpdateDate = LocalDateNow();
}
