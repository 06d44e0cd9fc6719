#pragma once
// The console conversion of one file: checks, debug lines, the run and its
// outcome. Returns the process exit status: 0 converted, 1 after an
// "Error: " line, 2 when nothing was converted.
int RunConsole(bool quiet);
