#pragma once
// The Preferences window: nine pages of settings, modal over the main
// window. It opens on page g_job.PreferencesStartPage; OK and Defaults write
// the settings, save config.ini and rebuild the main window.

void OpenPreferencesWindow();
