#include "support/conversion_test.h"

#include "app/job_state.h"
#include "app/settings.h"
#include "engine/save_parameters.h"
#include "platform/files.h"

void ConversionTest::SetUp() {
  ResetProgramState();
  sandbox.InstallFakeDecoder();
  CreateFolder(sandbox.Path("out"));
  CreateFolder(sandbox.Path("work"));
  g_settings.App.WorkFolder = sandbox.Path("work/");
  WriteFile(input, "not really a PhotoCD file");
  g_job.CurrentInput = input;
  g_job.OutputFolder = sandbox.Path("out/");
  g_job.OutputFormat = "jpg";
  PrepareSaveParameters();
}
