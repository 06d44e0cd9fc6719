#pragma once
// The windowed conversion: the checks of the Convert command, then the
// modal progress dialog that runs the worker.

// Checks the main window's fields and the settings, shows a warning at the
// first failure, else runs the progress dialog until it is closed.
void StartConversion();
