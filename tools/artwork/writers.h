#pragma once
// The generator's output files. Each is written whole or not at all.
#include <string>
#include <vector>

#include "picture_sets.h"

// C++ source defining the program's table of embedded pictures.
bool WriteEmbeddedSource(const std::string& path, const std::vector<BuiltInPicture>& pictures);
// A ZIP archive of the files, the same bytes on every run.
bool WriteZip(const std::string& path, const std::vector<PackageFile>& files);
// The icons in the layout of an icon theme: folder/<n>x<n>/apps/<name>.png.
bool WriteIconTheme(const std::string& folder, const std::string& name, const std::vector<ProgramIcon>& icons);
// One PNG showing every picture, for a person to look the artwork over.
bool WriteContactSheet(const std::string& path, const std::vector<BuiltInPicture>& builtIn,
                       const std::vector<PackageFile>& package, const std::vector<ProgramIcon>& programIcons);
