#pragma once
// The console of a command-line run: the process's standard output, written
// a whole line at a time so the worker's lines never interleave with others.
#include <string>

void ConsoleClose();
// Sets the terminal's title when standard output is a terminal.
void ConsoleSetTitle(const std::string& title);
void ConsoleWriteLine(const std::string& line);
// One line on standard error, for messages that are not part of a run.
void ConsoleWriteError(const std::string& line);
// Waits for one key (one byte of standard input; raw mode on a terminal).
// End of input counts as a key, so a closed input never hangs.
void ConsoleReadKey();
