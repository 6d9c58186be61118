#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenuBar>
#include <QMdiSubWindow>
#include <QStyle>
#include <algorithm>
#include <exception>

#include "core/refusal.h"
#include "core/startup.h"
#include "ingest/log_loading.h"
#include "ingest/server_file.h"
#include "results/export_command.h"
#include "results/match_results.h"
#include "scoring/save_logs.h"
#include "scoring/score_command.h"
#include "season/season_command.h"
#include "setup/setup_file.h"
#include "ui/about_window.h"
#include "ui/adjust_window.h"
#include "ui/log_edit_window.h"
#include "ui/options_window.h"
#include "ui/placement.h"
#include "ui/qt_text.h"
#include "ui/season_window.h"
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

}  // namespace

FormMain::FormMain(WorkingState& state, Platform& platform, QWidget* parent)
    : QMainWindow(parent), state_(state), platform_(platform), mdi_(new QMdiArea(this)) {
  setObjectName(QStringLiteral("formMain"));
  mdi_->setObjectName(QStringLiteral("mdiMain"));
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  // The keys go to the active child window: its text, or the editor's grid, and
  // its own Ctrl+F4 closes it.
  connect(mdi_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* child) {
    if (child && child->widget()) child->widget()->setFocus();
  });

  for (std::size_t i = 0; i < kLogWindowCount; ++i) {
    const auto window = static_cast<LogWindow>(i);
    auto* form = new LogWindowForm(window);
    mdi_->addSubWindow(form);
    form->hide();
    connect(form, &LogWindowForm::closed, this, &FormMain::logWindowClosed);
    logWindows_[i] = form;
  }
  chartForm_ = new PilotsChartForm;
  mdi_->addSubWindow(chartForm_);
  chartForm_->hide();
  connect(chartForm_, &PilotsChartForm::closed, this, [this] {
    menu_.chartChecked = false;
    applyMenuState();
  });

  openSettingsWindow = [this] { FormSetup(state_, platform_, this).exec(); };
  openAdjustWindow = [this] { FormAdjust(state_, platform_, this).exec(); };
  openLogEditWindow = [this] { showLogEditWindow(mdi_, frameGeometry().size(), state_, platform_); };
  openOptionsWindow = [this] { FormOpt(state_, platform_, this).exec(); };

  buildMenus();
  applyMenuState();
}

FormMain::~FormMain() = default;

QAction* FormMain::addItem(QMenu* menu, const char* name, const char* caption, void (FormMain::*command)()) {
  QAction* item = menu->addAction(latin1(caption));
  item->setObjectName(latin1(name));
  connect(item, &QAction::triggered, this, [this, command] { (this->*command)(); });
  return item;
}

void FormMain::buildMenus() {
  QMenuBar* bar = menuBar();

  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("m_File"));
  file->menuAction()->setObjectName(QStringLiteral("m_File"));
  addItem(file, "m_File_Server", "&Open Server...", &FormMain::openServerCommand);
  file->addSeparator();
  addItem(file, "m_File_OpenSetup", "Open S&ettings...", &FormMain::openSetupCommand);
  file->addSeparator();
  addItem(file, "m_File_Logs", "Open &Log File(s)...", &FormMain::openLogsCommand);
  file->addSeparator();
  addItem(file, "m_File_Export", "Export &Match Report...", &FormMain::exportCommand);
  file->addSeparator();
  addItem(file, "m_File_Exit", "E&xit", &FormMain::exitCommand);

  QAction* score = bar->addAction(QStringLiteral("&Score"));
  score->setObjectName(QStringLiteral("m_Score"));
  connect(score, &QAction::triggered, this, [this] { scoreCommand(); });

  QAction* setup = bar->addAction(QStringLiteral("S&ettings"));
  setup->setObjectName(QStringLiteral("m_Setup"));
  connect(setup, &QAction::triggered, this, [this] { runHook(openSettingsWindow); });

  QMenu* tools = bar->addMenu(QStringLiteral("&Tools"));
  tools->setObjectName(QStringLiteral("m_Tools"));
  tools->menuAction()->setObjectName(QStringLiteral("m_Tools"));
  addItem(tools, "m_Tools_Save", "&Save Logs to Files", &FormMain::saveLogsMenuCommand);
  tools->addSeparator();
  QAction* adjust = tools->addAction(QStringLiteral("&Adjust Score..."));
  adjust->setObjectName(QStringLiteral("m_Tools_Adjust"));
  connect(adjust, &QAction::triggered, this, [this] { runHook(openAdjustWindow); });
  QAction* edit = tools->addAction(QStringLiteral("&Edit Log Lines..."));
  edit->setObjectName(QStringLiteral("m_Tools_Edit"));
  connect(edit, &QAction::triggered, this, [this] { runHook(openLogEditWindow); });
  tools->addSeparator();
  QAction* options = tools->addAction(QStringLiteral("&Options..."));
  options->setObjectName(QStringLiteral("m_Tools_Options"));
  connect(options, &QAction::triggered, this, [this] { runHook(openOptionsWindow); });
  tools->addSeparator();
  addItem(tools, "m_Tools_Season", "Season S&tandings...", &FormMain::seasonMenuCommand);

  winMenu_ = bar->addMenu(QStringLiteral("&Window"));
  winMenu_->setObjectName(QStringLiteral("m_Win"));
  winMenu_->menuAction()->setObjectName(QStringLiteral("m_Win"));
  QAction* cascade = winMenu_->addAction(QStringLiteral("&Cascade"));
  cascade->setObjectName(QStringLiteral("m_Win_Cascade"));
  connect(cascade, &QAction::triggered, this, [this] { arrange(Arrange::Cascade); });
  winMenu_->addSeparator();
  QAction* tileV = winMenu_->addAction(QStringLiteral("Tile &Vertically"));
  tileV->setObjectName(QStringLiteral("m_Win_V"));
  connect(tileV, &QAction::triggered, this, [this] { arrange(Arrange::TileVertically); });
  QAction* tileH = winMenu_->addAction(QStringLiteral("Tile &Horizontally"));
  tileH->setObjectName(QStringLiteral("m_Win_H"));
  connect(tileH, &QAction::triggered, this, [this] { arrange(Arrange::TileHorizontally); });
  winMenu_->addSeparator();
  for (std::size_t i = 0; i < kLogWindowCount; ++i) {
    const auto window = static_cast<LogWindow>(i);
    const LogWindowInfo& info = logWindowInfo(window);
    QAction* item = winMenu_->addAction(latin1(info.menuCaption));
    item->setObjectName(latin1(info.menuName));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, window] { toggleLogWindow(window); });
    logItems_[i] = item;
    if (window == LogWindow::Score || window == LogWindow::Roster) winMenu_->addSeparator();
  }
  winMenu_->addSeparator();
  addItem(winMenu_, "m_Win_Chart", "Pilots In Char&t", &FormMain::toggleChartWindow)->setCheckable(true);

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("m_Help"));
  help->menuAction()->setObjectName(QStringLiteral("m_Help"));
  QAction* helpItem = addItem(help, "m_Help_Help", "Program &Help", &FormMain::helpCommand);
  helpItem->setShortcut(QKeySequence(Qt::Key_F1));
  helpItem->setShortcutContext(Qt::ApplicationShortcut);
  help->addSeparator();
  addItem(help, "m_Help_About", "&About", &FormMain::aboutCommand);
}

QAction* FormMain::menuItem(const char* name) const {
  for (QAction* item : findChildren<QAction*>(latin1(name)))
    if (item->objectName() == latin1(name)) return item;
  return nullptr;
}

void FormMain::applyMenuState() {
  menuItem("m_Score")->setEnabled(menu_.scoreEnabled);
  menuItem("m_Tools_Save")->setEnabled(menu_.toolsSaveEnabled);
  menuItem("m_Tools_Edit")->setEnabled(menu_.toolsEditEnabled);
  menuItem("m_Tools_Adjust")->setEnabled(menu_.toolsAdjustEnabled);
  winMenu_->menuAction()->setEnabled(menu_.windowMenuEnabled);
  menuItem("m_File_Export")->setEnabled(menu_.exportEnabled);
  menuItem("m_Win_Chart")->setChecked(menu_.chartChecked);
  chartForm_->setVisible(menu_.chartChecked);
  for (std::size_t i = 0; i < kLogWindowCount; ++i) logItems_[i]->setChecked(menu_.checked[i]);
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
    return form->showReport(std::string());
  }
  form->showReport(logText(state_, logWindowInfo(window).text));
  if (!placed_[indexOf(window)] && !mdi_->viewport()->rect().isEmpty()) {
    // First shown: as large as a cascaded window, one step below the windows already shown.
    int before = 0;
    for (const LogWindowForm* other : logWindows_) before += other->isVisible() ? 1 : 0;
    const QPoint at(before * cascadeStep(), before * cascadeStep());
    form->setGeometry(placeInside(mdi_->viewport()->rect(), cascadeSize(before + 1), at));
    placed_[indexOf(window)] = true;
  }
  form->show();
}

void FormMain::logWindowClosed(LogWindow window) {
  menu_.windowClosed(window);
  applyMenuState();
}


void FormMain::runHook(const std::function<void()>& hook) {
  if (!hook) return;
  runShowingRefusal(platform_, [&] {
    hook();
    return true;
  });
  refreshLogTexts();
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

void FormMain::seasonMenuCommand() {
  std::optional<SeasonReport> season;
  if (!runShowingRefusal(platform_, [&] { return (season = seasonStandingsCommand(state_, platform_)).has_value(); }))
    return;
  showSeasonWindow(mdi_, season->text);
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
    if (auto* log = qobject_cast<LogWindowForm*>(form)) placed_[indexOf(log->window())] = true;
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
