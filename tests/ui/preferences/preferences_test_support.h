#pragma once
// Helpers of the Preferences window tests.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include <filesystem>
#include <initializer_list>
#include <string>

#include "app/job_state.h"
#include "app/setting_table.h"
#include "app/settings.h"
#include "config/ini_file.h"
#include "platform/files.h"
#include "themes/theme_packages.h"
#include "ui/preferences/pair_spin_box.h"
#include "ui/preferences/preference_choosers.h"
#include "ui/preferences/preferences_dialog.h"
#include "ui/preferences/preferences_window.h"
#include "ui/support/ui_session.h"

// Opens the window on a page; nullptr when it did not open.
inline PreferencesWindow* OpenPreferencesOn(int page) {
  g_job.PreferencesStartPage = uint8_t(page);
  OpenPreferencesWindow();
  return ThePreferencesWindow();
}

// Types into a spin box as a user does and ends the editing with Enter.
inline void TypeInto(QAbstractSpinBox* spin, const QString& text) {
  spin->selectAll();
  QTest::keyClicks(spin, text);
  QTest::keyClick(spin, Qt::Key_Return);
}

// A closed window is deleted once its handlers have returned.
inline void FinishClosing() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Closes whatever a test left open and forgets the chooser answers.
inline void ResetPreferencesWindow() {
  ClosePreferencesWindow();
  FinishClosing();
  SetPreferencesChooserSeam({});
}

// A started windowed session that closes the Preferences window before it
// ends. Given theme ids, its theme folder holds copies of the bundled
// package under those ids instead of the bundled folder.
class PreferencesSession : public UiSession {
 public:
  explicit PreferencesSession(std::initializer_list<const char*> themeIds = {}) {
    if (themeIds.size()) {
      const std::string folder = sandbox.Path("gfx/");
      CreateFolderTree(folder);
      for (const char* id : themeIds)
        std::filesystem::copy_file(std::string(VELMORA_BUILD_GFX) + "/handdrawn.zip", folder + id + ".zip");
      SetThemeFolder(folder);
    }
    Start();
  }
  ~PreferencesSession() { ResetPreferencesWindow(); }
};

// The choosers answered by the test.
inline void AnswerColors(std::function<std::optional<ColorValue>(ColorValue initial)> answer) {
  PreferencesChooserSeam seam;
  seam.color = std::move(answer);
  SetPreferencesChooserSeam(seam);
}
inline void AnswerFonts(std::function<std::optional<ChosenFont>(const std::string& face, int points)> answer) {
  PreferencesChooserSeam seam;
  seam.font = std::move(answer);
  SetPreferencesChooserSeam(seam);
}
inline void AnswerImageFiles(std::function<QString(const QString&, const QString&, const std::string&)> answer) {
  PreferencesChooserSeam seam;
  seam.imageFile = std::move(answer);
  SetPreferencesChooserSeam(seam);
}

// Sets a setting from its config.ini text.
inline void SetStored(const char* section, const char* key, const std::string& value) {
  const SettingDef& def = SettingRow(section, key);
  if (IsNumberSetting(def)) SetSettingNumber(def, g_settings, ReadIniInteger(value));
  else if (def.type == SettingType::Real) SettingReal(def, g_settings) = ReadIniReal(value);
  else SettingString(def, g_settings) = value;
}

inline std::string Stored(const char* section, const char* key) {
  return StoredValueText(SettingRow(section, key), g_settings);
}

// What a row's controls show, in one text: combos their item, check boxes
// "ticked" or "clear", number fields the number and unit, pairs the spin
// box text and the track bar position, date fields date and time.
inline QString ShownText(const BuiltRow& row) {
  switch (row.def->kind) {
    case RowKind::CheckBox: return row.check->isChecked() ? "ticked" : "clear";
    case RowKind::NumberField: return row.field->text() + " " + row.combo->currentText();
    case RowKind::SliderPair: return row.spin->text() + " at " + QString::number(row.slider->value());
    case RowKind::DateField: return row.date->dateTime().toString("yyyy/MM/dd HH:mm:ss");
    case RowKind::TextField:
    case RowKind::FileField:
    case RowKind::ColorButton: return row.field->text();
    default: return row.combo->currentText();
  }
}

// The colour in the middle of a button's swatch.
inline QColor SwatchColor(const QAbstractButton* button) {
  const QImage image = button->icon().pixmap(button->iconSize()).toImage();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}
