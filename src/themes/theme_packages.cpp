#include "themes/theme_packages.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <string_view>
#include <system_error>
#include <vector>

#include "app/settings.h"
#include "app/text_util.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "themes/builtin_images.h"
#include "themes/image_sets.h"
#include "themes/png_decoder.h"
#include "themes/theme_config.h"
#include "themes/zip_reader.h"

std::map<std::string, std::string> ThemeList;

namespace {

constexpr const char* kConfigEntry = "theme.cfg";
constexpr std::string_view kPackageExtension = ".zip";
// The display name is looked for only this far into theme.cfg.
constexpr size_t kThemeNameBytes = 255;
// Buttons and menu icons are named at this size whatever the toolbar's.
constexpr int kFixedPictureSize = 16;

std::string themeFolderOverride;

// A slot a package picture goes to.
struct PictureTarget {
  ImageSet* set;
  std::string name;
};

// Notes, by entry name, the slots of one set that the package can fill.
void CollectTargets(ImageSet& set, const std::string& group, int size, const std::string& config,
                    const std::map<std::string, int64_t>& entrySizes,
                    std::map<std::string, std::vector<PictureTarget>>& targets) {
  for (const std::string& name : set.Table().names) {
    const std::string value = ReadConfigValue(config, group, name);
    if (value.empty()) continue;
    const std::string entry = ThemePictureEntryName(value, size);
    const auto noted = entrySizes.find(entry);
    if (noted == entrySizes.end() || noted->second <= 0) continue;
    targets[entry].push_back({&set, name});
  }
}

std::string ReadWholeConfig(const std::string& path, const std::map<std::string, int64_t>& entrySizes) {
  std::string config;
  const auto noted = entrySizes.find(kConfigEntry);
  if (noted == entrySizes.end() || noted->second <= 0) return config;
  ReadZipEntries(path, {kConfigEntry}, [&](const std::string&, std::string_view data) { config = data; });
  return config;
}

}  // namespace

std::string ThemeFolder() {
  return themeFolderOverride.empty() ? ProgramDataFolder() + "gfx/" : themeFolderOverride;
}

void SetThemeFolder(const std::string& folder) {
  themeFolderOverride = folder.empty() ? "" : WithTrailingSlash(folder);
}

std::string ThemePackagePath(const std::string& id) { return ThemeFolder() + id + std::string(kPackageExtension); }

int ToolbarIconSize(int uiSize) {
  switch (uiSize) {
    case 1: return 24;
    case 2: return 32;
    case 3: return 48;
    case 4: return 64;
    default: return 16;
  }
}

std::string ThemePictureEntryName(const std::string& value, int size) {
  if (AsciiLower(value).find(".png") != std::string::npos) return value;
  return value + "_" + std::to_string(size) + ".png";
}

void DiscoverThemes() {
  ThemeList.clear();
  std::vector<std::string> packages;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(ThemeFolder(), error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    // Exactly ".zip": the package path is built back from the id with it.
    if (!name.ends_with(kPackageExtension) || name.size() == kPackageExtension.size()) continue;
    std::error_code typeError;
    if (entry->is_regular_file(typeError)) packages.push_back(name);
  }
  // A folder listing has no order of its own; sorting the names fixes which
  // package is "found last", the fallback of LoadThemeImages.
  std::sort(packages.begin(), packages.end());
  for (const std::string& package : packages) {
    const std::string id = NameWithoutExtension(package);
    ThemeList[id] = ReadThemeName(id);
  }
}

std::string ReadThemeName(const std::string& id) {
  const std::string path = ThemePackagePath(id);
  if (!IsNonEmptyFile(path)) return id;
  std::string start;
  if (!ReadZipEntryStart(path, kConfigEntry, kThemeNameBytes, start)) return id;
  start.resize(std::min(start.find('\0'), start.size()));
  // theme.cfg is 8-bit text: UTF-8 when it is valid as such, else ISO 8859-1.
  const std::string name = ReadConfigValue(start, "Theme", "Name");
  return IsValidUtf8(name) ? name : Latin1ToUtf8(name);
}

bool LoadThemeImages(bool buttons, bool menuIcons, bool toolbarIcons) {
  std::string path = ThemePackagePath(g_settings.Interface.UiTheme);
  if (!PathExists(path) && !ThemeList.empty()) {
    // Names are discovered in ascending order, ThemeList's own order.
    g_settings.Interface.UiTheme = ThemeList.rbegin()->first;
    path = ThemePackagePath(g_settings.Interface.UiTheme);
  }
  if (!IsNonEmptyFile(path)) return false;
  std::map<std::string, int64_t> entrySizes;
  if (!ListZipEntries(path, entrySizes)) return false;
  const std::string config = ReadWholeConfig(path, entrySizes);

  std::map<std::string, std::vector<PictureTarget>> targets;
  if (buttons) CollectTargets(ButtonImages, "Buttons", kFixedPictureSize, config, entrySizes, targets);
  if (menuIcons) CollectTargets(MenuIcons, "Icons", kFixedPictureSize, config, entrySizes, targets);
  if (toolbarIcons)
    CollectTargets(ToolbarIcons, "Icons", ToolbarIconSize(g_settings.Interface.UiSize), config, entrySizes, targets);
  if (targets.empty()) return true;

  std::set<std::string> entries;
  for (const auto& target : targets) entries.insert(target.first);
  ReadZipEntries(path, entries, [&](const std::string& entry, std::string_view data) {
    Picture picture;
    if (!DecodePng(data, picture)) return;
    for (const PictureTarget& target : targets.at(entry)) target.set->Replace(target.name, picture);
  });
  return true;
}

void LoadWindowPictures() {
  LoadBuiltInImages();
  DiscoverThemes();
  LoadThemeImages(true, true, true);
}
