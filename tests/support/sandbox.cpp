#include "support/sandbox.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/files.h"

std::vector<std::string> ProgramRun::OutLines() const {
  std::vector<std::string> lines;
  std::istringstream stream(out);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

Sandbox::Sandbox() : root_(MakeTemporaryFolder("velmora-test-")) {
  for (const char* folder : {"home", "config", "runtime", "work", "bin"}) CreateFolder(root_ + folder);
}

Sandbox::~Sandbox() { RemoveFolderTree(root_); }

void Sandbox::InstallFakeDecoder() { symlink(FAKE_CONVERT_BINARY, Path("bin/convert.exe").c_str()); }

ProgramRun Sandbox::Run(const std::vector<std::string>& arguments, const std::string& input) const {
  return RunProgram(VELMORA_BINARY, arguments, input);
}

ProgramRun Sandbox::RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                               const std::string& input) const {
  std::map<std::string, std::string> env = {
      {"HOME", Path("home")},
      {"XDG_CONFIG_HOME", Path("config")},
      {"XDG_RUNTIME_DIR", Path("runtime")},
      {"PATH", Path("bin") + (systemPath_ ? ":/usr/local/bin:/usr/bin:/bin" : "")},
      {"LANG", "C.UTF-8"},
  };
  // The sanitizer build's settings reach the programs the tests start.
  for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"})
    if (const char* value = std::getenv(name)) env[name] = value;
  for (const auto& [name, value] : env_) env[name] = value;
  std::vector<std::string> envStrings;
  for (const auto& [name, value] : env) envStrings.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (std::string& entry : envStrings) envp.push_back(entry.data());
  envp.push_back(nullptr);

  std::vector<std::string> argStrings = {program};
  argStrings.insert(argStrings.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& argument : argStrings) argv.push_back(argument.data());
  argv.push_back(nullptr);

  const std::string inPath = Path("stdin"), outPath = Path("stdout"), errPath = Path("stderr");
  WriteFile(inPath, input);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addchdir_np(&actions, Work().c_str());
  pid_t pid = 0;
  ProgramRun run;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = ReadFile(outPath);
  run.err = ReadFile(errPath);
  return run;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::vector<std::vector<std::string>> ReadDecoderLog(const std::string& path) {
  std::vector<std::vector<std::string>> calls;
  std::istringstream stream(ReadFile(path));
  for (std::string line; std::getline(stream, line);) {
    std::vector<std::string> arguments;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
      arguments.push_back(line.substr(start, tab - start));
    arguments.push_back(line.substr(start));
    calls.push_back(arguments);
  }
  return calls;
}
