#include "support/program_state.h"

#include "app/job_state.h"
#include "app/settings.h"
#include "i18n/text_table.h"

void ResetProgramState() {
  g_job = JobState{};
  ResetJobState();
  ApplyDefaults(DefaultsVariant::Console);
  LoadLanguage();
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
  const char* old = std::getenv(name);
  hadValue_ = old != nullptr;
  if (old) oldValue_ = old;
  setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
  if (hadValue_) setenv(name_, oldValue_.c_str(), 1);
  else unsetenv(name_);
}
