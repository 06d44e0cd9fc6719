#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/files.h"

namespace {
struct PrivateFolder {
  std::string path = MakeTemporaryFolder("velmora-fuzz-");
  ~PrivateFolder() { RemoveFolderTree(path); }
};
}  // namespace

std::map<std::string, FuzzEntry>& Registry() {
  static std::map<std::string, FuzzEntry> registry;
  return registry;
}

FuzzRegistration::FuzzRegistration(const char* name, FuzzEntry entry) { Registry()[name] = entry; }

FuzzEntry FindFuzzTarget(const std::string& name) {
  const auto found = Registry().find(name);
  return found == Registry().end() ? nullptr : found->second;
}

std::string FuzzFolder() {
  static PrivateFolder folder;
  return folder.path;
}

std::string WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size) {
  const std::string path = FuzzFolder() + name;
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);
  }
  return path;
}

std::string_view FuzzText(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }
