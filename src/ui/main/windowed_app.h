#pragma once
// The windowed application: settings, texts, themes, the main window and
// its event loop, then the shutdown that stores the settings.
int RunWindowedApplication(int argc, char** argv);

// Start-up after the toolkit exists, without the event loop (tests).
void StartWindowedSession();
// What the end of the event loop does: window geometry into the settings,
// the history rule, SaveConfig.
void EndWindowedSession();
