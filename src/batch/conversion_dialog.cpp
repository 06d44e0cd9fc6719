#include "batch/conversion_dialog.h"

#include "app/formats.h"
#include "app/job_state.h"
#include "app/product.h"
#include "app/settings.h"
#include "app/text_util.h"
#include "batch/input_set.h"
#include "batch/progress_dialog.h"
#include "engine/picture_layer.h"
#include "engine/save_parameters.h"
#include "engine/watermark_font.h"
#include "i18n/format_text.h"
#include "i18n/text_table.h"
#include "platform/files.h"
#include "ui/format_combo.h"
#include "ui/main/main_window.h"
#include "ui/message_box.h"

namespace {

// The first failed check's message, or "" when all pass. `stopsStatus` says
// whether the status line reads "Conversion stopped" for it.
std::string FailedCheck(bool& stopsStatus) {
  stopsStatus = true;
  if (CurrentInputSet().empty()) return GetText("Msg", "Empty input files");
  if (g_job.OutputFolder.empty()) return GetText("Msg", "Empty output folder");
  g_job.OutputFolder = WithTrailingSlash(g_job.OutputFolder);
  if (!IsFolder(g_job.OutputFolder)) return FormatText(GetText("Msg", "Invalid output folder"), g_job.OutputFolder);
  const TransformSettings& transform = g_settings.Transform;
  if (transform.DoImageResize && transform.ImageWidth == 0) return GetText("Msg", "Invalid width");
  if (transform.DoImageResize && transform.ImageHeight == 0) return GetText("Msg", "Invalid height");
  stopsStatus = false;
  const WatermarkSettings& watermark = g_settings.Watermark;
  if (watermark.DoWatermark == 1 && !CreateWatermarkFont())
    return FormatText(GetText("Msg", "Invalid watermark font"), watermark.Font);
  if (watermark.DoWatermark == 2 && watermark.Image.empty()) return GetText("Msg", "Empty watermark image");
  if (watermark.DoWatermark == 2 && !WatermarkImageAccepted(watermark.Image))
    return FormatText(GetText("Msg", "Invalid watermark image"), watermark.Image);
  return "";
}

}  // namespace

void StartConversion() {
  MainWindow* window = TheMainWindow();
  if (!window) return;
  g_job.CurrentInput = Trim(window->InputFileField->text().toStdString(), " \t");
  AdmitInput(g_job.CurrentInput);
  g_job.OutputFolder = Trim(window->OutputFolderCombo->currentText().toStdString(), " \t");
  g_job.OutputFormat = SelectedFormatKey(window->OutputFormatCombo, ProductFormats().output);
  SetStatusText(GetText("General", "Preparing"));

  bool stopsStatus = true;
  if (const std::string message = FailedCheck(stopsStatus); !message.empty()) {
    if (stopsStatus) SetStatusText(GetText("Msg", "Conversion is not complete"));
    ShowWarning(message);
    ReleaseWatermarkFont();
    return;
  }
  PrepareSaveParameters();
  if (AddRecentOutFolder(g_job.OutputFolder)) RefreshOutFolderList();
  SetStatusText(GetText("General", "Converting"));
  {
    ProgressDialog dialog(window, int(CurrentInputSet().size()));
    dialog.Run();
  }
  ReleaseWatermarkFont();
}
