#include "ui/preferences/preferences_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTreeWidget>

#include "app/job_state.h"
#include "app/settings.h"
#include "config/config_file.h"
#include "i18n/text_table.h"
#include "platform/fonts.h"
#include "ui/aux/owned_window.h"
#include "ui/main/main_window.h"
#include "ui/message_box.h"
#include "ui/preferences/color_controls.h"
#include "ui/format_combo.h"
#include "ui/preferences/bit_depth_combo.h"
#include "ui/preferences/preference_rules.h"
#include "ui/preferences/preferences_dialog.h"
#include "ui/preferences/theme_combo.h"
#include "ui/preferences/watermark_choosers.h"
#include "ui/ui_text.h"

namespace {

constexpr QSize kWindowSize(600, 350);
constexpr QRect kPageListPlace(10, 10, 120, 295);
constexpr QRect kTitleBandPlace(140, 10, 450, 30);
constexpr QRect kPageTitlePlace(150, 17, 330, 20);
constexpr QRect kPagePlace(140, 50, 450, 255);
constexpr QRect kPanelPlace(0, 40, 450, 215);
constexpr int kInnerWidth = 420;
constexpr int kScrollStep = 10;

QPointer<PreferencesWindow> g_window;

QPushButton* NewButton(QWidget* parent, const char* key, int x) {
  auto* button = new QPushButton(UiText("Dialog", key), parent);
  button->setGeometry(x, 315, 80, 25);
  return button;
}

void PaintWhite(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, Qt::white);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

// A page or panel: plain, or a borderless scrollable area around an inner
// widget. Rows go into the returned inner widget.
QWidget* NewContainer(QWidget* parent, const QRect& place, int innerHeight, QWidget** outer) {
  if (!innerHeight) {
    auto* plain = new QWidget(parent);
    plain->setGeometry(place);
    *outer = plain;
    return plain;
  }
  auto* area = new QScrollArea(parent);
  area->setGeometry(place);
  area->setFrameShape(QFrame::NoFrame);
  area->verticalScrollBar()->setSingleStep(kScrollStep);
  area->horizontalScrollBar()->setSingleStep(kScrollStep);
  auto* inner = new QWidget;
  inner->setFixedSize(kInnerWidth, innerHeight);
  area->setWidget(inner);
  *outer = area;
  return inner;
}

// "MS Shell Dlg" names the system's dialog face; where fontconfig does not
// know it, the dialog's own face takes its place.
QFont PageTitleFont(const QFont& dialogFont) {
  QFont font = dialogFont;
  if (FontFaceAvailable("MS Shell Dlg")) font.setFamily("MS Shell Dlg");
  font.setPointSize(10);
  font.setBold(true);
  return font;
}

void ShowFormatPanel(const BuiltRow& formatRow) {
  PreferencesWindow* window = ThePreferencesWindow();
  if (!window) return;
  const std::string key = SelectedFormatKey(formatRow.combo, RowFormatList(*formatRow.def));
  for (const BuiltPanel& panel : window->Panels)
    if (panel.page == formatRow.page) panel.widget->setVisible(key == panel.name);
}

void ConnectRowHandlers(const BuiltRow& row) {
  switch (row.def->kind) {
    case RowKind::FormatCombo:
      QObject::connect(row.combo, &QComboBox::currentIndexChanged, row.combo, [row] { ShowFormatPanel(row); });
      break;
    case RowKind::ColorButton:
      QObject::connect(row.button, &QAbstractButton::clicked, row.button,
                       [row] { ChooseColor(row.button, row.field); });
      break;
    case RowKind::ColorCombo:
      QObject::connect(row.button, &QAbstractButton::clicked, row.button,
                       [row] { AddCustomColor(row.combo, RowListSetting(*row.def)); });
      break;
    case RowKind::FontCombo:
      QObject::connect(row.button, &QAbstractButton::clicked, row.button, [row] {
        const BuiltRow* size = FindPreferencesRow(row.def->section, "Font Size");
        const BuiltRow* style = FindPreferencesRow(row.def->section, "Font Style");
        if (size && style) ChooseFont(row.combo, size->field, style->combo);
      });
      break;
    case RowKind::FileField:
      QObject::connect(row.button, &QAbstractButton::clicked, row.button, [row] { ChooseWatermarkImage(row.field); });
      break;
    default:
      break;
  }
}

void BuildRows(PreferencesWindow* window, std::span<const RowDef> rows, int page, const char* panel, QWidget* parent) {
  for (size_t r = 0; r < rows.size(); ++r) {
    BuiltRow built = BuildRow(rows[r], int(r), parent);
    built.page = page;
    built.panel = panel;
    window->Rows.push_back(built);
  }
}

void BuildPage(PreferencesWindow* window, int index, const PageDef& page) {
  QWidget* outer = nullptr;
  QWidget* inner = NewContainer(window, kPagePlace, page.innerHeight, &outer);
  outer->hide();
  window->Pages[index] = outer;
  BuildRows(window, page.rows, index, nullptr, inner);
  for (const PanelDef& panel : page.panels) {
    QWidget* panelOuter = nullptr;
    QWidget* panelInner = NewContainer(inner, kPanelPlace, panel.innerHeight, &panelOuter);
    panelOuter->hide();
    window->Panels.push_back({index, panel.name, panelOuter});
    BuildRows(window, panel.rows, index, panel.name, panelInner);
  }
}

// What the main window must renew once the settings hold theme and size.
void NoteRebuildKind(const std::string& otherTheme, int otherSize) {
  if (otherSize != g_settings.Interface.UiSize) g_job.RebuildKind = 2;
  if (otherTheme != g_settings.Interface.UiTheme) g_job.RebuildKind = 1;
}

// The theme and size the Interface page will store.
void NoteRebuildKindOfControls() {
  const BuiltRow* theme = FindPreferencesRow("Interface", "UI Theme");
  const BuiltRow* size = FindPreferencesRow("Interface", "UI Size");
  if (!theme || !size) return;
  const std::string id = ThemeIdAt(theme->combo->currentIndex());
  const std::string chosenTheme = id.empty() ? g_settings.Interface.UiTheme : id;
  const int chosenSize = size->combo->currentIndex() >= 0 ? size->combo->currentIndex() : g_settings.Interface.UiSize;
  NoteRebuildKind(chosenTheme, chosenSize);
}

// Colour correction runs exactly when one of its values is off neutral.
void DeriveColorCorrection() {
  AdjustmentSettings& adjustment = g_settings.Adjustment;
  const bool neutral = adjustment.ImageBrightness == 0 && adjustment.ImageContrast == 0 &&
                       adjustment.ImageGamma == 1.0f && adjustment.ImageInvert == 0;
  adjustment.DoImageColorCorrection = neutral ? 0 : 1;
}

}  // namespace

PreferencesWindow::PreferencesWindow() {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowTitle(UiText("Preferences", "Title"));
  setFixedSize(kWindowSize);

  PageList = new QTreeWidget(this);
  PageList->setGeometry(kPageListPlace);
  PageList->setHeaderHidden(true);
  PageList->setRootIsDecorated(false);
  PageList->setItemsExpandable(false);
  PageList->setIndentation(0);

  auto* band = new QFrame(this);
  band->setGeometry(kTitleBandPlace);
  band->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  band->setLineWidth(1);
  PaintWhite(band);
  PageTitle = new QLabel(this);
  PageTitle->setGeometry(kPageTitlePlace);
  PaintWhite(PageTitle);

  const std::span<const PageDef> pages = PreferencesPages();
  for (size_t index = 0; index < pages.size(); ++index) BuildPage(this, int(index), pages[index]);

  DefaultsButton = NewButton(this, "Defaults", 10);
  OkButton = NewButton(this, "OK", 420);
  CancelButton = NewButton(this, "Cancel", 510);
}

void PreferencesWindow::closeEvent(QCloseEvent* event) {
  // The close box acts as Cancel.
  if (ThePreferencesWindow() == this) ClosePreferencesWindow();
  event->accept();
}

PreferencesWindow* ThePreferencesWindow() { return g_window.data(); }

const BuiltRow* FindPreferencesRow(std::string_view section, std::string_view key) {
  if (!g_window) return nullptr;
  for (const BuiltRow& row : g_window->Rows)
    if (row.def->section && section == row.def->section && key == row.def->key) return &row;
  return nullptr;
}

QWidget* FindPreferencesPanel(int page, std::string_view name) {
  if (!g_window) return nullptr;
  for (const BuiltPanel& panel : g_window->Panels)
    if (panel.page == page && name == panel.name) return panel.widget;
  return nullptr;
}

void ShowPreferencesPage(int index) {
  PreferencesWindow* window = ThePreferencesWindow();
  if (!window || index < 0 || index >= kPreferencesPageCount) return;
  window->PageTitle->setText(UiText("Preferences", PreferencesPages()[size_t(index)].key));
  for (int page = 0; page < kPreferencesPageCount; ++page) window->Pages[page]->setVisible(page == index);
}

void LoadPreferencesControls() {
  PreferencesWindow* window = ThePreferencesWindow();
  if (!window) return;
  window->PageList->clear();
  for (const PageDef& page : PreferencesPages())
    window->PageList->addTopLevelItem(new QTreeWidgetItem({UiText("Preferences", page.key)}));
  const int start = g_job.PreferencesStartPage < kPreferencesPageCount ? int(g_job.PreferencesStartPage) : 0;
  window->PageList->setCurrentItem(window->PageList->topLevelItem(start));
  window->PageTitle->setFont(PageTitleFont(window->font()));
  for (const BuiltRow& row : window->Rows) {
    LoadRow(row);
    if (row.def->kind == RowKind::FormatCombo) ShowFormatPanel(row);
    ApplyRulesAfterLoading(row);
  }
  ShowPreferencesPage(start);
  g_job.PreferencesStartPage = 0;
}

void ApplyPreferences() {
  PreferencesWindow* window = ThePreferencesWindow();
  if (!window) return;
  NoteRebuildKindOfControls();
  for (const BuiltRow& row : window->Rows) StoreRow(row);
  DeriveColorCorrection();
  SaveConfig();
  // While the window still exists: the main window takes the output format.
  RebuildMainWindow();
  ClosePreferencesWindow();
}

void RestoreDefaultPreferences() {
  if (!ShowMessage(MessageKind::Question, GetText("Msg", "Reset to Defaults"), GetText("Msg", "Ask reset to defaults")))
    return;
  // The main window shows the theme and size in force until now.
  const std::string shownTheme = g_settings.Interface.UiTheme;
  const int shownSize = g_settings.Interface.UiSize;
  ApplyDefaults(DefaultsVariant::Windowed);
  NoteRebuildKind(shownTheme, shownSize);
  SaveConfig();
  RebuildMainWindow();
  ClosePreferencesWindow();
}

void ClosePreferencesWindow() {
  PreferencesWindow* window = ThePreferencesWindow();
  if (!window) return;
  g_window = nullptr;
  window->hide();
  // Later: this may run inside a handler of one of the window's buttons.
  window->deleteLater();
  ReturnToMainWindow();
}

void OpenPreferencesWindow() {
  if (PreferencesWindow* open = ThePreferencesWindow()) {
    open->activateWindow();
    return;
  }
  // Not a child widget: disabling the main window must leave this one alone.
  auto* window = new PreferencesWindow;
  g_window = window;
  for (const BuiltRow& row : window->Rows) ConnectRowHandlers(row);
  ConnectPreferenceRules();
  QObject::connect(window->PageList, &QTreeWidget::currentItemChanged, window, [window](QTreeWidgetItem* item) {
    if (item) ShowPreferencesPage(window->PageList->indexOfTopLevelItem(item));
  });
  QObject::connect(window->DefaultsButton, &QPushButton::clicked, window, [] { RestoreDefaultPreferences(); });
  QObject::connect(window->OkButton, &QPushButton::clicked, window, [] { ApplyPreferences(); });
  QObject::connect(window->CancelButton, &QPushButton::clicked, window, [] { ClosePreferencesWindow(); });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  QObject::connect(escape, &QShortcut::activated, window, [window] { window->CancelButton->click(); });

  LoadPreferencesControls();

  ShowOverMainWindow(*window);
  window->PageList->setFocus();
}
