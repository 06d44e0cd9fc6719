#pragma once
// The windowed run ends once QuitFlag is set: by closing the main window or
// by the Exit command.
extern bool QuitFlag;
void RequestQuit();
