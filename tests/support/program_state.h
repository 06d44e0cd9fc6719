#pragma once
// Puts the program-wide records into the state of a fresh console start.
#include <cstdlib>
#include <string>

void ResetProgramState();

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  bool hadValue_;
  std::string oldValue_;
};
