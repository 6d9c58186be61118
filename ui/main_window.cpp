#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenuBar>
#include <QStatusBar>
#include <QMdiSubWindow>
#include <QStyle>
#include <algorithm>
#include <exception>

#include "core/refusal.h"
#include "core/report_header.h"
#include "core/startup.h"
#include "ingest/log_loading.h"
#include "ingest/server_file.h"
#include "results/export_command.h"
#include "results/match_results.h"
#include "scoring/save_logs.h"
#include "scoring/score_command.h"
#include "season/season_command.h"
#include "setup/default_scoring.h"
#include "setup/setup_file.h"
#include "site/publish_command.h"
#include "ui/about_window.h"
#include "ui/adjust_window.h"
#include "ui/log_edit_window.h"
#include "ui/options_window.h"
#include "ui/placement.h"
#include "ui/qt_text.h"
#include "ui/setup_window.h"

namespace skyvex::ui {

namespace {

// The log windows in the order the Score command shows the checked ones.
constexpr LogWindow kShownAfterScoring[] = {LogWindow::Bomb, LogWindow::Chat, LogWindow::Chron,
                                            LogWindow::IP,   LogWindow::Kill, LogWindow::Pilot,
                                            LogWindow::Pro,  LogWindow::Raw,  LogWindow::Roster};

// Every window of the program in the order the shut-down closes them.
constexpr const char* kShutDownOrder[] = {"formAbout", "formAdjust", "formBomb",   "formChat",  "formChron",
                                          "formExit",  "formIP",     "formKill",   "formLog",   "formMain",
                                          "formOpt",   "formPilot",  "formPro",    "formRaw",   "formRoster",
                                          "formScore", "formSetup"};

QString latin1(const char* text) { return QString::fromLatin1(text); }

// The chart's size when the area has room for it: its axes and times readable.
constexpr QSize kChartLeast(640, 360);

}  // namespace

FormMain::FormMain(WorkingState& state, Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      platform_(platform),
      mdi_(new QMdiArea(this)),
      chartForm_(new PilotsChartForm),
      seasonForm_(new SeasonForm),
      status_(new QLabel(this)) {
  setObjectName(QStringLiteral("formMain"));
  mdi_->setObjectName(QStringLiteral("mdiMain"));
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  // The keys go to the active child window: its text, or the editor's grid. Its own menu's
  // Close key (Ctrl+W, on some systems Ctrl+F4) gives way to the main window's, which has both.
  connect(mdi_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* child) {
    if (!child) return;
    if (child->systemMenu())
      for (QAction* item : child->systemMenu()->actions()) item->setShortcuts({});
    if (child->widget()) child->widget()->setFocus();
  });

  for (std::size_t i = 0; i < kLogWindowCount; ++i) {
    const auto window = static_cast<LogWindow>(i);
    auto* form = new LogWindowForm(window);
    mdi_->addSubWindow(form);
    form->hide();
    connect(form, &LogWindowForm::closed, this, &FormMain::logWindowClosed);
    logWindows_[i] = form;
  }
  mdi_->addSubWindow(chartForm_);
  chartForm_->hide();
  connect(chartForm_, &PilotsChartForm::closed, this, [this] {
    menu_.chartChecked = false;
    applyMenuState();
  });
  mdi_->addSubWindow(seasonForm_);
  seasonForm_->hide();
  connect(seasonForm_, &SeasonForm::closed, this, &FormMain::applyMenuState);

  status_->setObjectName(QStringLiteral("lblStatus"));
  statusBar()->addWidget(status_, 1);

  buildMenus();
  applyMenuState();
}

FormMain::~FormMain() = default;

QAction* FormMain::addItem(QWidget* menu, const char* name, const char* caption, std::function<void()> command) {
  auto* item = new QAction(latin1(caption), this);
  item->setObjectName(latin1(name));
  menu->addAction(item);
  connect(item, &QAction::triggered, this, std::move(command));
  return item;
}

void FormMain::buildMenus() {
  QMenuBar* bar = menuBar();
  const auto addMenu = [bar](const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(latin1(caption));
    menu->setObjectName(latin1(name));
    menu->menuAction()->setObjectName(latin1(name));
    return menu;
  };

  QMenu* file = addMenu("m_File", "&File");
  serverItem_ = addItem(file, "m_File_Server", "&Open Server...", [this] { openServerCommand(); });
  file->addSeparator();
  setupFileItem_ = addItem(file, "m_File_OpenSetup", "Open S&ettings...", [this] { openSetupCommand(); });
  file->addSeparator();
  logsItem_ = addItem(file, "m_File_Logs", "Open &Log File(s)...", [this] { openLogsCommand(); });
  file->addSeparator();
  exportItem_ = addItem(file, "m_File_Export", "Export &Match Report...", [this] { exportCommand(); });
  file->addSeparator();
  exitItem_ = addItem(file, "m_File_Exit", "E&xit", [this] { exitCommand(); });

  scoreItem_ = addItem(bar, "m_Score", "&Score", [this] { scoreCommand(); });
  settingsItem_ = addItem(bar, "m_Setup", "S&ettings", [this] { settingsCommand(); });

  QMenu* tools = addMenu("m_Tools", "&Tools");
  saveItem_ = addItem(tools, "m_Tools_Save", "&Save Logs to Files", [this] { saveLogsMenuCommand(); });
  tools->addSeparator();
  adjustItem_ = addItem(tools, "m_Tools_Adjust", "&Adjust Score...", [this] { adjustCommand(); });
  editItem_ = addItem(tools, "m_Tools_Edit", "&Edit Log Lines...", [this] { editLinesCommand(); });
  tools->addSeparator();
  optionsItem_ = addItem(tools, "m_Tools_Options", "&Options...", [this] { optionsCommand(); });
  tools->addSeparator();
  seasonItem_ = addItem(tools, "m_Tools_Season", "Season S&tandings...", [this] { seasonMenuCommand(); });

  winMenu_ = addMenu("m_Win", "&Window");
  addItem(winMenu_, "m_Win_Cascade", "&Cascade", [this] { arrange(Arrange::Cascade); });
  winMenu_->addSeparator();
  addItem(winMenu_, "m_Win_V", "Tile &Vertically", [this] { arrange(Arrange::TileVertically); });
  addItem(winMenu_, "m_Win_H", "Tile &Horizontally", [this] { arrange(Arrange::TileHorizontally); });
  winMenu_->addSeparator();
  for (std::size_t i = 0; i < kLogWindowCount; ++i) {
    const auto window = static_cast<LogWindow>(i);
    const LogWindowInfo& info = logWindowInfo(window);
    logItems_[i] = addItem(winMenu_, info.menuName, info.menuCaption, [this, window] { toggleLogWindow(window); });
    logItems_[i]->setCheckable(true);
    if (window == LogWindow::Score || window == LogWindow::Roster) winMenu_->addSeparator();
  }
  winMenu_->addSeparator();
  chartItem_ = addItem(winMenu_, "m_Win_Chart", "Pilots In Char&t", [this] { toggleChartWindow(); });
  chartItem_->setCheckable(true);
  seasonWindowItem_ = addItem(winMenu_, "m_Win_Season", "Season Standin&gs", [this] { toggleSeasonWindow(); });
  seasonWindowItem_->setCheckable(true);

  QMenu* help = addMenu("m_Help", "&Help");
  helpItem_ = addItem(help, "m_Help_Help", "Program &Help", [this] { helpCommand(); });
  helpItem_->setShortcut(QKeySequence(Qt::Key_F1));
  helpItem_->setShortcutContext(Qt::ApplicationShortcut);
  help->addSeparator();
  addItem(help, "m_Help_About", "&About", [this] { aboutCommand(); });

  // The child windows' keys, of the main window so that they work whichever child has the focus.
  closeChildKey_ = addItem(this, "k_Close", "Close", [this] { closeActiveChild(); });
  closeChildKey_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_W)});
  nextChildKey_ = addItem(this, "k_Next", "Next", [this] { mdi_->activateNextSubWindow(); });
  nextChildKey_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
  previousChildKey_ = addItem(this, "k_Previous", "Previous", [this] { mdi_->activatePreviousSubWindow(); });
  previousChildKey_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
}

void FormMain::applyMenuState() {
  scoreItem_->setEnabled(menu_.scoreEnabled);
  saveItem_->setEnabled(menu_.toolsSaveEnabled);
  editItem_->setEnabled(menu_.toolsEditEnabled);
  adjustItem_->setEnabled(menu_.toolsAdjustEnabled);
  exportItem_->setEnabled(menu_.exportEnabled);
  // Standings shown before any Score open the Window menu for their own item only.
  winMenu_->menuAction()->setEnabled(menu_.windowMenuEnabled || seasonForm_->hasReport());
  for (std::size_t i = 0; i < kLogWindowCount; ++i) {
    logItems_[i]->setEnabled(menu_.windowMenuEnabled);
    logItems_[i]->setChecked(menu_.checked[i]);
  }
  chartItem_->setEnabled(menu_.windowMenuEnabled);
  chartItem_->setChecked(menu_.chartChecked);
  if (!menu_.chartChecked) chartForm_->hide();
  else if (chartForm_->isHidden()) showChild(chartForm_, (mdi_->viewport()->size() * 3 / 4).expandedTo(kChartLeast));
  seasonWindowItem_->setEnabled(seasonForm_->hasReport());
  seasonWindowItem_->setChecked(!seasonForm_->isHidden());
  refreshStatus();
}

void FormMain::refreshStatus() {
  // The setup in force, the server, the map and the lines loaded.
  QString setup;
  if (!state_.setupFileName.empty())
    setup = QStringLiteral("Setup: ") + reportText(state_.setupFileName);
  else if (setupScoresNothing(state_))
    setup = QStringLiteral("no setup: every value is 0");
  else
    setup = QStringLiteral("Setup: entered in Settings");
  const QString server = state_.serverName.empty() ? QStringLiteral("none") : reportText(state_.serverName);
  const std::string map = mapName(state_.mapIndex);
  status_->setText(setup + QStringLiteral("    Server: ") + server + QStringLiteral("    Map: ") +
                   (map.empty() ? QStringLiteral("none") : latin1(map.c_str())) + QStringLiteral("    Lines: ") +
                   QString::number(state_.lineCount));
}

// A hidden log window holds no text: it takes its report when it is shown, so
// a large match's logs are not all held a second time.
void FormMain::refreshLogTexts() {
  for (std::size_t i = 0; i < kLogWindowCount; ++i) {
    const LogWindowInfo& info = logWindowInfo(static_cast<LogWindow>(i));
    logWindows_[i]->showReport(logWindows_[i]->isHidden() ? std::string() : logText(state_, info.text));
  }
}

void FormMain::setLogWindowShown(LogWindow window, bool shown) {
  LogWindowForm* form = logWindow(window);
  if (!shown) {
    form->hide();
    return form->showReport(std::string());  // a hidden window holds no text
  }
  form->showReport(logText(state_, logWindowInfo(window).text));
  showChild(form);
}

void FormMain::showChild(QMdiSubWindow* child, QSize wanted) {
  const QRect area = mdi_->viewport()->rect();
  if (!area.isEmpty()) {
    if (!child->property("placed").toBool()) {
      // First shown: one cascade step below the windows already shown.
      int before = 0;
      for (const QMdiSubWindow* other : mdi_->subWindowList()) before += other->isVisible() ? 1 : 0;
      if (!wanted.isValid()) wanted = cascadeSize(before + 1);
      child->setGeometry(placeInside(area, wanted, QPoint(before * cascadeStep(), before * cascadeStep())));
      child->setProperty("placed", true);
    } else if (!child->isMaximized()) {
      child->setGeometry(placeInside(area, child->size(), child->pos()));
    }
  }
  child->show();
}

void FormMain::closeActiveChild() {
  if (QMdiSubWindow* child = mdi_->activeSubWindow()) child->close();
}

void FormMain::logWindowClosed(LogWindow window) {
  menu_.windowClosed(window);
  applyMenuState();
}


void FormMain::runSettingsWindow(const std::function<void()>& open) {
  runShowingRefusal(platform_, [&] {
    open();
    return true;
  });
  refreshLogTexts();
  applyMenuState();
}

void FormMain::settingsCommand() {
  runSettingsWindow([this] { FormSetup(state_, platform_, this).exec(); });
}

void FormMain::adjustCommand() {
  runSettingsWindow([this] { FormAdjust(state_, platform_, this).exec(); });
}

void FormMain::editLinesCommand() {
  runSettingsWindow([this] { showLogEditWindow(mdi_, frameGeometry().size(), state_, platform_); });
}

void FormMain::optionsCommand() {
  runSettingsWindow([this] { FormOpt(state_, platform_, this).exec(); });
}

void FormMain::loadWindow(const std::string& programFolder) {
  // 10000 by 7300 twips at 15 twips a pixel, for when the window is restored.
  resize(667, 487);
  setWindowState(windowState() | Qt::WindowMaximized);
  if (programFolder.empty())
    startUp(state_);
  else
    startUp(state_, programFolder);
  setWindowTitle(reportText(kCaptionPrefix + state_.programVersion));
}

void FormMain::openGivenSetup(const std::string& path) {
  runShowingRefusal(platform_, [&] {
    readSetupFile(state_, path);
    return true;
  });
  applyMenuState();
}

void FormMain::reportStartUpProblems() {
  if (state_.startUpProblems.empty()) return;
  std::string message;
  for (const std::string& problem : state_.startUpProblems) {
    if (!message.empty()) message += "\r\n";
    message += problem;
  }
  platform_.showMessage(message, MessageIcon::Critical);
}

void FormMain::openServerCommand() {
  const std::string nameBefore = state_.serverName;
  if (!runShowingRefusal(platform_, [this] { return openServerFileCommand(state_, platform_); })) return;
  // A file without a server description leaves the caption; an empty name that
  // did not change can only come from such a file.
  if (state_.serverName != nameBefore || !state_.serverName.empty())
    setWindowTitle(reportText(kCaptionPrefix + state_.serverName));
  menu_.serverFileOpened();
  applyMenuState();
}

void FormMain::openSetupCommand() {
  runShowingRefusal(platform_, [this] { return openSetupFromMain(state_, platform_); });
  applyMenuState();
}

void FormMain::openLogsCommand() {
  if (!runShowingRefusal(platform_, [this] { return openLogFilesCommand(state_, platform_); })) return;
  // An open log editor shows the lines now loaded, never the ones they replaced.
  if (FormLog* editor = logEditWindowIn(mdi_)) editor->reload();
  menu_.logsLoaded();
  for (std::size_t i = 0; i < kLogWindowCount; ++i) {
    const auto window = static_cast<LogWindow>(i);
    if (window != LogWindow::Raw) setLogWindowShown(window, false);
  }
  refreshLogTexts();
  setLogWindowShown(LogWindow::Raw, true);
  applyMenuState();
  arrange(Arrange::Cascade);
}

void FormMain::scoreCommand() {
  if (!menu_.scoreEnabled) return;
  // runScoring puts everything back itself when a step refuses, and saving
  // only reads the state.
  if (!runShowingRefusal(platform_, [this] {
        runScoring(state_);
        return true;
      }))
    return;
  refreshLogTexts();
  chartForm_->showResults(buildMatchResults(state_));
  menu_.scored();
  for (LogWindow window : kShownAfterScoring)
    if (menu_.isChecked(window)) setLogWindowShown(window, true);
  applyMenuState();
  setLogWindowShown(LogWindow::Score, true);
  mdi_->setActiveSubWindow(logWindow(LogWindow::Score));
  arrange(Arrange::Cascade);
  runShowingRefusal(platform_, [this] {
    finishScoring(state_, platform_);
    return true;
  });
}

void FormMain::saveLogsMenuCommand() {
  if (!menu_.toolsSaveEnabled) return;
  runShowingRefusal(platform_, [this] {
    saveLogsCommand(state_, platform_);
    return true;
  });
}

void FormMain::exportCommand() {
  if (menu_.exportEnabled) exportMatchReportCommand(state_, platform_);
}

void FormMain::toggleChartWindow() {
  menu_.chartChecked = !menu_.chartChecked;
  applyMenuState();
  if (menu_.chartChecked) mdi_->setActiveSubWindow(chartForm_);
}

void FormMain::toggleSeasonWindow() {
  if (!seasonForm_->isHidden())
    seasonForm_->hide();
  else if (seasonForm_->hasReport())
    showSeasonWindow();
  applyMenuState();
}

void FormMain::showSeasonWindow() {
  showChild(seasonForm_);
  mdi_->setActiveSubWindow(seasonForm_);
}

void FormMain::seasonMenuCommand() {
  std::optional<SeasonReport> season;
  if (!runShowingRefusal(platform_, [&] { return (season = seasonStandingsCommand(state_, platform_)).has_value(); }))
    return;
  seasonForm_->showReport(season->text, [this, folder = season->folder] {
    runShowingRefusal(platform_, [&] { return publishSiteCommand({folder}, state_, platform_), true; });
  });
  showSeasonWindow();
  applyMenuState();
  runShowingRefusal(platform_, [&] {
    offerSeasonPageExport(*season, state_, platform_);
    return true;
  });
}

void FormMain::toggleLogWindow(LogWindow window) {
  const bool shown = menu_.toggle(window);
  setLogWindowShown(window, shown);
  if (shown) mdi_->setActiveSubWindow(logWindow(window));
  applyMenuState();
}

int FormMain::cascadeStep() const { return style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4; }

QSize FormMain::cascadeSize(int n) const {
  // Each window is stepped by a title bar; all get the same size, as large as
  // the steps leave room for, and never below half the area, so that the
  // reports stay readable.
  const QSize area = mdi_->viewport()->size();
  const int steps = (n - 1) * cascadeStep();
  return {std::max(area.width() - steps, area.width() / 2), std::max(area.height() - steps, area.height() / 2)};
}

void FormMain::arrange(Arrange mode) {
  QList<QMdiSubWindow*> shown;
  for (QMdiSubWindow* form : mdi_->subWindowList(QMdiArea::StackingOrder))
    if (!form->isHidden() && !form->isMinimized()) shown << form;
  if (shown.isEmpty()) return;
  const QRect area = mdi_->viewport()->rect();
  const int n = static_cast<int>(shown.size());
  const int step = cascadeStep();
  for (int i = 0; i < n; ++i) {
    QMdiSubWindow* form = shown[i];
    if (form->isMaximized()) form->showNormal();
    form->setProperty("placed", true);
    QRect place;
    if (mode == Arrange::Cascade)
      place = placeInside(area, cascadeSize(n), QPoint(i * step, i * step));
    else if (mode == Arrange::TileVertically)
      place = QRect(area.width() * i / n, 0, area.width() * (i + 1) / n - area.width() * i / n, area.height());
    else
      place = QRect(0, area.height() * i / n, area.width(), area.height() * (i + 1) / n - area.height() * i / n);
    form->setGeometry(place);
  }
}

void FormMain::helpCommand() {
  QMdiSubWindow* active = mdi_->currentSubWindow();
  const QVariant topic = active && active->widget() ? active->widget()->property(kHelpTopic) : QVariant();
  showHelp(this, state_.programFolder, topic.toString(), platform_);
}

void FormMain::aboutCommand() {
  FormAbout about(state_, platform_, this);
  about.exec();
}

void FormMain::exitCommand() {
  if (!exitWindow_) {
    exitWindow_ = new FormExit(platform_, this);
    connect(exitWindow_, &FormExit::finished, this, [this] { shutDown(false); });
    exitWindow_->adjustSize();
    centreOn(exitWindow_, this);
  }
  exitWindow_->show();
  hide();
}

void FormMain::closeEvent(QCloseEvent* event) {
  shutDown(true);
  event->accept();
}

void FormMain::shutDown(bool mainAlreadyClosing) {
  if (shutDown_) return;
  shutDown_ = true;
  // Windows of other parts of the shell are found by their form names.
  const auto findWindow = [this](const QString& name) -> QWidget* {
    for (QMdiSubWindow* child : mdi_->subWindowList())
      if (child->widget() && child->widget()->objectName() == name) return child;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == name && top != this) return top;
    return nullptr;
  };
  for (const char* name : kShutDownOrder) {
    const QString formName = latin1(name);
    if (formName == objectName()) continue;  // closes last, after its child windows
    QWidget* form = nullptr;
    for (LogWindowForm* log : logWindows_)
      if (log->objectName() == formName) form = log;
    if (!form) form = findWindow(formName);
    if (form && !form->isHidden()) form->close();
  }
  if (FormHelp* help = helpWindow()) help->close();
  if (!mainAlreadyClosing) close();
  emit shutDownFinished();
  QCoreApplication::quit();
}

}  // namespace skyvex::ui
