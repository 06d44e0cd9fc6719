#include "cli/help.h"

#include "app/product.h"
#include "app/text_util.h"
#include "i18n/format_text.h"
#include "online/vendor.h"
#include "platform/console.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/folders.h"

namespace {

// The program's own file name without its extension.
std::string ProgramName() {
  std::string name = FilePart(ProgramFileName());
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

// One entry of the product's input formats, chosen at random.
std::string ExampleExtension() {
  const auto& inputs = ProductFormats().input;
  return inputs[size_t(RandomInteger(0, int32_t(inputs.size()) - 1))];
}

const char* const kHelpLines[] = {
    " ",
    "Usage: %s1% -i <filename> [options]",
    " ",
    "  %s1% -i example.%s2%",
    "  %s1% -i c:\\tmp\\example.%s2%",
    "  %s1% -i c:\\tmp\\example.%s2% -o d:\\converted",
    "  %s1% -i c:\\tmp\\example.%s2% -o d:\\converted --jpg-quality=95",
    " ",
    "Options:",
    " ",
    "  -h, -?, --help            Display this help and exit",
    "  -i FILE, --input=FILE     Set input file",
    "  -o PATH, --output=PATH    Set output folder",
    "  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)",
    " ",
    "Advanced options:",
    " ",
    "  --width=NUM               Set output image width",
    "  --height=NUM              Set output image height",
    "  --filename-mask=STR       Define output filename format",
    "  --flip-horizontal         Flip output image horizontally",
    "  --flip-vertical           Flip output image vertically",
    "  --brightness=NUM          Set output image brightness, NUM = -100..100",
    "  --contrast=NUM            Set output image contrast, NUM = -100..100",
    "  --gamma=NUM               Set output image gamma, NUM = 0.01..9.99",
    "  --invert                  Invert output image",
    "  --greyscale               Greyscale output image",
    "  --profile=FILE            Set configuration file with required settings",
    "    ...                     Refer documentation for all available options",
    " ",
    "Other options:",
    " ",
    "  -q, --quiet               Don't print status messages to stdout",
    "  -d, --debug               Print debug information to stdout",
    "  -p, --pause               Pause at exit",
    "  -v, --version             Display version information and exit",
};

}  // namespace

void PrintHelp() {
  const std::string program = ProgramName(), extension = ExampleExtension();
  for (const char* line : kHelpLines) ConsoleWriteLine(FormatText(line, program, extension));
}

void PrintVersion() { ConsoleWriteLine(VersionText(kVersionNumber)); }

void PrintBanner() {
  ConsoleWriteLine(ProductTitle());
  ConsoleWriteLine(ReplaceAllIgnoreCase(MakerNotice(), "\xC2\xA9", "(c)"));
  ConsoleWriteLine(ProductPageUrl());
  ConsoleWriteLine(" ");
}
