#pragma once
// Every picture the program and its default theme package carry.
#include <cairo.h>

#include <string>

#include "sketch.h"

inline constexpr int kConvertButtonSize = 64;
inline constexpr int kBannerWidth = 360;
inline constexpr int kBannerHeight = 40;

// The pictogram of a command at `pixels` square; false for an unknown name.
bool DrawIcon(const std::string& name, cairo_t* cr, const Style& style, int pixels);
// The large Convert button picture, kConvertButtonSize square.
void DrawConvertButton(cairo_t* cr, const Style& style);
// The About window's banner with the product title, in the clean look.
void DrawBanner(cairo_t* cr);
// The program's icon for the desktop, `pixels` square.
void DrawProgramIcon(cairo_t* cr, int pixels);
