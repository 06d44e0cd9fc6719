#pragma once
// Theme packages: ZIP files in the theme folder that replace pictures of the
// image sets. Nothing here shows a message; whatever a package lacks or gets
// wrong leaves the affected pictures as they were.
#include <map>
#include <string>

// Package id (file name without ".zip") -> display name; filled by
// DiscoverThemes and not refreshed while the program runs.
extern std::map<std::string, std::string> ThemeList;

// The folder of the packages, with a trailing "/": ProgramDataFolder() +
// "gfx/", or the folder given to SetThemeFolder.
std::string ThemeFolder();
// Points the package folder elsewhere (tests); "" returns to the default.
void SetThemeFolder(const std::string& folder);
std::string ThemePackagePath(const std::string& id);

// Pixels of the main toolbar's icons for an [Interface] UI Size value.
int ToolbarIconSize(int uiSize);
// The entry holding the picture a theme.cfg value names, at an icon size.
std::string ThemePictureEntryName(const std::string& value, int size);

// Fills ThemeList from the packages in ThemeFolder().
void DiscoverThemes();
// The display name in a package's theme.cfg; the id itself when the package
// is missing, empty or not a ZIP archive.
std::string ReadThemeName(const std::string& id);
// Loads the chosen sets from the package [Interface] UI Theme names; when
// that package is gone, switches the setting to the package discovery found
// last. False when no package could be opened.
bool LoadThemeImages(bool buttons, bool menuIcons, bool toolbarIcons);
// What a start that shows the main window needs: the built-in pictures, the
// packages discovered, and every set of the chosen package over them.
void LoadWindowPictures();
