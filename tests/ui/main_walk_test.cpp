// The main window as a user meets it: one walk through its menus, found by
// their captions, with the file dialogs and messages answered by a script.
#include <gtest/gtest.h>


#include <QDir>
#include <QFontInfo>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <utility>

#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"
#include "tests/ui/qt_app.h"
#include "ui/help_window.h"
#include "ui/log_edit_window.h"
#include "ui/main_window.h"
#include "tests/ui/window_probe.h"
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
    {"&Window/&Raw Data Log", "Raw Log", &WorkingState::rawLogHeader},
    {"&Window/&Roster Log", "Roster Log", &WorkingState::rosterLogText},
    {"&Window/Processed Log", "Processed Raw Log", &WorkingState::processedLogText},
};
const std::string kSavedByDefault =
    "vxLog2_Bomb.txt vxLog2_Chron.txt vxLog2_Kill.txt vxLog2_Pilot.txt vxLog2_Pro.txt vxLog2_Raw.txt vxLog2_Score.txt";

// A report as its window shows it: one character per byte, CR LF as one line break.
std::string asShown(std::string bytes) {
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at)) bytes.erase(at, 1);
  return bytes;
}

class MainWindowWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(testing::sourcePath("data/org_vxLandmarkData.txt"),
                               program.file("org_vxLandmarkData.txt"));
    std::filesystem::create_directory(program.file("help"));
    std::filesystem::copy_file(testing::sourcePath("data/help/index.html"), program.file("help/index.html"));
    form.loadWindow(program.path());
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
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
  // The enabled commands of those that wait for a load or a Score | the checked log items | the shown windows.
  std::string screen() {
    QStringList enabled, checked, shown;
    for (const char* path :
         {"&Score", "&Tools/&Save Logs to Files", "&Tools/&Adjust Score...", "&Tools/&Edit Log Lines...", "&Window"})
      if (item(QLatin1String(path))->isEnabled()) enabled << item(QLatin1String(path))->text();
    for (const QAction* log : item(QStringLiteral("&Window"))->menu()->actions())
      if (log->isChecked()) checked << log->text();
    for (const QMdiSubWindow* child : WindowProbe::mdiArea(form)->subWindowList())
      if (!child->isHidden()) shown << child->windowTitle();
    shown.sort();
    return (enabled.join(", ") + " | " + checked.join(", ") + " | " + shown.join(", ")).toStdString();
  }
  // A child window wholly inside the area, at least half its width and height.
  bool readable(const QMdiSubWindow* child) const {
    const QRect area = WindowProbe::mdiArea(form)->viewport()->rect();
    return area.contains(child->geometry()) && child->width() >= area.width() / 2 &&
           child->height() >= area.height() / 2;
  }
  QMdiSubWindow* window(const char* caption) const {
    for (QMdiSubWindow* child : WindowProbe::mdiArea(form)->subWindowList())
      if (child->windowTitle() == QLatin1String(caption)) return child;
    return nullptr;
  }
  LogView& view(const char* caption) const { return *WindowProbe::logView(window(caption)); }
  std::string textOf(const char* caption) const { return view(caption).shownText(); }
  // The logs saved into the log folder since the last call, sorted; their files are removed.
  std::string takeSavedFiles() const {
    QStringList names = QDir(QString::fromStdString(logs.path())).entryList({QStringLiteral("vxLog2_*")}, QDir::Files);
    for (const QString& name : names) std::filesystem::remove(logs.file(name.toStdString()));
    return names.join(' ').toStdString();
  }
  // A key typed into widget, its window active as under a user's hands.
  void type(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    widget->window()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(widget->window()));
    QTest::keyClick(widget, key, modifiers);
  }
  std::string saved() const {
    return "information: The log files have been saved.\r\n\r\nFolder: " + logs.path() + "/";
  }
  // The messages shown since the last call, as "critical: ..." or "information: ...".
  Texts takeMessages() {
    Texts out;
    for (const auto& m : std::exchange(platform.messages, {}))
      out.push_back((m.icon == MessageIcon::Critical ? "critical: " : "information: ") + m.text);
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

// The sample match scored through the window gives the tool's SCORE LOG, as the
// sample's case file has it (also where the window program runs on Windows).
TEST_F(MainWindowWalk, ScoresTheSampleMatchAsTheToolDoes) {
  platform.dialogAnswers = {testing::sourcePath("data/sample/vx2Server.ini")};
  choose("&File/&Open Server...");
  platform.dialogAnswers = {testing::sourcePath("data/sample/sample.vxs")};
  choose("&File/Open S&ettings...");
  platform.dialogAnswers = {testing::sourcePath("data/sample") + '\0' + "match1.log" + '\0' + "match2.log" + '\0' +
                            "match3.log"};
  choose("&File/Open &Log File(s)...");
  choose("&Score");
  const std::string cases = testing::readFile(testing::sourcePath("tests/cases/sample/scored-with-its-setup.case"));
  const std::string heading = "=== out vxLog2_Score.txt\n";
  const std::size_t from = cases.find(heading) + heading.size();
  std::string expected = cases.substr(from, cases.find("\n=== ", from) + 1 - from);
  for (std::size_t at = expected.find('\n'); at != std::string::npos; at = expected.find('\n', at + 2))
    expected.insert(at, 1, '\r');
  EXPECT_EQ(state.scoreLogText + "\r\n", expected);  // a saved log is the report and one more line break
  EXPECT_TRUE(takeMessages().empty());
}

TEST_F(MainWindowWalk, FromStartUpToExit) {
  // --- Start-up: the version in the caption, nothing to score yet, even when Score is called directly.
  const QString versionCaption = QStringLiteral("Skyvex Scoring Utility - v3.0.0i beta");
  EXPECT_TRUE(form.windowTitle() == versionCaption && (form.windowState() & Qt::WindowMaximized));
  form.reportStartUpProblems();
  EXPECT_EQ(screen(), " |  | ");
  EXPECT_EQ(WindowProbe::statusText(form), "no setup: every value is 0    Server: none    Map: none    Lines: 0");
  const WorkingState fresh = state;
  form.scoreCommand();
  EXPECT_TRUE(state == fresh && takeMessages().empty());

  // --- A server file without a description sets the map and leaves the caption.
  platform.dialogAnswers = {logs.write("vx2Server.ini", "usemap=verdun.map\r\n")};
  choose("&File/&Open Server...");
  EXPECT_TRUE(state.mapIndex == 5 && form.windowTitle() == versionCaption);

  // --- Open Settings: a refused file leaves the setup in force; then the sample setup.
  const WorkingState beforeSetup = state;
  platform.dialogAnswers = {logs.write("short.vxs", "Only a name\r\n 2 \r\n"),
                            testing::sourcePath("data/sample/sample.vxs")};
  choose("&File/Open S&ettings...");
  const Texts refused = takeMessages();
  EXPECT_TRUE(refused.size() == 1 && refused[0].rfind("critical: Error: While reading setup file ", 0) == 0);
  EXPECT_TRUE(state == beforeSetup);
  choose("&File/Open S&ettings...");
  EXPECT_EQ(state.setupFileName + " " + std::to_string(state.mapIndex), "sample.vxs 2");
  EXPECT_EQ(WindowProbe::statusText(form),
            "Setup: sample.vxs    Server: Friday Night Skyvex League    Map: Flanders    Lines: 0");

  // --- Loading logs shows the raw log and enables Score; a vanished file leaves the lines loaded before.
  platform.dialogAnswers = {logs.write("match.log", kMatchLog), logs.file("vanished.log")};
  choose("&File/Open &Log File(s)...");
  EXPECT_TRUE(platform.dialogs.back().multipleSelection);
  EXPECT_FALSE(item(QStringLiteral("&File/Export &Match Report..."))->isEnabled());
  EXPECT_EQ(screen(), "&Score | &Raw Data Log | Raw Log");
  EXPECT_NE(textOf("Raw Log").find("[Mad Major]: S! J\xe9r\xf4me\n"), std::string::npos);
  const WorkingState loaded = state;
  choose("&File/Open &Log File(s)...");
  EXPECT_EQ(takeMessages(), Texts{"critical: Error: Could not read the log file " + logs.file("vanished.log") +
                                  ": No such file or directory."});
  EXPECT_TRUE(state == loaded && screen() == "&Score | &Raw Data Log | Raw Log");

  // --- The first Score asks before saving (No saves nothing), enables the rest and shows the score.
  choose("&Score");
  EXPECT_EQ(platform.questions, Texts{"The scoring process is complete.\r\n\r\nDo you want to save the log files?"});
  EXPECT_TRUE(takeMessages().empty() && takeSavedFiles().empty());
  EXPECT_EQ(screen(),
            "&Score, &Save Logs to Files, &Adjust Score..., &Edit Log Lines..., &Window | &Scoring Log, "
            "&Raw Data Log | Raw Log, Score Log");
  EXPECT_EQ(WindowProbe::mdiArea(form)->activeSubWindow(), window("Score Log"));

  // --- Export writes the match report and its JSON results side by side; the chart window shows
  // the Score's pilots in, and a new load closes it and waits for the next Score to export.
  platform.dialogAnswers = {logs.file("friday")};
  choose("&File/Export &Match Report...");
  EXPECT_EQ(platform.dialogs.back().suggestedName, "12-05-03 Friday Night Skyvex League Flanders.html");
  EXPECT_EQ(takeMessages(), Texts{"information: The match report has been saved.\r\n\r\nPage: " + logs.file("friday.html") +
                                  "\r\nResults: " + logs.file("friday.json")});
  EXPECT_TRUE(std::filesystem::exists(logs.file("friday.html")) && std::filesystem::exists(logs.file("friday.json")));
  choose("&Window/Pilots In Char&t");
  EXPECT_TRUE(!WindowProbe::chartWindow(form)->isHidden() &&
              !WindowProbe::chartWindow(form)->canvas()->chart().steps[0].empty());
  choose("&Window/Pilots In Char&t");
  EXPECT_TRUE(WindowProbe::chartWindow(form)->isHidden() && !item(QStringLiteral("&Window/Pilots In Char&t"))->isChecked());
  // The standings of the folder just exported to: a child window with its own Window item.
  platform.dialogAnswers = {logs.path()};
  choose("&Tools/Season S&tandings...");
  EXPECT_EQ(platform.questions.back(), "Export the season standings as an HTML page?");  // answered No
  QAction* standingsItem = item(QStringLiteral("&Window/Season Standin&gs"));
  EXPECT_TRUE(readable(window("Season Standings")) && standingsItem->isChecked());
  EXPECT_NE(textOf("Season Standings").find("Friday Night Skyvex League"), std::string::npos);
  choose("&Window/Season Standin&gs");
  EXPECT_TRUE(window("Season Standings")->isHidden() && !standingsItem->isChecked() && standingsItem->isEnabled());

  // --- The log windows: a shown one holds its report, a hidden one nothing (it takes its report
  // when shown); its Window item shows and hides it.
  for (const auto& [logItem, caption, report] : kLogWindows) {
    SCOPED_TRACE(caption);
    const std::string shown = asShown(logText(state, report));
    const bool wasShown = !window(caption)->isHidden();
    EXPECT_EQ(textOf(caption), wasShown ? shown : "");
    choose(logItem);
    EXPECT_TRUE(window(caption)->isHidden() == wasShown && item(QLatin1String(logItem))->isChecked() == !wasShown &&
                (wasShown || (WindowProbe::mdiArea(form)->activeSubWindow() == window(caption) && readable(window(caption)))));
    EXPECT_EQ(textOf(caption), wasShown ? "" : shown);
    choose(logItem);
  }
  // The logs' font, and the keys to their last and first lines.
  LogView& scoreView = view("Score Log");
  const QFontInfo font(scoreView.font());
  EXPECT_EQ(scoreView.font().pointSizeF(), 8.5);
#ifndef _WIN32  // Qt's offscreen platform on Windows knows no fonts at all: the family is checked on Linux
  EXPECT_TRUE(font.fixedPitch() && QStringList({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}).contains(font.family()))
      << font.family().toStdString();
#endif
  type(&scoreView, Qt::Key_End, Qt::ControlModifier);
  const int last = scoreView.verticalScrollBar()->value();
  type(&scoreView, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_TRUE(last > 0 && last == scoreView.verticalScrollBar()->maximum() && !scoreView.verticalScrollBar()->value());
  // Tiling and cascading keep the shown windows inside the area.
  for (const char* arrange : {"&Window/Tile &Vertically", "&Window/Tile &Horizontally", "&Window/&Cascade"}) {
    choose(arrange);
    for (const QMdiSubWindow* child : WindowProbe::mdiArea(form)->subWindowList())
      EXPECT_TRUE(child->isHidden() || WindowProbe::mdiArea(form)->viewport()->rect().contains(child->geometry())) << arrange;
  }
  // A window closed by its close box unchecks its own item only; Score keeps the windows the user
  // hid and the ones he opened, and the score window always shows.
  for (const char* logItem : {"&Window/C&hronology Log", "&Window/&Pilot Log"}) choose(logItem);
  ASSERT_TRUE(window("Chronology Log")->close());
  EXPECT_EQ(screen().substr(screen().find('|')),
            "| &Scoring Log, &Pilot Log, &Raw Data Log | Pilot Log, Raw Log, Score Log");
  for (const char* logItem : {"&Window/C&hronology Log", "&Window/&Raw Data Log", "&Window/&Scoring Log", "&Score"})
    choose(logItem);
  EXPECT_EQ(screen().substr(screen().rfind('|')), "| Chronology Log, Pilot Log, Score Log");

  // --- Saving: Tools > Save Logs, and the save option chosen in the Options window.
  choose("&Tools/&Save Logs to Files");
  EXPECT_EQ(takeMessages(), Texts{saved()});
  EXPECT_EQ(takeSavedFiles(), kSavedByDefault);
  testing::withModalWindow([&] { choose("&Tools/&Options..."); },
                           [](QWidget* options) { testing::clickButton(*options, "Save automatically"); });
  choose("&Score");
  EXPECT_EQ(takeMessages(), Texts{saved()});
  EXPECT_EQ(testing::readFile(logs.file("vxLog2_Score.txt")), state.scoreLogText + "\r\n");
  EXPECT_EQ(takeSavedFiles(), kSavedByDefault);
  EXPECT_EQ(platform.questions.size(), 3u);  // the two Scores and the standings before only

  // --- The log-line editor: a child window; a click disables a line, the next Score lists it.
  choose("&Tools/&Edit Log Lines...");
  EXPECT_EQ(screen().substr(screen().rfind('|')), "| Chronology Log, Log Edit, Pilot Log, Score Log");
  EXPECT_TRUE(readable(window("Log Edit")));
  auto* editor = qobject_cast<FormLog*>(window("Log Edit")->widget());
  auto& editorUi = WindowProbe::controls(*editor);
  LogLinesModel& grid = *editorUi.model;
  EXPECT_EQ(QString::number(grid.rowCount()) + grid.index(2, 1).data().toString(),
            "5" + QString::fromLatin1(state.logLines[3].text.c_str()));
  emit editorUi.grdLog->clicked(grid.index(2, 1));
  choose("&Score");
  const std::string& score = state.scoreLogText;
  EXPECT_NE(score.find(state.logLines[3].text, score.find("10. DISABLED LOG LINES")), std::string::npos);
  EXPECT_EQ(textOf("Score Log"), asShown(state.scoreLogText));
  emit editorUi.grdLog->clicked(grid.index(2, 1));  // a second click takes the line back
  for (int row : {0, 4}) emit editorUi.grdLog->clicked(grid.index(row, 0));  // the number column too
  EXPECT_EQ(state.logLines[1].enabled + state.logLines[3].enabled + state.logLines[5].enabled, 1);
  // The keys of the active editor: Space toggles the current line, the first at opening; Enter the
  // one below. Alt+E is the editor's Enable All, not the main window's Settings (any window that
  // opened is counted).
  WindowProbe::mdiArea(form)->setActiveSubWindow(window("Log Edit"));
  type(editorUi.grdLog, Qt::Key_Space);
  EXPECT_EQ(QApplication::focusWidget(), editorUi.grdLog);
  type(editorUi.grdLog, Qt::Key_Down);
  type(editorUi.grdLog, Qt::Key_Return);
  EXPECT_EQ(std::to_string(state.logLines[1].enabled) + std::to_string(state.logLines[2].enabled), "10");
  int opened = 0;
  testing::withModalWindow([&] { type(editorUi.grdLog, Qt::Key_E, Qt::AltModifier); },
                           [&](QWidget*) { ++opened; });
  EXPECT_EQ(opened + state.logLines[2].enabled + state.logLines[5].enabled, 2);
  EXPECT_EQ(takeMessages(), (Texts{saved(), "information: All log lines have been enabled."}));
  // F1 opens the help at the editor's part; Escape closes it.
  type(editorUi.grdLog, Qt::Key_F1);
  FormHelp* help = WindowProbe::helpWindow(form);
  ASSERT_TRUE(help && help->isVisible());
  EXPECT_EQ(help->browser()->source().fragment(), QStringLiteral("edit"));
  type(help->browser(), Qt::Key_Escape);
  EXPECT_FALSE(help->isVisible());

  // --- A server file with a description names the server; editing and adjusting wait for a Score.
  platform.dialogAnswers = {logs.write("vx2Server.ini", "serverdesc=\"Friday Night Match\"\r\n")};
  choose("&File/&Open Server...");
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Skyvex Scoring Utility - Friday Night Match"));
  EXPECT_EQ(screen().substr(0, screen().find('|')), "&Score, &Save Logs to Files, &Window ");

  // --- A refused Score: a kill value typed in the Settings window makes the two kills overflow.
  testing::withModalWindow([&] { choose("S&ettings"); }, [](QWidget* setup) {
    testing::typeIn(WindowProbe::controls(*qobject_cast<FormSetup*>(setup)).txtPlane[17], QStringLiteral("20000"));
  });
  EXPECT_EQ(takeSavedFiles(), kSavedByDefault);  // by the Score of the editor's part
  const auto windows = [&](std::string all = {}) {  // what the menus and log windows show
    for (const auto& row : kLogWindows) all += textOf(std::get<1>(row));
    return all + screen();
  };
  const WorkingState beforeRefusal = state;
  const MenuState menusBefore = form.menuState();
  const std::string windowsBefore = windows();
  choose("&Score");
  EXPECT_EQ(takeMessages(), Texts{"critical: Error: The kill points of Allied pilot Mad Major overflowed the "
                                  "16-bit range (-32768 to 32767)."});
  EXPECT_TRUE(state == beforeRefusal && form.menuState() == menusBefore && windows() == windowsBefore);
  EXPECT_EQ(takeSavedFiles(), "");

  // --- A second load hides the old results until the next Score; the open editor shows the new
  // lines. The raw log wraps a line of three megabytes at its box's width.
  const std::string left = "12/06/03 21:00:00 Kettenhund has left the game";
  const std::string longChat = "12/06/03 21:00:01 [Kettenhund]: " + std::string(3'000'000, 'x');
  platform.dialogAnswers = {logs.write("other.log", left + "\r\n" + longChat + "\r\n")};
  choose("&File/Open &Log File(s)...");
  EXPECT_EQ(screen(), "&Score, &Window | &Raw Data Log | Log Edit, Raw Log");
  const LogView& raw = view("Raw Log");
  EXPECT_NE(raw.shownText().find(left + "\n" + longChat + "\n"), std::string::npos);
  EXPECT_GT(raw.rows().size(), longChat.size() / raw.columns());
  EXPECT_EQ(std::to_string(grid.rowCount()) + grid.index(0, 1).data().toString().toStdString(), "2" + left);
  emit editorUi.grdLog->clicked(grid.index(1, 1));
  WindowProbe::mdiArea(form)->setActiveSubWindow(window("Log Edit"));
  type(editorUi.grdLog, Qt::Key_F4, Qt::ControlModifier);  // closes the active window
  EXPECT_EQ(screen(), "&Score, &Window | &Raw Data Log | Raw Log");
  choose("&Score");
  EXPECT_EQ(state.logLines[1].enabled * 10 + state.logLines[2].enabled, 10);
  // F1 in a settings window opens the help at its part, over it.
  testing::withModalWindow([&] { choose("&Tools/&Adjust Score..."); }, [this](QWidget* adjust) {
    type(adjust, Qt::Key_F1);
    const auto* adjustHelp = adjust->findChild<FormHelp*>();
    EXPECT_TRUE(adjustHelp && adjustHelp->isVisible() && adjustHelp->browser()->source().fragment() == "adjust");
  });
  EXPECT_TRUE(std::filesystem::exists(program.file("vxScore.vxa")));
  EXPECT_EQ(takeMessages(), Texts{saved()});
  EXPECT_EQ(takeSavedFiles(), kSavedByDefault);

  // --- Exit: the farewell window; its OK closes every window and ends the program, writing nothing.
  int ended = 0;
  QObject::connect(&form, &FormMain::shutDownFinished, [&] { ++ended; });
  choose("&File/E&xit");
  FormExit* farewell = WindowProbe::exitWindow(form);
  ASSERT_NE(farewell, nullptr);
  EXPECT_LE((farewell->frameGeometry().center() - form.screen()->availableGeometry().center()).manhattanLength(), 4);
  EXPECT_TRUE(farewell->isVisible() && !form.isVisible() && platform.beeps == 1 && ended == 0);
  WindowProbe::controls(*farewell).cmdOK->click();
  EXPECT_TRUE(ended == 1 && form.isShutDown() && !farewell->isVisible());
  EXPECT_EQ(screen().substr(screen().rfind('|')) + takeSavedFiles() + std::to_string(platform.messages.size()), "| 0");
}

TEST_F(MainWindowWalk, ClosingTheMainWindowEndsTheProgramWithoutFarewellAndClosesTheEditor) {
  int ended = 0;
  QObject::connect(&form, &FormMain::shutDownFinished, [&] { ++ended; });
  form.editLinesCommand();
  QPointer<QMdiSubWindow> editor = WindowProbe::mdiArea(form)->subWindowList().back();
  ASSERT_TRUE(editor->isVisible() && form.close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(ended == 1 && WindowProbe::exitWindow(form) == nullptr && !platform.beeps && (editor.isNull() || editor->isHidden()));
}


// A new menu command without its help heading or manual-page entry fails here.
TEST_F(MainWindowWalk, EveryMenuCommandIsDescribedInTheHelpAndTheManualPage) {
  // "Menu/Command" for every command of the menu bar, without accelerator marks and ellipses.
  const auto plain = [](QString caption) { return caption.remove(QLatin1Char('&')).remove(QStringLiteral("...")); };
  std::set<std::string> commands;
  for (QAction* top : form.menuBar()->actions()) {
    if (!top->menu()) commands.insert(plain(top->text()).toStdString());
    else
      for (QAction* sub : top->menu()->actions())
        if (!sub->isSeparator()) commands.insert((plain(top->text()) + '/' + plain(sub->text())).toStdString());
  }
  // The help's headings: the bold names in its <h3> and <dt> elements, under the <h3> of their menu.
  const std::string help = testing::readFile(testing::sourcePath("data/help/index.html"));
  const std::regex element(R"(<(h3|dt)>([\s\S]*?)</\1>)"), bold(R"(<b>([^<]*)</b>)"), tag(R"(<[^>]*>)");
  std::set<std::string> helped;
  std::string menu;
  for (std::sregex_iterator e(help.begin(), help.end(), element), end; e != end; ++e) {
    const std::string inside = (*e)[2];
    if ((*e)[1] == "h3") menu = std::regex_replace(inside, tag, "");
    for (std::sregex_iterator b(inside.begin(), inside.end(), bold); b != end; ++b)
      helped.insert(((*e)[1] == "h3" ? "" : menu + "/") + plain(QString::fromStdString((*b)[1])).toStdString());
  }
  // The manual page's entries: ".B Menu > First, Second" or ".B Command" under MENU COMMANDS.
  const std::string manual = testing::readFile(testing::sourcePath("packaging/skyvex-scoring.1"));
  const std::size_t from = manual.find(".SH MENU COMMANDS"), to = manual.find(".SH", from + 1);
  std::istringstream entries(manual.substr(from, to - from));
  std::set<std::string> listed;
  for (std::string line; std::getline(entries, line);) {
    if (line.rfind(".B ", 0) != 0) continue;
    const std::size_t arrow = line.find(" > ");
    const std::string prefix = arrow == std::string::npos ? "" : line.substr(3, arrow - 3) + "/";
    std::istringstream names(line.substr(arrow == std::string::npos ? 3 : arrow + 3));
    for (std::string name; std::getline(names >> std::ws, name, ',');)
      listed.insert(prefix + plain(QString::fromStdString(name)).toStdString());
  }
  for (const std::string& command : commands) EXPECT_TRUE(helped.count(command)) << command << " has no help heading";
  EXPECT_EQ(listed, commands);
}

}  // namespace
}  // namespace skyvex::ui
