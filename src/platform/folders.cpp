#include "platform/folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/files.h"

#ifndef VELMORA_INSTALL_DATADIR
#define VELMORA_INSTALL_DATADIR "/usr/local/share/velmora"
#endif

namespace {
std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}
}  // namespace

std::string ProgramFileName() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? "" : exe.string();
}

std::string ProgramFolder() {
  const std::string exe = ProgramFileName();
  return exe.empty() ? CurrentFolder() : FolderPart(exe);
}

std::string UserConfigFolder() {
  const std::string config = Environment("XDG_CONFIG_HOME");
  if (!config.empty()) return config;
  const std::string home = Environment("HOME");
  return home.empty() ? "" : WithTrailingSlash(home) + ".config";
}

std::string RuntimeFolder() {
  // A runtime folder that is set but gone (a stale login session) must not
  // make the lock look taken.
  const std::string runtime = Environment("XDG_RUNTIME_DIR");
  return runtime.empty() || !IsFolder(runtime) ? "/tmp" : runtime;
}

std::string ProgramDataFolder() {
  const std::string beside = ProgramFolder();
  if (IsFolder(beside + "gfx")) return beside;
  // The installed layout: <prefix>/bin/velmora and <prefix>/share/velmora/.
  const std::string installed = FolderPart(beside.substr(0, beside.size() - 1)) + "share/velmora/";
  if (IsFolder(installed)) return installed;
  return WithTrailingSlash(VELMORA_INSTALL_DATADIR);
}
