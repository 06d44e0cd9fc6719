#include "platform/process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/files.h"

extern char** environ;

int RunProgramAndWait(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int fd = 0; fd <= 2; ++fd)
    posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);

  pid_t pid = 0;
  const int started = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (started != 0) return -1;

  int status = 0;
  while (waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return -1;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

bool ProgramOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  if (!path) return false;
  std::string folders = path;
  size_t start = 0;
  while (start <= folders.size()) {
    size_t colon = folders.find(':', start);
    if (colon == std::string::npos) colon = folders.size();
    std::string candidate = folders.substr(start, colon - start);
    if (candidate.empty()) candidate.push_back('.');
    candidate.append("/").append(program);
    if (IsRegularFile(candidate) && access(candidate.c_str(), X_OK) == 0) return true;
    start = colon + 1;
  }
  return false;
}
