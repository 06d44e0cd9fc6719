#pragma once
// The system choosers the Preferences window opens: colour, font and the
// watermark image file. Tests answer them through the seam instead.
#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "engine/color.h"

class QWidget;

struct ChosenFont {
  std::string face;
  int points = 0;
  bool bold = false;  // the standard bold weight exactly
  bool italic = false;
};

// Each returns the choice, or nothing when the user cancelled.
std::optional<ColorValue> AskForColor(QWidget* parent, ColorValue initial);
std::optional<ChosenFont> AskForFont(QWidget* parent, const std::string& face, int points);
// The filter is the "|"-separated text; the result is a full path or "".
QString AskForImageFile(QWidget* parent, const QString& title, const QString& start, const std::string& filter);

// Functions given here answer instead of the dialogs; empty ones restore
// the dialogs.
struct PreferencesChooserSeam {
  std::function<std::optional<ColorValue>(ColorValue initial)> color;
  std::function<std::optional<ChosenFont>(const std::string& face, int points)> font;
  std::function<QString(const QString& title, const QString& start, const std::string& filter)> imageFile;
};
void SetPreferencesChooserSeam(PreferencesChooserSeam seam);
