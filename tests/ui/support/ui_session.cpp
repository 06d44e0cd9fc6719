#include "ui/support/ui_session.h"

#include "app/job_state.h"
#include "themes/icon_slots.h"
#include "themes/theme_packages.h"
#include "ui/main/windowed_app.h"

UiSession::UiSession() {
  FillIconSlotTables();
  // The packages the build made beside the program.
  SetThemeFolder(std::string(VELMORA_BUILD_GFX) + "/");
  SetMessageSeam([this](MessageKind kind, const std::string& title, const std::string& text) {
    messages.push_back({kind, title, text});
    return kind == MessageKind::Question ? questionAnswer : true;
  });
}

UiSession::~UiSession() {
  if (started_) End();
  SetMessageSeam(nullptr);
  SetThemeFolder("");
}

void UiSession::Start() {
  g_job = JobState{};
  StartWindowedSession();
  started_ = true;
}

void UiSession::End() {
  EndWindowedSession();
  started_ = false;
}
