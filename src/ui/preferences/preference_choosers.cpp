#include "ui/preferences/preference_choosers.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>

#include <cmath>

#include "ui/main/choosers.h"

namespace {

PreferencesChooserSeam g_seam;

// Qt's font dialog always offers underline and strike-out; the watermark
// takes its effect from its own combo, so that group is hidden.
void HideEffectsGroup(QFontDialog& dialog) {
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
    if (auto* group = qobject_cast<QGroupBox*>(box->parentWidget())) group->hide();
}

}  // namespace

void SetPreferencesChooserSeam(PreferencesChooserSeam seam) { g_seam = std::move(seam); }

std::optional<ColorValue> AskForColor(QWidget* parent, ColorValue initial) {
  if (g_seam.color) return g_seam.color(initial);
  const QColor chosen = QColorDialog::getColor(QColor(RedOf(initial), GreenOf(initial), BlueOf(initial)), parent);
  if (!chosen.isValid()) return std::nullopt;
  return ColorValue(chosen.red()) | ColorValue(chosen.green()) << 8 | ColorValue(chosen.blue()) << 16;
}

std::optional<ChosenFont> AskForFont(QWidget* parent, const std::string& face, int points) {
  if (g_seam.font) return g_seam.font(face, points);
  QFont initial(QString::fromStdString(face));
  if (points > 0) initial.setPointSize(points);
  QFontDialog dialog(initial, parent);
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  HideEffectsGroup(dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QFont font = dialog.selectedFont();
  return ChosenFont{font.family().toStdString(), int(std::lround(font.pointSizeF())), font.weight() == QFont::Bold,
                    font.italic()};
}

QString AskForImageFile(QWidget* parent, const QString& title, const QString& start, const std::string& filter) {
  if (g_seam.imageFile) return g_seam.imageFile(title, start, filter);
  return QFileDialog::getOpenFileName(parent, title, start, QtFileFilter(filter));
}
