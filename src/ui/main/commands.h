#pragma once
// The main window's commands: one number per command, raised the same way by
// menu items, toolbar buttons, field buttons and keyboard shortcuts. The
// table describes each command once; menus, toolbar and shortcuts are built
// from it.
#include <span>

enum Command : int {
  kCommandNew = 0,
  kCommandExit = 3,
  kCommandSelectInputFile = 5,
  kCommandSelectOutputFolder = 7,
  kCommandOutputFormatOptions = 8,
  kCommandConvert = 14,
  kCommandCustomConverter = 16,
  kCommandPreferences = 17,
  kCommandManual = 18,
  kCommandSendFeedback = 21,
  kCommandVisitHomepage = 22,
  kCommandCheckForNewVersion = 23,
  kCommandAbout = 24,
};

// Marks a separator in the menu and toolbar layouts.
inline constexpr int kSeparator = -1;

struct CommandDef {
  int id;
  const char* textKey;   // key of the menu text in group "Menu"
  const char* shortcut;  // shown after a tab in the menu and bound as a key, or nullptr
  const char* iconKey;   // picture of the menu and toolbar image sets
};

struct MenuDef {
  const char* titleKey;
  std::span<const int> items;
};

const CommandDef* FindCommand(int id);
std::span<const CommandDef> Commands();
std::span<const MenuDef> MenuLayout();
std::span<const int> ToolbarLayout();
