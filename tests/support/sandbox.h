#pragma once
// A private world for one test: its own HOME, XDG folders, working folder
// and PATH, so tests can run in parallel without meeting each other's lock,
// settings or files.
#include <map>
#include <string>
#include <vector>

struct ProgramRun {
  int status = -1;
  std::string out;
  std::string err;
  std::vector<std::string> OutLines() const;
};

class Sandbox {
 public:
  Sandbox();
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  const std::string& Root() const { return root_; }
  std::string Path(const std::string& relative) const { return root_ + relative; }
  // Working folder of the programs run here (root/work/).
  std::string Work() const { return Path("work/"); }

  // bin/convert.exe: the fake decoder, first on PATH.
  void InstallFakeDecoder();
  // Runs velmora with only bin/ on PATH: no ImageMagick is found.
  void HideSystemPrograms() { systemPath_ = false; }
  void SetEnv(const std::string& name, const std::string& value) { env_[name] = value; }

  ProgramRun Run(const std::vector<std::string>& arguments, const std::string& input = "") const;
  ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                        const std::string& input = "") const;

 private:
  std::string root_;
  bool systemPath_ = true;
  std::map<std::string, std::string> env_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
// Lines of the fake decoder's log, each split at TAB.
std::vector<std::vector<std::string>> ReadDecoderLog(const std::string& path);
