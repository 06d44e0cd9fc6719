#pragma once
// The text watermark drawn as an RGBA layer: lines split at "%eol%",
// measured with the watermark font, aligned, padded, on a background.
#include <string>
#include <vector>

#include "engine/watermark_font.h"
#include "platform/drawing.h"

// The lines between "%eol%" markers, matched in any letter case.
std::vector<std::string> SplitWatermarkLines(const std::string& text);
// The text block of the expanded text; nullptr when nothing can be drawn.
Surface DrawTextBlock(const std::string& text, const WatermarkFont& font);
