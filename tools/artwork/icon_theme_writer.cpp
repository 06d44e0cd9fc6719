#include <cstdio>
#include <filesystem>
#include <fstream>

#include "writers.h"

namespace {

// Written beside its place and renamed, so a broken run leaves no half icon.
bool WriteWhole(const std::filesystem::path& path, const std::string& bytes) {
  const std::filesystem::path temporary = path.string() + ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), std::streamsize(bytes.size())) || !out.flush()) {
      out.close();
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  std::remove(temporary.c_str());
  return false;
}

}  // namespace

bool WriteIconTheme(const std::string& folder, const std::string& name, const std::vector<ProgramIcon>& icons) {
  for (const ProgramIcon& icon : icons) {
    const std::string size = std::to_string(icon.pixels);
    const std::filesystem::path apps = std::filesystem::path(folder) / (size + "x" + size) / "apps";
    std::error_code error;
    std::filesystem::create_directories(apps, error);
    if (error || !WriteWhole(apps / (name + ".png"), icon.png)) return false;
  }
  return true;
}
