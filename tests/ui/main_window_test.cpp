#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <filesystem>

#include "core/file_system.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"
#include "tests/ui/qt_app.h"
#include "ui/qt_text.h"

namespace skyvex::ui {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;

constexpr const char* kMatchLog =
    "Skyvex Dedicated Server v2.1\r\n"
    "12/05/03 20:00:43 Mad Major (UDP:203.0.113.220:28002) has entered the game flying a SE5A\r\n"
    "12/05/03 20:00:53 Der Spatz (UDP:198.51.100.49:28001) has entered the game flying a ALBATROS_DIII\r\n"
    "12/05/03 20:00:58 [Mad Major]: S! gents\r\n"
    "12/05/03 20:04:21 Kill of Der Spatz (ALBATROS_DIII) awarded to Mad Major (SE5A)\r\n"
    "12/05/03 20:05:00 Der Spatz has left the game\r\n"
    "12/05/03 20:06:00 Mad Major has left the game\r\n";

constexpr const char* kOtherLog =
    "12/06/03 21:00:00 Kettenhund (UDP:192.0.2.96:28002) has entered the game flying a PFALZ_DIII\r\n"
    "12/06/03 21:10:00 Kettenhund has left the game\r\n";

constexpr const char* kSavedFiles[] = {"vxLog2_Bomb.txt", "vxLog2_Chat.txt",   "vxLog2_Chron.txt",
                                       "vxLog2_IP.txt",   "vxLog2_Kill.txt",   "vxLog2_Pilot.txt",
                                       "vxLog2_Pro.txt",  "vxLog2_Raw.txt",    "vxLog2_Roster.txt",
                                       "vxLog2_Score.txt"};

// The menu's items as captions, "-" for a separator.
std::vector<std::string> captions(const QMenu* menu) {
  std::vector<std::string> out;
  for (const QAction* item : menu->actions())
    out.push_back(item->isSeparator() ? std::string("-") : item->text().toStdString());
  return out;
}

class FormMainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::qtApplication();
    std::filesystem::copy_file(testing::sourcePath("data/org_vxLandmarkData.txt"),
                               program.file("org_vxLandmarkData.txt"));
    form = std::make_unique<FormMain>(state, platform);
    form->loadWindow(program.path());
    state.fixedScoreTime = testing::goldenScoreTime();
    matchLog = logs.write("match.log", kMatchLog);
  }

  void loadMatch() {
    platform.dialogAnswers.push_back(matchLog);
    form->openLogsCommand();
  }
  // Loads the match and scores it with saving left to the user.
  void loadAndScore() {
    loadMatch();
    state.saveOption = 2;
    form->scoreCommand();
    platform.messages.clear();
  }

  bool enabled(const char* item) const { return form->menuItem(item)->isEnabled(); }
  bool checked(LogWindow w) const { return form->menuItem(logWindowInfo(w).menuName)->isChecked(); }
  bool shown(LogWindow w) const { return !form->logWindow(w)->isHidden(); }
  std::string windowText(LogWindow w) const {
    return form->logWindow(w)->txtLog()->toPlainText().toStdString();
  }
  std::vector<std::string> savedFiles() const {
    std::vector<std::string> found;
    for (const char* name : kSavedFiles)
      if (FileExists(logs.file(name))) found.push_back(name);
    return found;
  }

  TempFolder program;
  TempFolder logs;
  std::string matchLog;
  WorkingState state;
  ScriptedPlatform platform;
  std::unique_ptr<FormMain> form;
};

constexpr LogWindow kAllLogs[] = {LogWindow::Score, LogWindow::Bomb,  LogWindow::Chat,  LogWindow::Chron,
                                  LogWindow::Kill,  LogWindow::Pilot, LogWindow::IP,    LogWindow::Raw,
                                  LogWindow::Roster, LogWindow::Pro};

// --- The frame and its menus ---

TEST_F(FormMainTest, LoadingTheWindowRunsStartUpAndSetsTheCaption) {
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Skyvex Scoring Utility - v3.0.0i beta"));
  EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
  EXPECT_EQ(state.planeTypeCount, 22);
  EXPECT_EQ(state.programFolder, program.path());
  EXPECT_GT(state.landmarkCounts[2], 0);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FormMainTest, TheMenuTreeHasEveryCaptionAndSeparator) {
  std::vector<std::string> bar;
  for (const QAction* item : form->menuBar()->actions()) bar.push_back(item->text().toStdString());
  EXPECT_EQ(bar, (std::vector<std::string>{"&File", "&Score", "S&ettings", "&Tools", "&Window", "&Help"}));
  EXPECT_EQ(captions(form->menuItem("m_File")->menu()),
            (std::vector<std::string>{"&Open Server...", "-", "Open S&ettings...", "-", "Open &Log File(s)...",
                                      "-", "E&xit"}));
  EXPECT_EQ(captions(form->menuItem("m_Tools")->menu()),
            (std::vector<std::string>{"&Save Logs to Files", "-", "&Adjust Score...", "&Edit Log Lines...", "-",
                                      "&Options..."}));
  EXPECT_EQ(captions(form->menuItem("m_Win")->menu()),
            (std::vector<std::string>{"&Cascade", "-", "Tile &Vertically", "Tile &Horizontally", "-",
                                      "&Scoring Log", "-", "&Bomb Log", "&Chat Log", "C&hronology Log",
                                      "&Kills Log", "&Pilot Log", "&IP Log", "&Raw Data Log", "&Roster Log", "-",
                                      "Processed Log"}));
  EXPECT_EQ(captions(form->menuItem("m_Help")->menu()),
            (std::vector<std::string>{"Program &Help", "-", "&About"}));
  EXPECT_EQ(form->menuItem("m_Help_Help")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(FormMainTest, EveryNamedItemIsFound) {
  for (const char* name : {"m_File_Server", "m_File_OpenSetup", "m_File_Logs", "m_File_Exit", "m_Score",
                           "m_Setup", "m_Tools_Save", "m_Tools_Adjust", "m_Tools_Edit", "m_Tools_Options",
                           "m_Win_Cascade", "m_Win_V", "m_Win_H", "m_Win_Score", "m_Win_Bomb", "m_Win_Chat",
                           "m_Win_Chron", "m_Win_Kill", "m_Win_Pilot", "m_Win_IP", "m_Win_Raw", "m_Win_Roster",
                           "m_Win_Pro", "m_Help_Help", "m_Help_About"})
    EXPECT_NE(form->menuItem(name), nullptr) << name;
}

TEST_F(FormMainTest, AtStartScoreTheWindowMenuAndThreeToolsAreDisabled) {
  EXPECT_FALSE(enabled("m_Score"));
  EXPECT_FALSE(enabled("m_Tools_Save"));
  EXPECT_FALSE(enabled("m_Tools_Edit"));
  EXPECT_FALSE(enabled("m_Tools_Adjust"));
  EXPECT_FALSE(enabled("m_Win"));
  for (const char* name : {"m_File_Server", "m_File_OpenSetup", "m_File_Logs", "m_File_Exit", "m_Setup",
                           "m_Tools_Options", "m_Help_Help", "m_Help_About"})
    EXPECT_TRUE(enabled(name)) << name;
  for (LogWindow w : kAllLogs) {
    EXPECT_FALSE(checked(w));
    EXPECT_FALSE(shown(w));
  }
}

TEST_F(FormMainTest, ALandmarkProblemIsOneErrorMessage) {
  TempFolder bare;
  WorkingState otherState;
  FormMain other(otherState, platform);
  other.loadWindow(bare.path());
  EXPECT_TRUE(platform.messages.empty()) << "shown once the window is up, not before";
  other.reportStartUpProblems();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.rfind("Error: ", 0), 0u);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
}

// --- Loading logs ---

TEST_F(FormMainTest, LoadingLogsShowsOnlyTheRawLogAndEnablesScore) {
  loadMatch();
  ASSERT_EQ(platform.dialogs.size(), 1u);
  EXPECT_EQ(platform.dialogs[0].title, "Open Skyvex Log Files");
  EXPECT_EQ(platform.dialogs[0].filter, "Log Files (*.log)|*.log|");
  EXPECT_TRUE(platform.dialogs[0].multipleSelection);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(state.lineCount, 6);
  EXPECT_TRUE(enabled("m_Score"));
  EXPECT_FALSE(enabled("m_Tools_Save"));
  EXPECT_FALSE(enabled("m_Win"));
  for (LogWindow w : kAllLogs) {
    EXPECT_EQ(checked(w), w == LogWindow::Raw);
    EXPECT_EQ(shown(w), w == LogWindow::Raw);
  }
  EXPECT_EQ(windowText(LogWindow::Raw), reportText(state.rawLogText).toStdString());
  EXPECT_NE(windowText(LogWindow::Raw).find("RAW LOG"), std::string::npos);
}

TEST_F(FormMainTest, ACancelledDialogChangesNothing) {
  loadMatch();
  const WorkingState before = state;
  const MenuState menusBefore = form->menuState();
  const std::string rawBefore = windowText(LogWindow::Raw);
  platform.dialogAnswers.push_back(std::nullopt);
  form->openLogsCommand();
  platform.dialogAnswers.push_back(std::nullopt);
  form->openServerCommand();
  platform.dialogAnswers.push_back(std::nullopt);
  form->openSetupCommand();
  EXPECT_EQ(platform.dialogs.size(), 4u);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(state == before);
  EXPECT_EQ(form->menuState(), menusBefore);
  EXPECT_EQ(windowText(LogWindow::Raw), rawBefore);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Skyvex Scoring Utility - v3.0.0i beta"));
}

TEST_F(FormMainTest, AFailedLoadKeepsTheEarlierLines) {
  loadMatch();
  const WorkingState before = state;
  const std::string rawBefore = windowText(LogWindow::Raw);
  platform.dialogAnswers.push_back(logs.file("vanished.log"));
  form->openLogsCommand();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.rfind("Error: ", 0), 0u) << platform.messages[0].text;
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_TRUE(state == before);
  EXPECT_EQ(windowText(LogWindow::Raw), rawBefore);
  EXPECT_TRUE(enabled("m_Score"));
}

TEST_F(FormMainTest, ASecondLoadHidesTheOldResultsUntilTheNextScore) {
  loadAndScore();
  form->toggleLogWindow(LogWindow::Chron);
  ASSERT_TRUE(shown(LogWindow::Chron));
  const std::string oldScore = state.scoreLogText;
  platform.dialogAnswers.push_back(logs.write("other.log", kOtherLog));
  form->openLogsCommand();
  for (LogWindow w : kAllLogs) {
    EXPECT_EQ(checked(w), w == LogWindow::Raw);
    EXPECT_EQ(shown(w), w == LogWindow::Raw);
  }
  EXPECT_TRUE(enabled("m_Win"));
  EXPECT_FALSE(enabled("m_Tools_Save"));
  EXPECT_FALSE(enabled("m_Tools_Edit"));
  EXPECT_FALSE(enabled("m_Tools_Adjust"));
  EXPECT_EQ(state.scoreLogText, oldScore);
  EXPECT_NE(windowText(LogWindow::Raw).find("Kettenhund"), std::string::npos);
}

// --- The Score command ---

TEST_F(FormMainTest, ScoringShowsTheScoreLogAndEnablesTheRest) {
  loadMatch();
  state.saveOption = 2;
  form->scoreCommand();
  EXPECT_TRUE(enabled("m_Win"));
  EXPECT_TRUE(enabled("m_Tools_Save"));
  EXPECT_TRUE(enabled("m_Tools_Edit"));
  EXPECT_TRUE(enabled("m_Tools_Adjust"));
  for (LogWindow w : kAllLogs) {
    EXPECT_EQ(checked(w), w == LogWindow::Raw || w == LogWindow::Score);
    EXPECT_EQ(shown(w), w == LogWindow::Raw || w == LogWindow::Score);
  }
  EXPECT_EQ(form->mdiArea()->activeSubWindow(), form->logWindow(LogWindow::Score));
  // Hidden windows already hold the latest texts.
  for (LogWindow w : kAllLogs)
    EXPECT_EQ(windowText(w), reportText(state.*logWindowInfo(w).text).toStdString()) << indexOf(w);
  EXPECT_NE(windowText(LogWindow::Score).find("Mad Major"), std::string::npos);
}

TEST_F(FormMainTest, ScoringKeepsTheLogsTheUserHidAndShowsTheOnesHeOpened) {
  loadAndScore();
  form->toggleLogWindow(LogWindow::Raw);
  form->toggleLogWindow(LogWindow::Kill);
  form->toggleLogWindow(LogWindow::Score);
  form->scoreCommand();
  EXPECT_FALSE(shown(LogWindow::Raw));
  EXPECT_TRUE(shown(LogWindow::Kill));
  EXPECT_TRUE(shown(LogWindow::Score)) << "the score window is always shown";
  EXPECT_TRUE(checked(LogWindow::Score));
}

TEST_F(FormMainTest, SaveOptionZeroSavesAndOnlySaysSo) {
  loadMatch();
  state.saveOption = 0;
  form->scoreCommand();
  EXPECT_TRUE(platform.questions.empty());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "The log files have been saved.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(savedFiles(), (std::vector<std::string>{"vxLog2_Bomb.txt", "vxLog2_Chron.txt", "vxLog2_Kill.txt",
                                                    "vxLog2_Pilot.txt", "vxLog2_Pro.txt", "vxLog2_Raw.txt",
                                                    "vxLog2_Score.txt"}));
  EXPECT_EQ(testing::readFile(logs.file("vxLog2_Score.txt")), state.scoreLogText + "\r\n");
}

TEST_F(FormMainTest, SaveOptionOneAsksAndYesSaves) {
  loadMatch();
  state.saveOption = 1;
  platform.questionAnswers.push_back(true);
  form->scoreCommand();
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0], "The scoring process is complete.\r\n\r\nDo you want to save the log files?");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "The log files have been saved.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(savedFiles().size(), 7u);
}

TEST_F(FormMainTest, SaveOptionOneAndNoWritesNothingAndSaysNothingMore) {
  loadMatch();
  state.saveOption = 1;
  platform.questionAnswers.push_back(false);
  form->scoreCommand();
  EXPECT_EQ(platform.questions.size(), 1u);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(savedFiles().empty());
  EXPECT_TRUE(enabled("m_Tools_Save")) << "saving can follow later";
  form->saveLogsMenuCommand();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "The log files have been saved.");
  EXPECT_EQ(savedFiles().size(), 7u);
}

TEST_F(FormMainTest, SaveOptionTwoOnlySaysTheScoringIsComplete) {
  loadMatch();
  state.saveOption = 2;
  form->scoreCommand();
  EXPECT_TRUE(platform.questions.empty());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "The scoring process is complete.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_TRUE(savedFiles().empty());
}

TEST_F(FormMainTest, AnUnwritableLogFolderIsOneErrorAndTheResultsStay) {
  loadMatch();
  state.saveOption = 0;
  state.logFolder = logs.file("gone") + "/";
  form->scoreCommand();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.rfind("Error: ", 0), 0u) << platform.messages[0].text;
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_FALSE(state.scoreLogText.empty());
  EXPECT_TRUE(enabled("m_Tools_Save"));
}

// The Score command leaves a refused scoring to the command itself: one error
// message, the earlier results kept, nothing saved and no menu changed.
TEST_F(FormMainTest, ARefusedScoreIsOneErrorAndKeepsTheEarlierResults) {
  loadAndScore();
  const std::string twoKills = std::string(kMatchLog) +
                               "12/05/03 20:10:00 Der Spatz (UDP:198.51.100.49:28001) has entered the game flying a "
                               "ALBATROS_DIII\r\n"
                               "12/05/03 20:14:21 Kill of Der Spatz (ALBATROS_DIII) awarded to Mad Major (SE5A)\r\n";
  platform.dialogAnswers.push_back(logs.write("two.log", twoKills));
  form->openLogsCommand();
  for (PlaneType& type : state.planeTypes)
    if (type.logName == "ALBATROS_DII") type.planeValue = 20000;  // the second kill overflows the kill points
  state.saveOption = 0;
  const WorkingState before = state;
  platform.messages.clear();
  form->scoreCommand();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.rfind("Error: ", 0), 0u) << platform.messages[0].text;
  EXPECT_NE(platform.messages[0].text.find("overflowed"), std::string::npos) << platform.messages[0].text;
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
  EXPECT_TRUE(state == before);
  EXPECT_TRUE(savedFiles().empty());
}

TEST_F(FormMainTest, ScoringTwiceGivesTheSameTexts) {
  loadAndScore();
  const WorkingState first = state;
  std::vector<std::string> shownFirst;
  for (LogWindow w : kAllLogs) shownFirst.push_back(windowText(w));
  form->scoreCommand();
  for (LogWindow w : kAllLogs) EXPECT_EQ(state.*logWindowInfo(w).text, first.*logWindowInfo(w).text);
  std::vector<std::string> shownSecond;
  for (LogWindow w : kAllLogs) shownSecond.push_back(windowText(w));
  EXPECT_EQ(shownSecond, shownFirst);
}

TEST_F(FormMainTest, ScoreDoesNothingBeforeALoad) {
  const WorkingState before = state;
  form->scoreCommand();
  EXPECT_TRUE(state == before);
  EXPECT_TRUE(platform.messages.empty());
}

// --- Server and setup files ---

TEST_F(FormMainTest, AServerFileSetsTheCaptionAndDisablesEditAndAdjust) {
  loadAndScore();
  const std::string ini = logs.write("vx2Server.ini", "serverdesc=\"Friday Night Match\"\r\nusemap=flanders.map\r\n");
  platform.dialogAnswers.push_back(ini);
  form->openServerCommand();
  ASSERT_EQ(platform.dialogs.size(), 2u);
  EXPECT_EQ(platform.dialogs[1].title, "Open Skyvex Server File");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Skyvex Scoring Utility - Friday Night Match"));
  EXPECT_EQ(state.mapIndex, 2);
  EXPECT_TRUE(enabled("m_Score"));
  EXPECT_TRUE(enabled("m_Tools_Save"));
  EXPECT_FALSE(enabled("m_Tools_Edit"));
  EXPECT_FALSE(enabled("m_Tools_Adjust"));
  EXPECT_TRUE(enabled("m_Win"));
}

TEST_F(FormMainTest, AServerFileWithoutADescriptionLeavesTheCaption) {
  const std::string ini = logs.write("vx2Server.ini", "usemap=verdun.map\r\nport=28000\r\n");
  platform.dialogAnswers.push_back(ini);
  form->openServerCommand();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(state.mapIndex, 5);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Skyvex Scoring Utility - v3.0.0i beta"));
}

TEST_F(FormMainTest, AnEmptyServerDialogResultIsTheCouldNotFindMessage) {
  platform.dialogAnswers.push_back(std::string());
  const WorkingState before = state;
  form->openServerCommand();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Error: Could not find server INI file.");
  EXPECT_TRUE(state == before);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Skyvex Scoring Utility - v3.0.0i beta"));
}

TEST_F(FormMainTest, AMissingServerFileIsAnErrorAndChangesNothing) {
  platform.dialogAnswers.push_back(logs.file("vx2Server.ini"));
  const WorkingState before = state;
  form->openServerCommand();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.rfind("Error: ", 0), 0u);
  EXPECT_TRUE(state == before);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Skyvex Scoring Utility - v3.0.0i beta"));
}

TEST_F(FormMainTest, ARefusedSetupFileKeepsTheSetupInForce) {
  platform.dialogAnswers.push_back(logs.write("short.vxs", "Only a name\r\n 2 \r\n"));
  const WorkingState before = state;
  form->openSetupCommand();
  ASSERT_EQ(platform.dialogs.size(), 1u);
  EXPECT_EQ(platform.dialogs[0].title, "Open Skyvex Setup File");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.rfind("Error: ", 0), 0u);
  EXPECT_TRUE(state == before);
}

// --- Log windows ---

TEST_F(FormMainTest, AWindowItemShowsAndHidesItsWindow) {
  loadAndScore();
  form->toggleLogWindow(LogWindow::Chat);
  EXPECT_TRUE(checked(LogWindow::Chat));
  EXPECT_TRUE(shown(LogWindow::Chat));
  EXPECT_EQ(form->mdiArea()->activeSubWindow(), form->logWindow(LogWindow::Chat));
  EXPECT_EQ(windowText(LogWindow::Chat), reportText(state.chatLogText).toStdString());
  form->menuItem("m_Win_Chat")->trigger();
  EXPECT_FALSE(checked(LogWindow::Chat));
  EXPECT_FALSE(shown(LogWindow::Chat));
  form->menuItem("m_Win_Chat")->trigger();
  EXPECT_TRUE(checked(LogWindow::Chat));
  EXPECT_TRUE(shown(LogWindow::Chat));
}

TEST_F(FormMainTest, ClosingTheChronologyWindowUnchecksItsItemAndNoOther) {
  loadAndScore();
  form->toggleLogWindow(LogWindow::Chron);
  form->toggleLogWindow(LogWindow::Pilot);
  ASSERT_TRUE(form->logWindow(LogWindow::Chron)->close());
  for (LogWindow w : kAllLogs)
    EXPECT_EQ(checked(w), w == LogWindow::Raw || w == LogWindow::Score || w == LogWindow::Pilot) << indexOf(w);
  EXPECT_FALSE(shown(LogWindow::Chron));
  form->toggleLogWindow(LogWindow::Chron);
  EXPECT_TRUE(shown(LogWindow::Chron));
  EXPECT_EQ(windowText(LogWindow::Chron), reportText(state.chronologyLogText).toStdString());
}

TEST_F(FormMainTest, TilingPutsTheShownWindowsSideBySideOrAboveEachOther) {
  form->show();
  loadAndScore();
  form->arrange(Arrange::TileVertically);
  const QRect raw = form->logWindow(LogWindow::Raw)->geometry();
  const QRect score = form->logWindow(LogWindow::Score)->geometry();
  EXPECT_EQ(raw.top(), score.top());
  EXPECT_FALSE(raw.intersects(score));
  form->arrange(Arrange::TileHorizontally);
  const QRect raw2 = form->logWindow(LogWindow::Raw)->geometry();
  const QRect score2 = form->logWindow(LogWindow::Score)->geometry();
  EXPECT_EQ(raw2.left(), score2.left());
  EXPECT_FALSE(raw2.intersects(score2));
  form->arrange(Arrange::Cascade);
  const QRect raw3 = form->logWindow(LogWindow::Raw)->geometry();
  const QRect score3 = form->logWindow(LogWindow::Score)->geometry();
  EXPECT_EQ(raw3.size(), score3.size());
  EXPECT_GT(score3.left(), raw3.left()) << "the active score window comes last, on top";
  EXPECT_GT(score3.top(), raw3.top());
  EXPECT_GE(raw3.width(), form->mdiArea()->viewport()->width() / 2);
  form->hide();
}

// --- Windows of other parts ---

TEST_F(FormMainTest, EachItemCallsItsOwnHook) {
  loadAndScore();
  std::vector<std::string> calls;
  form->openSettingsWindow = [&] { calls.push_back("settings"); };
  form->openAdjustWindow = [&] { calls.push_back("adjust"); };
  form->openLogEditWindow = [&] { calls.push_back("edit"); };
  form->openOptionsWindow = [&] { calls.push_back("options"); };
  for (const char* name : {"m_Setup", "m_Tools_Adjust", "m_Tools_Edit", "m_Tools_Options"})
    form->menuItem(name)->trigger();
  EXPECT_EQ(calls, (std::vector<std::string>{"settings", "adjust", "edit", "options"}));
  EXPECT_TRUE(platform.messages.empty());
}

// --- Help, exit ---

TEST_F(FormMainTest, HelpOpensTheShippedPagesOrSaysTheyAreMissing) {
  form->helpCommand();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.rfind("Error: Could not find the help file ", 0), 0u);
  EXPECT_EQ(form->helpWindow(), nullptr);
  platform.messages.clear();
  std::filesystem::create_directory(program.file("help"));
  program.write("help/index.html", "<html><body><h1>Skyvex help</h1></body></html>");
  form->helpCommand();
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_NE(form->helpWindow(), nullptr);
  EXPECT_TRUE(form->helpWindow()->isVisible());
  EXPECT_NE(form->helpWindow()->browser()->toPlainText().indexOf(QStringLiteral("Skyvex help")), -1);
}

TEST_F(FormMainTest, ExitShowsTheFarewellAndItsOkEndsTheProgram) {
  form->show();
  loadAndScore();
  int ended = 0;
  QObject::connect(form.get(), &FormMain::shutDownFinished, [&] { ++ended; });
  const int beepsBefore = platform.beeps;
  form->menuItem("m_File_Exit")->trigger();
  ASSERT_NE(form->exitWindow(), nullptr);
  EXPECT_TRUE(form->exitWindow()->isVisible());
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(platform.beeps, beepsBefore + 1);
  EXPECT_EQ(ended, 0);
  form->exitWindow()->cmdOK->click();
  EXPECT_EQ(ended, 1);
  EXPECT_TRUE(form->isShutDown());
  EXPECT_FALSE(form->exitWindow()->isVisible());
  for (LogWindow w : kAllLogs) EXPECT_TRUE(form->logWindow(w)->isHidden());
  EXPECT_TRUE(savedFiles().empty()) << "nothing is written at exit";
}

TEST_F(FormMainTest, TheShutDownAlsoClosesAnOpenLogLineEditor) {
  form->show();
  loadAndScore();
  form->menuItem("m_Tools_Edit")->trigger();
  QPointer<QMdiSubWindow> editor;
  for (QMdiSubWindow* child : form->mdiArea()->subWindowList())
    if (child->widget()->objectName() == QStringLiteral("formLog")) editor = child;
  ASSERT_FALSE(editor.isNull());
  ASSERT_TRUE(editor->isVisible());
  form->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(editor.isNull() || editor->isHidden());
  EXPECT_TRUE(form->isShutDown());
}

TEST_F(FormMainTest, ClosingTheFarewellWindowEndsTheProgramLikeOk) {
  form->show();
  int ended = 0;
  QObject::connect(form.get(), &FormMain::shutDownFinished, [&] { ++ended; });
  form->exitCommand();
  form->exitWindow()->close();
  EXPECT_EQ(ended, 1);
  EXPECT_FALSE(form->isVisible());
}

TEST_F(FormMainTest, ClosingTheMainWindowEndsTheProgramWithoutTheFarewell) {
  form->show();
  loadAndScore();
  int ended = 0;
  QObject::connect(form.get(), &FormMain::shutDownFinished, [&] { ++ended; });
  const int beepsBefore = platform.beeps;
  EXPECT_TRUE(form->close());
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(form->exitWindow(), nullptr);
  EXPECT_EQ(platform.beeps, beepsBefore);
  for (LogWindow w : kAllLogs) EXPECT_TRUE(form->logWindow(w)->isHidden());
}

}  // namespace
}  // namespace skyvex::ui
