// The main window as a user meets it: one walk through its menus, found by
// their captions, with the file dialogs and messages answered by a script.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <filesystem>
#include <set>

#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"
#include "tests/ui/qt_app.h"
#include "ui/about_window.h"
#include "ui/log_edit_window.h"
#include "ui/main_window.h"
#include "ui/setup_window.h"

namespace skyvex::ui {
namespace {

using Texts = std::vector<std::string>;

// Two kills of the same Fokker and a chat line with bytes above 127.
constexpr const char* kMatchLog =
    "12/05/03 20:00:43 Mad Major (UDP:203.0.113.220:28002) has entered the game flying a SE5A\r\n"
    "12/05/03 20:00:53 Der Spatz (UDP:198.51.100.49:28001) has entered the game flying a FOKKER_DVII\r\n"
    "12/05/03 20:00:58 [Mad Major]: S! J\xe9r\xf4me\r\n"
    "12/05/03 20:04:21 Kill of Der Spatz (FOKKER_DVII) awarded to Mad Major (SE5A)\r\n"
    "12/05/03 20:14:21 Kill of Der Spatz (FOKKER_DVII) awarded to Mad Major (SE5A)\r\n";

// The Window menu's log items, the windows they show and the report each window holds.
const std::tuple<const char*, const char*, std::string WorkingState::*> kLogWindows[] = {
    {"&Window/&Scoring Log", "Score Log", &WorkingState::scoreLogText},
    {"&Window/&Bomb Log", "Bomb Log", &WorkingState::bombingLogText},
    {"&Window/&Chat Log", "Chat Log", &WorkingState::chatLogText},
    {"&Window/C&hronology Log", "Chronology Log", &WorkingState::chronologyLogText},
    {"&Window/&Kills Log", "Kill Log", &WorkingState::killLogText},
    {"&Window/&Pilot Log", "Pilot Log", &WorkingState::pilotsLogText},
    {"&Window/&IP Log", "IP Log", &WorkingState::ipLogText},
    {"&Window/&Raw Data Log", "Raw Log", &WorkingState::rawLogText},
    {"&Window/&Roster Log", "Roster Log", &WorkingState::rosterLogText},
    {"&Window/Processed Log", "Processed Raw Log", &WorkingState::processedLogText},
};
const std::string kSavedByDefault =
    "vxLog2_Bomb.txt vxLog2_Chron.txt vxLog2_Kill.txt vxLog2_Pilot.txt vxLog2_Pro.txt vxLog2_Raw.txt vxLog2_Score.txt";

// A report as its window shows it: one character per byte, CR LF as one line break.
QString asShown(std::string bytes) {
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at)) bytes.erase(at, 1);
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

class MainWindowWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(testing::sourcePath("data/org_vxLandmarkData.txt"),
                               program.file("org_vxLandmarkData.txt"));
    form.loadWindow(program.path());
    form.show();
    state.fixedScoreTime = testing::goldenScoreTime();
  }

  // "&Tools/&Options...": a menu item found by its captions, as a user finds it.
  QAction* item(const QString& path) {
    const QStringList captions = path.split(QLatin1Char('/'));
    for (QAction* top : form.menuBar()->actions())
      for (QAction* sub : captions.size() == 1 || !top->menu() ? QList<QAction*>{top} : top->menu()->actions())
        if (top->text() == captions.front() && sub->text() == captions.back()) return sub;
    ADD_FAILURE() << "no menu item " << path.toStdString();
    return &missing;
  }
  void choose(const char* path) { item(QLatin1String(path))->trigger(); }
  QString chooseModal(const char* path, const std::function<void(QWidget*)>& act = {}) {
    return testing::withModalWindow([&] { choose(path); }, act);
  }
  // The enabled commands of those that wait for a load or a Score | the checked log items | the shown windows.
  std::string screen() {
    QStringList enabled, checked, shown;
    for (const char* path :
         {"&Score", "&Tools/&Save Logs to Files", "&Tools/&Adjust Score...", "&Tools/&Edit Log Lines...", "&Window"})
      if (item(QLatin1String(path))->isEnabled()) enabled << item(QLatin1String(path))->text();
    for (const QAction* log : item(QStringLiteral("&Window"))->menu()->actions())
      if (log->isChecked()) checked << log->text();
    for (const QMdiSubWindow* child : shownWindows()) shown << child->windowTitle();
    shown.sort();
    const QString comma = QStringLiteral(", "), bar = QStringLiteral(" | ");
    return (enabled.join(comma) + bar + checked.join(comma) + bar + shown.join(comma)).toStdString();
  }
  QList<QMdiSubWindow*> shownWindows() const {
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* child : form.mdiArea()->subWindowList(QMdiArea::StackingOrder))
      if (!child->isHidden()) shown << child;
    return shown;
  }
  QMdiSubWindow* window(const char* caption) const {
    for (QMdiSubWindow* child : form.mdiArea()->subWindowList())
      if (child->windowTitle() == QLatin1String(caption)) return child;
    return nullptr;
  }
  QString textOf(const char* caption) const {
    return qobject_cast<QPlainTextEdit*>(window(caption)->widget())->toPlainText();
  }
  QString allTexts() const {
    QString texts;
    for (const auto& row : kLogWindows) texts += textOf(std::get<1>(row));
    return texts;
  }
  // The logs saved into the log folder since the last call; their files are removed.
  std::string takeSavedFiles() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(logs.path()))
      if (entry.path().filename().string().rfind("vxLog2_", 0) == 0) names.insert(entry.path().filename().string());
    std::string out;
    for (const std::string& name : names) out += (out.empty() ? "" : " ") + name;
    for (const std::string& name : names) std::filesystem::remove(logs.file(name));
    return out;
  }
  // The messages shown since the last call, as "critical: ..." or "information: ...".
  Texts takeMessages() {
    Texts out;
    for (const auto& m : platform.messages)
      out.push_back((m.icon == MessageIcon::Critical ? "critical: " : "information: ") + m.text);
    platform.messages.clear();
    return out;
  }

  QApplication& app = testing::qtApplication();  // before any widget
  testing::TempFolder program;
  testing::TempFolder logs;
  WorkingState state;
  testing::ScriptedPlatform platform;
  QAction missing;
  FormMain form{state, platform};
};

TEST_F(MainWindowWalk, FromStartUpToExit) {
  // --- Start-up: the version in the caption, the landmarks read, nothing to score yet.
  const QString versionCaption = QStringLiteral("Skyvex Scoring Utility - v3.0.0i beta");
  EXPECT_EQ(form.windowTitle(), versionCaption);
  EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
  form.reportStartUpProblems();
  EXPECT_EQ(screen(), " |  | ");
  int separators = 0;  // cascade | tiles | the score | the eight category logs | the processed log
  for (const QAction* entry : item(QStringLiteral("&Window"))->menu()->actions()) separators += entry->isSeparator();
  EXPECT_EQ(separators, 4);
  {  // Without its landmark file the program says so once its window is up.
    WorkingState otherState;
    FormMain other(otherState, platform);
    other.loadWindow(logs.path());
    EXPECT_EQ(takeMessages(), Texts{});
    other.reportStartUpProblems();
    EXPECT_EQ(takeMessages(), Texts{"critical: Error: Could not read the landmark file " +
                                    logs.file("org_vxLandmarkData.txt") + ": No such file or directory"});
  }
  const WorkingState fresh = state;
  form.scoreCommand();  // before a load the command does nothing, even when called directly
  EXPECT_TRUE(state == fresh);

  // --- A server file without a description sets the map and leaves the caption.
  platform.dialogAnswers = {logs.write("vx2Server.ini", "usemap=verdun.map\r\n")};
  choose("&File/&Open Server...");
  EXPECT_EQ(state.mapIndex, 5);
  EXPECT_EQ(form.windowTitle(), versionCaption);

  // --- Open Settings: a refused file leaves the setup in force; then the sample setup.
  const WorkingState beforeSetup = state;
  platform.dialogAnswers = {logs.write("short.vxs", "Only a name\r\n 2 \r\n"),
                            testing::sourcePath("data/sample/sample.vxs")};
  choose("&File/Open S&ettings...");
  EXPECT_EQ(takeMessages(), Texts{"critical: Error: While reading setup file " + logs.file("short.vxs") +
                                  ", line 3 (max pilots permitted): the file ends before this line; a setup file "
                                  "has at least 119 lines."});
  EXPECT_TRUE(state == beforeSetup);
  choose("&File/Open S&ettings...");
  EXPECT_EQ(state.setupFileName + " " + std::to_string(state.mapIndex), "sample.vxs 2");

  // --- Loading logs shows the raw log and enables Score; a vanished file leaves the lines loaded before.
  platform.dialogAnswers = {logs.write("match.log", kMatchLog), logs.file("vanished.log")};
  choose("&File/Open &Log File(s)...");
  const FileDialogRequest& logDialog = platform.dialogs.back();
  EXPECT_EQ(logDialog.title + " " + logDialog.filter, "Open Skyvex Log Files Log Files (*.log)|*.log|");
  EXPECT_TRUE(logDialog.multipleSelection);
  EXPECT_EQ(screen(), "&Score | &Raw Data Log | Raw Log");
  EXPECT_TRUE(textOf("Raw Log").contains(QString::fromLatin1("[Mad Major]: S! J\xe9r\xf4me\n")));
  const WorkingState loaded = state;
  const MenuState menusLoaded = form.menuState();
  choose("&File/Open &Log File(s)...");
  EXPECT_EQ(takeMessages(), Texts{"critical: Error: Could not read the log file " + logs.file("vanished.log") +
                                  ": No such file or directory."});
  EXPECT_TRUE(state == loaded);
  EXPECT_EQ(screen(), "&Score | &Raw Data Log | Raw Log");

  // --- The first Score asks before saving (No saves nothing), enables the rest and shows the score.
  choose("&Score");
  EXPECT_EQ(platform.questions, Texts{"The scoring process is complete.\r\n\r\nDo you want to save the log files?"});
  EXPECT_EQ(takeMessages(), Texts{});
  EXPECT_EQ(takeSavedFiles(), "");
  EXPECT_EQ(screen(),
            "&Score, &Save Logs to Files, &Adjust Score..., &Edit Log Lines..., &Window | &Scoring Log, "
            "&Raw Data Log | Raw Log, Score Log");
  EXPECT_EQ(form.mdiArea()->activeSubWindow(), window("Score Log"));
  EXPECT_FALSE(form.menuState() == menusLoaded);

  // --- The log windows: each holds its report, shown or not; its Window item shows and hides it.
  for (const auto& [logItem, caption, report] : kLogWindows) {
    SCOPED_TRACE(caption);
    EXPECT_EQ(textOf(caption), asShown(state.*report));
    const bool wasShown = !window(caption)->isHidden();
    choose(logItem);
    EXPECT_EQ(window(caption)->isHidden(), wasShown);
    EXPECT_EQ(item(QLatin1String(logItem))->isChecked(), !wasShown);
    EXPECT_TRUE(wasShown || form.mdiArea()->activeSubWindow() == window(caption));
    choose(logItem);
  }
  auto* scoreBox = qobject_cast<QPlainTextEdit*>(window("Score Log")->widget());
  EXPECT_TRUE(scoreBox->isReadOnly() && QFontInfo(scoreBox->font()).fixedPitch());
  // Tiling fills the area without overlap, side by side or one above the other; a cascade steps.
  const QRect area = form.mdiArea()->viewport()->rect();
  for (const bool sideBySide : {true, false}) {
    choose(sideBySide ? "&Window/Tile &Vertically" : "&Window/Tile &Horizontally");
    const QRect first = shownWindows()[0]->geometry(), second = shownWindows()[1]->geometry();
    EXPECT_TRUE((first | second) == area && !first.intersects(second)) << sideBySide;
    EXPECT_EQ(sideBySide ? second.top() : second.left(), 0);
  }
  choose("&Window/&Cascade");
  const QRect first = shownWindows()[0]->geometry(), second = shownWindows()[1]->geometry();
  EXPECT_TRUE(first.size() == second.size() && second.x() > first.x() && second.y() > first.y() &&
              first.width() >= area.width() / 2);
  // A window closed by its close box unchecks its own item only; its item brings it back.
  choose("&Window/C&hronology Log");
  choose("&Window/&Pilot Log");
  ASSERT_TRUE(window("Chronology Log")->close());
  EXPECT_EQ(screen().substr(screen().find('|')),
            "| &Scoring Log, &Pilot Log, &Raw Data Log | Pilot Log, Raw Log, Score Log");
  choose("&Window/C&hronology Log");
  // Score keeps the windows the user hid and the ones he opened; the score window always shows.
  choose("&Window/&Raw Data Log");
  choose("&Window/&Scoring Log");
  choose("&Score");
  EXPECT_EQ(screen().substr(screen().rfind('|')), "| Chronology Log, Pilot Log, Score Log");

  // --- Saving: Tools > Save Logs, and the save option chosen in the Options window.
  choose("&Tools/&Save Logs to Files");
  EXPECT_EQ(takeMessages(), Texts{"information: The log files have been saved."});
  EXPECT_EQ(takeSavedFiles(), kSavedByDefault);
  EXPECT_EQ(
      chooseModal("&Tools/&Options...", [](QWidget* options) { testing::clickButton(*options, "Save automatically"); }),
      QStringLiteral("Scoring Utility Options"));
  EXPECT_TRUE(std::filesystem::exists(program.file("vxScore.vxp")));
  choose("&Score");
  EXPECT_EQ(takeMessages(), Texts{"information: The log files have been saved."});
  EXPECT_EQ(testing::readFile(logs.file("vxLog2_Score.txt")), state.scoreLogText + "\r\n");
  EXPECT_EQ(takeSavedFiles(), kSavedByDefault);
  EXPECT_EQ(platform.questions.size(), 2u);  // the two Scores before only

  // --- The log-line editor: one child window; a click disables a line, the next Score lists it.
  choose("&Tools/&Edit Log Lines...");
  choose("&Tools/&Edit Log Lines...");
  EXPECT_EQ(screen().substr(screen().rfind('|')), "| Chronology Log, Log Edit, Pilot Log, Score Log");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  auto* editor = qobject_cast<FormLog*>(window("Log Edit")->widget());
  LogLinesModel& grid = *editor->model;
  const auto cell = [&](int line, int column, int role) { return grid.data(grid.index(line - 1, column), role); };
  EXPECT_EQ(grid.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString() + QString::number(grid.rowCount()) +
                cell(5, 0, Qt::DisplayRole).toString() + cell(3, 1, Qt::DisplayRole).toString(),
            QStringLiteral("Log Line55") + asShown(state.logLines[3].text));
  const auto colours = [&](int line) {  // of the number, then the text's back and fore
    const auto name = [&](int column, int role) { return cell(line, column, role).value<QColor>().name(); };
    return (name(0, Qt::BackgroundRole) + name(1, Qt::BackgroundRole) + name(1, Qt::ForegroundRole)).toStdString();
  };
  emit editor->grdLog->clicked(grid.index(2, 1));
  EXPECT_EQ(state.logLines[3].enabled, 0);
  EXPECT_EQ(colours(3), "#e0e0e0#800000#c8c8c8");  // dark red, light grey
  EXPECT_EQ(colours(4), "#e0e0e0#ffffff#000000");
  choose("&Score");
  const std::string disabled = state.scoreLogText.substr(state.scoreLogText.find("10. DISABLED LOG LINES"));
  EXPECT_NE(disabled.find(state.logLines[3].text), std::string::npos);
  EXPECT_EQ(textOf("Score Log"), asShown(state.scoreLogText));
  emit editor->grdLog->clicked(grid.index(2, 1));  // a second click takes the line back
  EXPECT_EQ(colours(3), colours(4));
  for (int row : {0, 4}) emit editor->grdLog->clicked(grid.index(row, 0));  // the number column too
  EXPECT_EQ(state.logLines[1].enabled + state.logLines[5].enabled, 0);
  editor->Enable->trigger();
  EXPECT_EQ(state.logLines[1].enabled + state.logLines[5].enabled, 2);
  EXPECT_EQ(takeMessages(),
            (Texts{"information: The log files have been saved.", "information: All log lines have been enabled."}));

  // --- A server file with a description names the server; editing and adjusting wait for a Score.
  platform.dialogAnswers = {logs.write("vx2Server.ini", "serverdesc=\"Friday Night Match\"\r\n")};
  choose("&File/&Open Server...");
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Skyvex Scoring Utility - Friday Night Match"));
  EXPECT_EQ(screen().substr(0, screen().find('|')), "&Score, &Save Logs to Files, &Window ");

  // --- A refused Score: a kill value typed in the Settings window makes the two kills overflow.
  EXPECT_EQ(chooseModal("S&ettings",
                        [](QWidget* setup) {
                          testing::typeIn(qobject_cast<FormSetup*>(setup)->txtPlane[17], QStringLiteral("20000"));
                        }),
            QStringLiteral("Server Settings"));
  EXPECT_EQ(state.planeTypes[18].planeValue, 20000);
  EXPECT_EQ(takeSavedFiles(), kSavedByDefault);  // by the Score of the editor's part
  const WorkingState beforeRefusal = state;
  const MenuState menusBefore = form.menuState();
  const std::string screenBefore = screen();
  const QString textsBefore = allTexts();
  choose("&Score");
  EXPECT_EQ(takeMessages(), Texts{"critical: Error: The kill points of Allied pilot Mad Major overflowed the "
                                  "16-bit range (-32768 to 32767)."});
  EXPECT_TRUE(state == beforeRefusal && form.menuState() == menusBefore);
  EXPECT_TRUE(screen() == screenBefore && allTexts() == textsBefore);
  EXPECT_EQ(takeSavedFiles(), "");

  // --- A second load hides the old results until the next Score; the open editor keeps its lines.
  platform.dialogAnswers = {logs.write("other.log", "12/06/03 21:00:00 Kettenhund has left the game\r\n")};
  choose("&File/Open &Log File(s)...");
  EXPECT_EQ(screen(), "&Score, &Window | &Raw Data Log | Log Edit, Raw Log");
  EXPECT_EQ(state.scoreLogText, beforeRefusal.scoreLogText);
  EXPECT_TRUE(textOf("Raw Log").contains(QStringLiteral("Kettenhund")));
  emit editor->grdLog->clicked(grid.index(4, 1));  // beyond the one line now loaded
  editor->Enable->trigger();
  EXPECT_EQ(grid.rowCount(), 5);
  EXPECT_EQ(state.logLines.size(), 2u);
  choose("&Score");
  EXPECT_EQ(chooseModal("&Tools/&Adjust Score..."), QStringLiteral("Adjust Scores"));
  EXPECT_TRUE(std::filesystem::exists(program.file("vxScore.vxa")));
  EXPECT_EQ(takeMessages(),
            (Texts{"information: All log lines have been enabled.", "information: The log files have been saved."}));
  EXPECT_EQ(takeSavedFiles(), kSavedByDefault);

  // --- Help without its pages is one error; About shows the version and beeps.
  choose("&Help/Program &Help");
  EXPECT_EQ(takeMessages(),
            Texts{"critical: Error: Could not find the help file " + program.file("help/index.html") + "."});
  QString version;
  EXPECT_EQ(chooseModal("&Help/&About",
                        [&](QWidget* about) { version = qobject_cast<FormAbout*>(about)->lblVersion->text(); }),
            QStringLiteral("Skyvex Scoring Utility"));
  EXPECT_EQ(version + QString::number(platform.beeps), QStringLiteral("Version: v3.0.0i beta1"));

  // --- Exit: the farewell window; its OK closes every window and ends the program, writing nothing.
  int ended = 0, finished = 0;
  QObject::connect(&form, &FormMain::shutDownFinished, [&] { ++ended; });
  choose("&File/E&xit");
  FormExit* farewell = form.exitWindow();
  ASSERT_NE(farewell, nullptr);
  EXPECT_TRUE(farewell->isVisible() && !form.isVisible() && platform.beeps == 2);
  EXPECT_EQ(farewell->genLbl->text(), QStringLiteral("Thank you for using the Skyvex Scoring Utility."));
  QObject::connect(farewell, &FormExit::finished, [&] { ++finished; });
  EXPECT_EQ(ended, 0);
  farewell->cmdOK->click();
  EXPECT_EQ(std::to_string(ended) + std::to_string(finished), "11");
  EXPECT_TRUE(form.isShutDown() && !farewell->isVisible());
  EXPECT_EQ(screen().substr(screen().rfind('|')), "| ");
  EXPECT_EQ(takeSavedFiles() + std::to_string(platform.messages.size()), "0");
}

TEST_F(MainWindowWalk, ClosingTheFarewellOrTheMainWindowEndsTheProgramToo) {
  int ended = 0;
  QObject::connect(&form, &FormMain::shutDownFinished, [&] { ++ended; });
  choose("&File/E&xit");
  EXPECT_TRUE(form.exitWindow()->close() && ended == 1 && !form.isVisible());
  // Closing the main window shows no farewell and closes an open log-line editor.
  WorkingState otherState;
  FormMain other(otherState, platform);
  other.show();
  QObject::connect(&other, &FormMain::shutDownFinished, [&] { ++ended; });
  other.openLogEditWindow();
  QPointer<QMdiSubWindow> editor = other.mdiArea()->subWindowList().back();
  EXPECT_TRUE(editor->isVisible() && other.close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(ended == 2 && other.exitWindow() == nullptr && platform.beeps == 1);
  EXPECT_TRUE(editor.isNull() || editor->isHidden());
  for (const QMdiSubWindow* child : other.mdiArea()->subWindowList()) EXPECT_TRUE(child->isHidden());
}

}  // namespace
}  // namespace skyvex::ui
