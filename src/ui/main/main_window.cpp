#include "ui/main/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include <memory>

#include "app/formats.h"
#include "app/job_state.h"
#include "app/product.h"
#include "app/settings.h"
#include "batch/input_set.h"
#include "i18n/text_table.h"
#include "platform/files.h"
#include "themes/image_sets.h"
#include "themes/theme_packages.h"
#include "ui/main/command_dispatch.h"
#include "ui/main/commands.h"
#include "ui/main/quit.h"
#include "ui/online/update_check_boxes.h"
#include "ui/format_combo.h"
#include "ui/pictures.h"
#include "ui/ui_text.h"

namespace {

constexpr int kMenuIconSize = 16;
constexpr int kFieldButtonSize = 24;
constexpr int kFieldButtonY[3] = {19, 59, 99};
constexpr int kFieldButtonCommands[3] = {kCommandSelectInputFile, kCommandSelectOutputFolder,
                                         kCommandOutputFormatOptions};

std::unique_ptr<MainWindow> g_window;

QAction* CommandAction(QObject* parent, const CommandDef& command, const QIcon& icon, bool withShortcutText) {
  QString text = UiText("Menu", command.textKey);
  if (withShortcutText && command.shortcut) text += QString("\t") + command.shortcut;
  auto* action = new QAction(icon, text, parent);
  action->setToolTip(UiText("Menu", command.textKey));
  QObject::connect(action, &QAction::triggered, [id = command.id] { RaiseCommand(id); });
  return action;
}

QLabel* PanelLabel(QWidget* panel, const char* key, int y) {
  auto* label = new QLabel(UiText("General", key), panel);
  label->setGeometry(10, y, 350, 20);
  return label;
}

// Windowed steps of an admission: show the file, and when no output folder
// is chosen yet, take the file's own folder.
void ShowAdmittedFile(const std::string& path) {
  MainWindow* window = TheMainWindow();
  if (!window) return;
  window->InputFileField->setText(QString::fromStdString(path));
  if (!window->OutputFolderCombo->currentText().isEmpty()) return;
  UseOutputFolder(g_job.InputPath.empty() ? FolderPart(path) : g_job.InputPath);
}

void PostResize() {
  if (MainWindow* window = TheMainWindow()) QTimer::singleShot(0, window, [] { LayoutMainWindow(); });
}

}  // namespace

MainWindow::MainWindow() {
  setWindowTitle(QString::fromStdString(ProductTitle()));
  setGeometry(g_settings.Window.X, g_settings.Window.Y, g_settings.Window.Width, g_settings.Window.Height);
  // The window can only be made wider.
  setMinimumSize(510, 260);
  setMaximumHeight(260);
  setAcceptDrops(true);
  setCentralWidget(new QWidget(this));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (g_window.get() == this) LayoutMainWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  RequestQuit();
  event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  AddDroppedFiles(*event->mimeData());
}

void AddDroppedFiles(const QMimeData& data) {
  const QList<QUrl> urls = data.urls();
  if (urls.isEmpty() || !urls.front().isLocalFile()) return;
  AddInputFile(urls.front().toLocalFile().toStdString());
}

MainWindow* TheMainWindow() { return g_window.get(); }

void DestroyMainWindow() {
  SetInputAdmittedHandler(nullptr);
  g_window.reset();
}

void CreateMainWindow() {
  g_window = std::make_unique<MainWindow>();
  MainWindow* window = g_window.get();
  BuildMenus();
  BuildToolbar();

  window->StatusField = new QLabel(window);
  window->statusBar()->addWidget(window->StatusField, 1);
  window->statusBar()->setSizeGripEnabled(false);
  window->StatusBarHeight = window->statusBar()->sizeHint().height();

  QWidget* panel = new QWidget(window->centralWidget());
  window->FieldPanel = panel;
  panel->setGeometry(0, 0, g_settings.Window.Width, g_settings.Window.Height - 130);
  PanelLabel(panel, "Input File", 5);
  window->InputFileField = new QLineEdit(panel);
  window->InputFileField->setGeometry(10, 20, 350, 20);
  BuildFieldButtons();
  PanelLabel(panel, "Output Folder", 45);
  window->OutputFolderCombo = new QComboBox(panel);
  window->OutputFolderCombo->setGeometry(10, 60, 350, 21);
  PanelLabel(panel, "Output Format", 85);
  window->OutputFormatCombo = new QComboBox(panel);
  window->OutputFormatCombo->setGeometry(10, 100, 350, 21);
  window->ConvertButton = new QToolButton(panel);
  window->ConvertButton->setGeometry(400, 20, 100, 100);
  window->ConvertButton->setIconSize(QSize(64, 64));
  window->ConvertButton->setIcon(IconOf(ButtonImages.Find("Convert")));
  window->ConvertButton->setToolTip(UiText("General", "Convert"));

  window->NoticeLabel = new QLabel(QString::fromStdString(MakerNotice()), window->centralWidget());
  window->NoticeLabel->setGeometry(10, g_settings.Window.Height - 70 - window->ToolbarHeight, 350, 20);

  QObject::connect(window->OutputFolderCombo, &QComboBox::activated,
                   [window] { g_job.OutputFolder = window->OutputFolderCombo->currentText().toStdString(); });
  QObject::connect(window->OutputFormatCombo, &QComboBox::activated, [window] {
    const std::string format = SelectedFormatKey(window->OutputFormatCombo, ProductFormats().output);
    if (!format.empty()) g_settings.Output.Format = format;
  });
  QObject::connect(window->ConvertButton, &QToolButton::clicked, [] { RaiseCommand(kCommandConvert); });

  for (const CommandDef& command : Commands()) {
    if (!command.shortcut) continue;
    auto* shortcut = new QShortcut(QKeySequence(command.shortcut), window);
    QObject::connect(shortcut, &QShortcut::activated, [id = command.id] { RaiseCommand(id); });
  }
  SetInputAdmittedHandler(ShowAdmittedFile);
}

void BuildMenus() {
  MainWindow* window = TheMainWindow();
  if (!window) return;
  QMenuBar* bar = window->menuBar();
  bar->clear();
  for (const MenuDef& menuDef : MenuLayout()) {
    QMenu* menu = bar->addMenu(UiText("Menu", menuDef.titleKey));
    for (int id : menuDef.items) {
      if (id == kSeparator) {
        menu->addSeparator();
        continue;
      }
      const CommandDef* command = FindCommand(id);
      menu->addAction(CommandAction(menu, *command, IconOf(MenuIcons.Find(command->iconKey)), true));
    }
  }
  window->MenuHeight = bar->sizeHint().height();
}

void BuildToolbar() {
  MainWindow* window = TheMainWindow();
  if (!window) return;
  if (window->MainToolbar) {
    window->removeToolBar(window->MainToolbar);
    delete window->MainToolbar;
  }
  QToolBar* toolbar = new QToolBar(window);
  window->MainToolbar = toolbar;
  toolbar->setMovable(false);
  toolbar->setFloatable(false);
  toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
  const int size = ToolbarIconSize(g_settings.Interface.UiSize);
  toolbar->setIconSize(QSize(size, size));
  for (int id : ToolbarLayout()) {
    if (id == kSeparator) {
      toolbar->addSeparator();
      continue;
    }
    const CommandDef* command = FindCommand(id);
    toolbar->addAction(CommandAction(toolbar, *command, IconOf(ToolbarIcons.Find(command->iconKey)), false));
  }
  window->addToolBar(Qt::TopToolBarArea, toolbar);
  window->ToolbarHeight = toolbar->sizeHint().height();
}

void BuildFieldButtons() {
  MainWindow* window = TheMainWindow();
  if (!window || !window->FieldPanel) return;
  for (int row = 0; row < 3; ++row) {
    delete window->FieldButtons[row];
    QToolBar* toolbar = new QToolBar(window->FieldPanel);
    window->FieldButtons[row] = toolbar;
    // A free-standing 24 x 24 button: no edge, no handle, no divider.
    toolbar->setMovable(false);
    toolbar->setStyleSheet("QToolBar { border: 0px; padding: 0px; spacing: 0px; }");
    toolbar->setIconSize(QSize(kMenuIconSize, kMenuIconSize));
    const CommandDef* command = FindCommand(kFieldButtonCommands[row]);
    toolbar->addAction(CommandAction(toolbar, *command, IconOf(MenuIcons.Find(command->iconKey)), false));
    toolbar->setGeometry(364, kFieldButtonY[row], kFieldButtonSize, kFieldButtonSize);
    toolbar->show();
  }
}

void LayoutMainWindow() {
  MainWindow* window = TheMainWindow();
  if (!window || !window->FieldPanel) return;
  const int w = window->width(), h = window->height();
  constexpr int kPanelOffset = 0;
  window->FieldPanel->setGeometry(window->FieldPanel->x(), kPanelOffset, w,
                                  h - window->MenuHeight - window->ToolbarHeight - window->StatusBarHeight - 40);
  for (QWidget* field : {static_cast<QWidget*>(window->InputFileField), static_cast<QWidget*>(window->OutputFolderCombo),
                         static_cast<QWidget*>(window->OutputFormatCombo)})
    field->setGeometry(field->x(), field->y(), w - 160, field->height());
  for (int row = 0; row < 3; ++row)
    if (window->FieldButtons[row])
      window->FieldButtons[row]->setGeometry(w - 146, kFieldButtonY[row], kFieldButtonSize, kFieldButtonSize);
  window->ConvertButton->move(w - 110, window->ConvertButton->y());
  window->update();
}

void RefreshOutFolderList() {
  MainWindow* window = TheMainWindow();
  if (!window || g_settings.File.RecentOutFolders.empty()) return;
  QComboBox* combo = window->OutputFolderCombo;
  combo->clear();
  int selected = 0;
  for (int i = 0; i < g_settings.Advanced.OutFoldersNumber; ++i) {
    const std::string folder = RecentOutFolder(i);
    if (folder.empty()) continue;
    combo->addItem(IconOf(MenuIcons.Find("FavFolder")), QString::fromStdString(folder));
    if (folder == g_job.OutputFolder) selected = combo->count() - 1;
  }
  combo->setCurrentIndex(selected);
}

void UseOutputFolder(const std::string& folder) {
  AddRecentOutFolder(folder);
  g_job.OutputFolder = folder;
  RefreshOutFolderList();
}

void ResetMainWindow() {
  MainWindow* window = TheMainWindow();
  if (!window) return;
  RefreshOutFolderList();
  ResetJobState();
  window->InputFileField->clear();
  window->OutputFolderCombo->setCurrentIndex(-1);
  SetStatusText(GetText("General", "Ready"));
  window->InputFileField->setFocus();
}

void SetupMainWindow() {
  MainWindow* window = TheMainWindow();
  if (!window) return;
  if (g_settings.Window.IsMaximized) window->setWindowState(Qt::WindowMaximized);
  if (g_settings.File.RecentOutFolders.empty()) window->OutputFolderCombo->insertItem(0, QString());
  FillFormatCombo(window->OutputFormatCombo, ProductFormats().output, g_settings.Output.Format, true);
  ResetMainWindow();
  window->show();
  PostResize();
  ScheduledUpdateCheck();
}

void RefreshCommandImages() {
  MainWindow* window = TheMainWindow();
  if (!window) return;
  window->ConvertButton->setIcon(IconOf(ButtonImages.Find("Convert")));
  for (int i = 0; i < window->OutputFolderCombo->count(); ++i)
    window->OutputFolderCombo->setItemIcon(i, IconOf(MenuIcons.Find("FavFolder")));
  for (int i = 0; i < window->OutputFormatCombo->count(); ++i)
    window->OutputFormatCombo->setItemIcon(i, IconOf(MenuIcons.Find("New")));
}

void RebuildMainWindow() {
  MainWindow* window = TheMainWindow();
  if (!window) return;
  if (g_job.RebuildKind == 2) {
    LoadThemeImages(false, false, true);
    BuildToolbar();
    PostResize();
    g_job.RebuildKind = 0;
  } else if (g_job.RebuildKind == 1) {
    LoadThemeImages(true, true, true);
    BuildMenus();
    BuildToolbar();
    BuildFieldButtons();
    RefreshCommandImages();
    PostResize();
    g_job.RebuildKind = 0;
  }
  SelectFormatKey(window->OutputFormatCombo, ProductFormats().output, g_settings.Output.Format);
  if (window->OutputFolderCombo->count() != g_settings.Advanced.OutFoldersNumber) RefreshOutFolderList();
}

void SetStatusText(const std::string& text) {
  if (MainWindow* window = TheMainWindow()) window->StatusField->setText(QString::fromStdString(text));
}
