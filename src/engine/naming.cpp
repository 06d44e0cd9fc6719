#include "engine/naming.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "app/job_state.h"
#include "app/settings.h"
#include "app/text_util.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace {

std::string TitleCase(const std::string& text) {
  if (text.empty()) return text;
  std::string result = AsciiLower(text);
  result[0] = AsciiUpper(result.substr(0, 1))[0];
  return result;
}

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

// Left-padded with "0" to five characters; a longer number keeps its first five.
std::string FiveCharacters(int32_t value) {
  std::string text = std::to_string(value);
  if (text.size() < 5) text.insert(0, 5 - text.size(), '0');
  return text.substr(0, 5);
}

std::string InputName() { return NameWithoutExtension(g_job.CurrentInput); }

struct Variable {
  const char* name;
  std::string (*value)();
};

// In expansion order.
const Variable kVariables[] = {
    {"%filename%", [] { return InputName(); }},
    {"%filename[u]%", [] { return AsciiUpper(InputName()); }},
    {"%filename[l]%", [] { return AsciiLower(InputName()); }},
    {"%filename[t]%", [] { return TitleCase(InputName()); }},
    {"%ext%", [] { return g_job.OutputFormat; }},
    {"%ext[u]%", [] { return AsciiUpper(g_job.OutputFormat); }},
    {"%ext[t]%", [] { return TitleCase(g_job.OutputFormat); }},
    {"%yyyy%", [] { return std::to_string(LocalCalendarNow().tm_year + 1900); }},
    {"%mm%", [] { return TwoDigits(LocalCalendarNow().tm_mon + 1); }},
    {"%dd%", [] { return TwoDigits(LocalCalendarNow().tm_mday); }},
    {"%hh%", [] { return TwoDigits(LocalCalendarNow().tm_hour); }},
    {"%ii%", [] { return TwoDigits(LocalCalendarNow().tm_min); }},
    {"%ss%", [] { return TwoDigits(LocalCalendarNow().tm_sec); }},
    {"%bpp%", [] { return std::to_string(g_job.OutputBitDepth); }},
    {"%width%", [] { return std::to_string(g_job.ResultWidth); }},
    {"%height%", [] { return std::to_string(g_job.ResultHeight); }},
    {"%rnd%", [] { return FiveCharacters(g_job.RandomNumber); }},
    {"%n%", [] { return FiveCharacters(g_job.Counter); }},
};

const Variable* FindVariable(std::string_view name) {
  for (const Variable& variable : kVariables)
    if (name == variable.name) return &variable;
  return nullptr;
}

}  // namespace

std::string ExpandVariable(const std::string& text, const std::string& variable) {
  const Variable* known = FindVariable(variable);
  if (!known) return text;
  return ReplaceAllIgnoreCase(text, known->name, known->value());
}

std::string BuildFileName() {
  std::string name = AsciiLower(g_settings.Advanced.FilenameMask);
  if (name.empty()) name = "%filename%.%ext%";
  for (const Variable& variable : kVariables)
    if (name.find(variable.name) != std::string::npos) name = ExpandVariable(name, variable.name);
  return name;
}

std::string BuildOutputPath() {
  const std::string subfolder = g_settings.Advanced.KeepSubfolders ? g_job.CurrentSubfolder : "";
  return g_job.OutputFolder + subfolder + BuildFileName();
}

std::string ExpandWatermarkText() {
  std::string text = g_settings.Watermark.Text;
  const std::string lower = AsciiLower(text);
  if (std::count(text.begin(), text.end(), '%') <= 1) return text;
  for (const Variable& variable : kVariables)
    if (lower.find(variable.name) != std::string::npos) text = ExpandVariable(text, variable.name);
  return text;
}
