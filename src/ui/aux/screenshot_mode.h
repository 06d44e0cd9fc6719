#pragma once
// The screenshot run ("-T"): the main window with sample contents, captured
// whole and saved with a thumbnail as velmora1.jpg and velmora1x.jpg.
#include <string>

// The destination: the program's folder for "", always with a trailing "/".
std::string ScreenshotFolder(const std::string& folder);
// Height of the 180-pixel-wide thumbnail of a width x height picture:
// floor(180 / r + 0.5) with r = width / height in single precision.
int ThumbnailHeight(int width, int height);
inline constexpr int kThumbnailWidth = 180;

// Builds, shows and captures the main window and writes both files. Does
// nothing for a destination that is not an existing folder. True when both
// files were written. Expects the images loaded and the toolkit running.
bool RunScreenshotMode(const std::string& folder);
// The whole "-T" run with its own toolkit; returns the exit status.
int RunScreenshotApplication(int argc, char** argv, const std::string& folder);
