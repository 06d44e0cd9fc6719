#pragma once
// Starting another program by name, hidden, and waiting for it.
#include <string>
#include <vector>

// Runs `program` (looked up on PATH when it has no "/") with the arguments,
// its standard streams on /dev/null, and waits for it. Never uses a shell.
// Returns its exit status, 128 + signal when a signal ended it, or -1 when it
// could not be started.
int RunProgramAndWait(const std::string& program, const std::vector<std::string>& arguments);
// Whether an executable of that name is found on PATH.
bool ProgramOnPath(const std::string& program);
