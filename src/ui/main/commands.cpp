#include "ui/main/commands.h"

namespace {

const CommandDef kCommands[] = {
    {kCommandNew, "New", "Ctrl+N", "New"},
    {kCommandExit, "Exit", "Alt+X", "Exit"},
    {kCommandSelectInputFile, "Select Input File", nullptr, "Add"},
    {kCommandSelectOutputFolder, "Select Output Folder", nullptr, "OutFolder"},
    {kCommandOutputFormatOptions, "Output Format Options", nullptr, "OutFormat"},
    {kCommandConvert, "Convert", "F5", "Convert"},
    {kCommandCustomConverter, "Custom Converter", nullptr, "CustomConverter"},
    {kCommandPreferences, "Preferences", nullptr, "Preferences"},
    {kCommandManual, "Manual", "F1", "Help"},
    {kCommandSendFeedback, "Send Feedback", nullptr, "Email"},
    {kCommandVisitHomepage, "Visit Homepage", nullptr, "Web"},
    {kCommandCheckForNewVersion, "Check For New Version", nullptr, "Updates"},
    {kCommandAbout, "About", nullptr, "About"},
};

const int kFileMenu[] = {kCommandNew, kSeparator, kCommandSelectInputFile, kCommandSelectOutputFolder, kSeparator,
                         kCommandExit};
const int kConverterMenu[] = {kCommandConvert, kSeparator, kCommandCustomConverter, kSeparator, kCommandPreferences};
const int kHelpMenu[] = {kCommandManual,        kSeparator,         kCommandSendFeedback, kCommandVisitHomepage,
                         kCommandCheckForNewVersion, kSeparator, kCommandAbout};
const MenuDef kMenus[] = {{"File", kFileMenu}, {"Converter", kConverterMenu}, {"Help", kHelpMenu}};

const int kToolbar[] = {kCommandNew,    kCommandSelectInputFile, kCommandSelectOutputFolder, kSeparator,
                        kCommandPreferences, kSeparator,         kCommandConvert,            kSeparator,
                        kCommandManual, kCommandSendFeedback,    kCommandVisitHomepage,      kCommandCheckForNewVersion};

}  // namespace

const CommandDef* FindCommand(int id) {
  for (const CommandDef& command : kCommands)
    if (command.id == id) return &command;
  return nullptr;
}

std::span<const CommandDef> Commands() { return kCommands; }
std::span<const MenuDef> MenuLayout() { return kMenus; }
std::span<const int> ToolbarLayout() { return kToolbar; }
