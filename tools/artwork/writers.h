#pragma once
// The generator's output files. Each is written whole or not at all.
#include <string>
#include <vector>

#include "picture_sets.h"

// C++ source defining the program's table of embedded pictures.
bool WriteEmbeddedSource(const std::string& path, const std::vector<BuiltInPicture>& pictures);
// A ZIP archive of the files, the same bytes on every run.
bool WriteZip(const std::string& path, const std::vector<PackageFile>& files);
// One PNG showing every picture, for a person to look the artwork over.
bool WriteContactSheet(const std::string& path, const std::vector<BuiltInPicture>& builtIn,
                       const std::vector<PackageFile>& package);
