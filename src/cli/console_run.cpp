#include "cli/console_run.h"

#include <algorithm>
#include <initializer_list>

#include "app/formats.h"
#include "app/job_state.h"
#include "app/keywords.h"
#include "app/product.h"
#include "app/setting_table.h"
#include "app/settings.h"
#include "batch/input_set.h"
#include "batch/progress.h"
#include "batch/worker.h"
#include "cli/command_line.h"
#include "engine/picture_layer.h"
#include "engine/save_parameters.h"
#include "engine/watermark_font.h"
#include "i18n/format_text.h"
#include "i18n/text_table.h"
#include "platform/console.h"
#include "platform/files.h"

namespace {

class ConsoleRun {
 public:
  explicit ConsoleRun(bool quiet) : quiet_(quiet), debug_(g_job.RunMarker == "DEBUG") {}
  int Run();

 private:
  void Status(const std::string& line) const {
    if (!quiet_) ConsoleWriteLine(line);
  }
  void Debug(const std::string& line) const {
    if (debug_) ConsoleWriteLine(line);
  }
  void DebugSettings(const char* section, std::initializer_list<const char*> keys) const {
    for (const char* key : keys) {
      const SettingDef& def = SettingRow(section, key);
      Debug(def.debugLabel + DebugValueText(def, g_settings));
    }
  }
  static int Fail(const std::string& message) {
    ConsoleWriteLine("Error: " + message);
    return kExitError;
  }

  bool CheckInput(std::string& error);
  bool CheckOutputFolder(std::string& error);
  bool CheckFormats(std::string& error);
  bool CheckOutputOptions(std::string& error);
  bool CheckTransformAndAdjustment(std::string& error);
  void DebugFrame();
  bool CheckWatermark(std::string& error);
  void DebugAdvanced();
  int Convert();

  bool quiet_;
  bool debug_;
};

bool ConsoleRun::CheckInput(std::string& error) {
  Debug("Input: " + g_job.InputPath);
  error = "Invalid input file";
  if (FilePart(g_job.InputPath).empty()) {
    g_job.InputPath.clear();
    return false;
  }
  g_job.CurrentInput = g_job.InputPath;
  g_job.InputPath.clear();
  return IsNonEmptyFile(g_job.CurrentInput);
}

bool ConsoleRun::CheckOutputFolder(std::string& error) {
  std::string& folder = g_job.OutputFolder;
  // Next to the input: its folder taken from the absolute path, so a bare
  // file name does not send the output into the program's folder.
  if (folder.empty()) folder = FolderPart(AbsolutePath(g_job.CurrentInput));
  Debug("Output: " + folder);
  if (folder.starts_with("..")) {
    error = "Incorrect output folder";
    return false;
  }
  if (!folder.starts_with('/')) {
    if (folder.starts_with("./")) folder.erase(0, 2);
    folder = g_job.ProgramFolder + folder;
  }
  folder = WithTrailingSlash(folder);
  error = "Invalid output folder";
  return IsFolder(folder);
}

bool ConsoleRun::CheckFormats(std::string& error) {
  if (g_job.InputFormat.empty()) g_job.InputFormat = ProductFormats().input.front();
  if (g_job.OutputFormat.empty()) g_job.OutputFormat = ProductFormats().output.front();
  Debug("Conversion: " + g_job.OutputFormat);
  const auto& outputs = ProductFormats().output;
  error = "Invalid conversion type";
  return std::find(outputs.begin(), outputs.end(), g_job.OutputFormat) != outputs.end();
}

bool ConsoleRun::CheckOutputOptions(std::string& error) {
  DebugSettings("Output", {"JPG BPP", "JPG Quality", "JPG Chroma", "JPG Save As"});
  const int32_t bpp = g_settings.Output.JpgBpp;
  const std::vector<int> allowed = AllowedBitDepths(g_job.OutputFormat);
  if (bpp != 0 && std::find(allowed.begin(), allowed.end(), bpp) == allowed.end()) {
    error = "Invalid jpg-bpp value";
    return false;
  }
  const int32_t quality = g_settings.Output.JpgQuality;
  error = "Invalid jpg-quality value";
  return quality >= 1 && quality <= 100;
}

bool ConsoleRun::CheckTransformAndAdjustment(std::string& error) {
  const TransformSettings& transform = g_settings.Transform;
  if (transform.DoImageRotation)
    DebugSettings("Transform", {"Image Rotation Type", "Image Rotation", "Image Rotation Back Color"});
  if (transform.DoImageResize) {
    Debug("Width: " + std::to_string(transform.ImageWidth) + " " + KeywordText(10, transform.ImageWidthUnit));
    if (transform.ImageWidth == 0) return error = "Invalid width value", false;
    Debug("Height: " + std::to_string(transform.ImageHeight) + " " + KeywordText(10, transform.ImageHeightUnit));
    if (transform.ImageHeight == 0) return error = "Invalid height value", false;
    DebugSettings("Transform", {"Keep Aspect Ratio", "Image Resize Type", "Image Resize Algorithm"});
  }
  DebugSettings("Transform", {"Do Image Flip Horizontal", "Do Image Flip Vertical"});

  const AdjustmentSettings& adjustment = g_settings.Adjustment;
  if (adjustment.DoImageColorCorrection) {
    DebugSettings("Adjustment", {"Image Brightness"});
    if (adjustment.ImageBrightness < -100 || adjustment.ImageBrightness > 100)
      return error = "Invalid brightness value", false;
    DebugSettings("Adjustment", {"Image Contrast"});
    if (adjustment.ImageContrast < -100 || adjustment.ImageContrast > 100)
      return error = "Invalid contrast value", false;
    DebugSettings("Adjustment", {"Image Gamma"});
    if (!(adjustment.ImageGamma >= 0.01f && adjustment.ImageGamma <= 9.99f))
      return error = "Invalid gamma value", false;
    DebugSettings("Adjustment", {"Image Invert"});
  }
  DebugSettings("Adjustment", {"Do Image Greyscale"});
  if (adjustment.DoImageThreshold) DebugSettings("Adjustment", {"Image Threshold"});
  if (adjustment.DoImageDither) DebugSettings("Adjustment", {"Image Dither Algorithm"});
  return true;
}

void ConsoleRun::DebugFrame() {
  DebugSettings("Frame", {"Do Frame"});
  if (g_settings.Frame.DoFrame != 1) return;
  DebugSettings("Frame", {"Solid Left", "Solid Right", "Solid Top", "Solid Bottom", "Solid Left Color",
                          "Solid Right Color", "Solid Top Color", "Solid Bottom Color", "Solid Opacity"});
}

bool ConsoleRun::CheckWatermark(std::string& error) {
  const WatermarkSettings& watermark = g_settings.Watermark;
  DebugSettings("Watermark", {"Do Watermark"});
  if (watermark.DoWatermark == 1) {
    DebugSettings("Watermark", {"Text", "Font", "Font Size", "Font Leading", "Font Color", "Font Style",
                                "Font Effect", "Text Antialiasing", "Text Alignment", "Text Padding",
                                "Text Opacity", "Back Color", "Back Opacity", "Text Boundary",
                                "Text Position"});
    Debug("Watermark offset (x/y): " + std::to_string(watermark.TextXOffset) + "/" +
          std::to_string(watermark.TextYOffset));
    DebugSettings("Watermark", {"Text Rotation", "Text Size"});
    if (!CreateWatermarkFont()) return error = "Invalid watermark font", false;
  } else if (watermark.DoWatermark == 2) {
    DebugSettings("Watermark", {"Image", "Image Greyscale", "Image Opacity", "Image Boundary", "Image Position"});
    Debug("Watermark offset (x/y): " + std::to_string(watermark.ImageXOffset) + "/" +
          std::to_string(watermark.ImageYOffset));
    DebugSettings("Watermark", {"Image Rotation", "Image Size"});
    if (!WatermarkImageAccepted(watermark.Image)) return error = "Invalid watermark image", false;
  }
  return true;
}

void ConsoleRun::DebugAdvanced() {
  DebugSettings("Advanced", {"Filename Mask", "File Timestamp"});
  if (g_settings.Advanced.FileTimestamp == 2) DebugSettings("Advanced", {"Custom Timestamp"});
  DebugSettings("Advanced", {"Keep Subfolders"});
}

// Intermediate decoder files go to a private folder of the run, never to
// the user's working folder.
class RunWorkFolder {
 public:
  RunWorkFolder() : folder_(MakeTemporaryFolder("velmora-")) { g_settings.App.WorkFolder = folder_; }
  ~RunWorkFolder() {
    if (!folder_.empty()) RemoveFolderTree(folder_);
    g_settings.App.WorkFolder.clear();
  }
  bool Created() const { return !folder_.empty(); }

 private:
  std::string folder_;
};

int ConsoleRun::Convert() {
  PrepareSaveParameters();
  Status(GetText("General", "Importing"));
  const int admitted = AddInputFile(g_job.CurrentInput) ? 1 : 0;
  Status(FormatText(GetText("Msg", "Import complete"), std::to_string(admitted)));
  if (admitted == 0) {
    ConsoleWriteLine(GetText("Msg", "Conversion is not complete"));
    ConsoleWriteLine(GetText("Msg", "Empty input files"));
    return kExitNothingConverted;
  }
  Status(GetText("General", "Converting"));
  int32_t converted = 0;
  {
    RunWorkFolder workFolder;
    if (workFolder.Created()) {
      WorkerRun run;
      run.Start();
      run.Wait();
      std::lock_guard lock(ProgressLock);
      converted = g_progress.ConvertedCount;
    }
  }
  if (converted == 0) {
    ConsoleWriteLine(GetText("Msg", "Conversion is not complete"));
    return kExitNothingConverted;
  }
  Status(GetText("Msg", "Conversion complete"));
  Status(FormatText(GetText("Msg", "Files converted"), std::to_string(converted), std::to_string(admitted)));
  return kExitConverted;
}

// The watermark font lives for the run and goes with it on every path.
struct WatermarkFontRelease {
  ~WatermarkFontRelease() { ReleaseWatermarkFont(); }
};

int ConsoleRun::Run() {
  WatermarkFontRelease releaseFont;
  Status(GetText("General", "Preparing"));
  std::string error;
  if (!CheckInput(error) || !CheckOutputFolder(error) || !CheckFormats(error) || !CheckOutputOptions(error) ||
      !CheckTransformAndAdjustment(error))
    return Fail(error);
  DebugFrame();
  if (!CheckWatermark(error)) return Fail(error);
  DebugAdvanced();
  return Convert();
}

}  // namespace

int RunConsole(bool quiet) { return ConsoleRun(quiet).Run(); }
