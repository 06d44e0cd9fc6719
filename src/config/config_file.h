#pragma once
// The windowed mode's settings file: config.ini at g_settings.App.ConfigPath.
// The console mode never calls these.

// Fills g_settings from the file, or with the windowed defaults when it
// cannot be opened, then brings values of older file versions up to date.
// Silent on every path.
void LoadConfig();

// Rewrites the file whole from g_settings. The old file is replaced only
// once the new one is complete; an unwritable file or folder is silent.
void SaveConfig();
