#include "ui/setup_window.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <filesystem>

#include "core/startup.h"
#include "ingest/log_loading.h"
#include "scoring/score_command.h"
#include "setup/setup_file.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"
#include "tests/ui/qt_app.h"
#include "ui/active_window.h"

namespace skyvex::ui {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;

std::vector<std::string> captions(const QMenu* menu) {
  std::vector<std::string> out;
  for (const QAction* item : menu->actions())
    if (!item->isSeparator()) out.push_back(item->text().toStdString());
  return out;
}

// The editor with its active aerodromes window answered by a script: the text
// typed into it, and whether OK is pressed.
class ScriptedSetup : public FormSetup {
 public:
  ScriptedSetup(WorkingState& state, Platform& platform)
      : FormSetup(state, platform), editedState_(state), editedPlatform_(platform) {}
  std::string typed;
  bool pressOk = true;
  std::string shownOnOpening;
  int opened = 0;

 protected:
  void runActiveWindow() override {
    ++opened;
    FormActive active(editedState_, editedPlatform_, this);
    shownOnOpening = active.txtActive->text().toStdString();
    active.txtActive->setText(QString::fromLatin1(typed.c_str()));
    if (pressOk)
      active.cmdOK->click();
    else
      active.reject();
  }

 private:
  WorkingState& editedState_;
  Platform& editedPlatform_;
};

class FormSetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::qtApplication();
    fillPlaneTypes(state);
    state.maxPilotsAllowed = 99;
    // Map 4 holds aerodromes 7 (Allied) and 12 (Central) and a bridge 30.
    state.landmarkCounts[4] = 3;
    state.landmarks[4][1].kind = 4;
    state.landmarks[4][1].number = 30;
    state.landmarks[4][2].kind = 0;
    state.landmarks[4][2].number = 12;
    state.landmarks[4][2].ownerSide = 0;
    state.landmarks[4][3].kind = 0;
    state.landmarks[4][3].number = 7;
    state.landmarks[4][3].ownerSide = 1;
  }

  std::unique_ptr<ScriptedSetup> open() {
    return std::make_unique<ScriptedSetup>(state, platform);
  }

  static void leave(QLineEdit* box, const char* text) {
    box->setText(QString::fromLatin1(text));
    emit box->editingFinished();
  }

  WorkingState state;
  ScriptedPlatform platform;
};

TEST_F(FormSetupTest, HasItsCaptionTabsMenusAndButtons) {
  auto editor = open();
  EXPECT_EQ(editor->objectName(), QStringLiteral("formSetup"));
  EXPECT_EQ(editor->windowTitle(), QStringLiteral("Server Settings"));
  ASSERT_EQ(editor->tabSetup->count(), 4);
  EXPECT_EQ(editor->tabSetup->tabText(0), QStringLiteral("Main Setup"));
  EXPECT_EQ(editor->tabSetup->tabText(1), QStringLiteral("Bombing Setup"));
  EXPECT_EQ(editor->tabSetup->tabText(2), QStringLiteral("Aeroplane Setup"));
  EXPECT_EQ(editor->tabSetup->tabText(3), QStringLiteral("Aeroplane Map"));
  EXPECT_EQ(editor->tabSetup->currentIndex(), 0);

  std::vector<std::string> bar;
  for (const QAction* item : editor->menuBar->actions()) bar.push_back(item->text().toStdString());
  EXPECT_EQ(bar, (std::vector<std::string>{"&File", "&Defaults"}));
  EXPECT_EQ(captions(editor->menuBar->actions()[0]->menu()),
            (std::vector<std::string>{"&Open Settings...", "&Save", "Save &As...", "E&xit Settings"}));
  EXPECT_EQ(captions(editor->menuBar->actions()[1]->menu()),
            (std::vector<std::string>{"Use Default &Scoring Settings", "Use Default &Plane Map"}));

  for (QPushButton* common : editor->but_Common) EXPECT_EQ(common->text(), QStringLiteral("Commmon Pts"));
  EXPECT_EQ(editor->cmdActive->text(), QStringLiteral("Set Actives"));
  EXPECT_EQ(editor->cmdSwitch->text(), QStringLiteral("Switch"));
  EXPECT_EQ(editor->chkUseBoxed->text(), QStringLiteral("Use \"Red Boxed\" Targets Only"));
  EXPECT_EQ(editor->frmPlanes[0]->title(), QStringLiteral("Allied Planes"));
  EXPECT_EQ(editor->frmPlanes[1]->title(), QStringLiteral("Central Planes"));
  EXPECT_EQ(editor->chkPlane[16]->text(), QStringLiteral("Fokker DRI"));
  EXPECT_EQ(editor->lblPlane[0]->text(), QStringLiteral("Airco DH2"));
  EXPECT_EQ(editor->lstMap->count(), 6);
  EXPECT_EQ(editor->lstMap->itemText(0), QStringLiteral("(select map)"));
  EXPECT_EQ(editor->lstMap->itemText(5), QStringLiteral("Verdun"));
  EXPECT_EQ(editor->txtMaxPilots->text(), QStringLiteral("99"));
  // The boxes carry the names of their controls.
  EXPECT_EQ(editor->findChild<QLineEdit*>(QStringLiteral("txtPtsTarget(9)")), editor->txtPtsTarget[9]);
  EXPECT_EQ(editor->findChild<QLineEdit*>(QStringLiteral("txtPenScout")), editor->txtPenScout);
}

TEST_F(FormSetupTest, EveryGroupHeadingAndRowLabelIsShown) {
  auto editor = open();
  QStringList labels;
  for (const QLabel* label : editor->tabSetup->widget(1)->findChildren<QLabel*>()) labels << label->text();
  QStringList groups;
  for (const QGroupBox* box : editor->tabSetup->widget(1)->findChildren<QGroupBox*>()) groups << box->title();
  for (const char* heading :
       {"Aerodromes", "Supply Dumps", "Bridges", "Factories", "Rail Yards", "Civilian Targets", "Active Dromes"})
    EXPECT_TRUE(groups.contains(QLatin1String(heading))) << heading;
  for (const char* label : {"Active Dromes", "11 Buildings", "8 Buildings", "6 Buildings", "5 Buildings", "Tent Drome",
                            "4 Buildings", "Tent Dump", "5 Span", "3 Span", "Rail", "(All Spans)", "Cities", "Towns",
                            "Villages", "Central", "Allied"})
    EXPECT_TRUE(labels.contains(QLatin1String(label))) << label;
  EXPECT_EQ(labels.count(QStringLiteral(">")), 5);
}

TEST_F(FormSetupTest, LeavingANumericBoxTurnsNonNumbersToZeroAndKeepsNegatives) {
  auto editor = open();
  leave(editor->txtPenScout, "abc");
  EXPECT_EQ(editor->txtPenScout->text(), QStringLiteral("0"));
  leave(editor->txtPtsTarget[3], "-5");
  EXPECT_EQ(editor->txtPtsTarget[3]->text(), QStringLiteral("-5"));
  leave(editor->txtPlane[4], "");
  EXPECT_EQ(editor->txtPlane[4]->text(), QStringLiteral("0"));
  leave(editor->txtMultiDeath, "12 min");
  EXPECT_EQ(editor->txtMultiDeath->text(), QStringLiteral("12 min"));
  editor->mFileExit->trigger();
  EXPECT_EQ(state.targetValues[3], -5);
  EXPECT_EQ(state.penaltyScout, 0);
  EXPECT_EQ(state.multiDeathSeconds, 12);
}

TEST_F(FormSetupTest, CommonPointsOfTheBridgeGroupChangeTheStateOnlyOnClosing) {
  auto editor = open();
  editor->txtPtsTarget[9]->setText(QStringLiteral("7"));
  editor->but_Common[2]->click();
  EXPECT_EQ(editor->txtPtsTarget[10]->text(), QStringLiteral("7"));
  EXPECT_EQ(editor->txtPtsTarget[11]->text(), QStringLiteral("7"));
  EXPECT_EQ(editor->txtPtsTarget[12]->text(), QStringLiteral("0"));
  EXPECT_EQ(state.targetValues[10], 0);
  editor->close();
  editor->reject();  // the close box of a shown window
  EXPECT_EQ(state.targetValues[9], 7);
  EXPECT_EQ(state.targetValues[10], 7);
  EXPECT_EQ(state.targetValues[11], 7);
}

TEST_F(FormSetupTest, MapListEnablesSetActivesAndCannotBeUnset) {
  auto editor = open();
  EXPECT_FALSE(editor->cmdActive->isEnabled());
  editor->lstMap->setCurrentIndex(4);
  emit editor->lstMap->activated(4);
  EXPECT_EQ(state.mapIndex, 4);
  EXPECT_TRUE(editor->cmdActive->isEnabled());
  editor->lstMap->setCurrentIndex(0);
  emit editor->lstMap->activated(0);
  EXPECT_EQ(editor->lstMap->currentIndex(), 4);
  EXPECT_EQ(state.mapIndex, 4);
  EXPECT_TRUE(editor->cmdActive->isEnabled());
}

TEST_F(FormSetupTest, DefaultScoringWithNoServerNameAndNoMap) {
  auto editor = open();
  platform.questionAnswers = {true};
  editor->mDefaultsScoring->trigger();
  ASSERT_EQ(platform.questions, (std::vector<std::string>{"Do you wish to use the default scoring values?"}));
  EXPECT_EQ(editor->txtServer->text(), QStringLiteral("Skyvex Server"));
  EXPECT_EQ(editor->lstMap->currentIndex(), 2);
  EXPECT_TRUE(editor->cmdActive->isEnabled());
  EXPECT_EQ(editor->txtMaxPilots->text(), QStringLiteral("18"));
  EXPECT_EQ(editor->txtPtsTarget[9]->text(), QStringLiteral("5"));
  EXPECT_TRUE(editor->chkPlane[2]->isChecked());
  EXPECT_EQ(state.serverName, "Skyvex Server");
  EXPECT_EQ(state.mapIndex, 2);
  EXPECT_EQ(state.setupFileName, "{manual/default settings}");
}

TEST_F(FormSetupTest, DefaultPlaneMapShowsTheFixedNamesAndClosingKeepsThem) {
  state.planeTypes[17].currentName = "Dreidecker";
  state.planeTypes[17].currentShortName = "Dr";
  auto editor = open();
  EXPECT_EQ(editor->txtStyle4[16]->text(), QStringLiteral("Dreidecker"));
  platform.questionAnswers = {true};
  editor->mDefaultPlane->trigger();
  EXPECT_EQ(platform.questions, (std::vector<std::string>{"Do you wish to use the default Skyvex aeroplane names?"}));
  EXPECT_EQ(editor->txtStyle4[16]->text(), QStringLiteral("Fokker DRI"));
  EXPECT_EQ(editor->txtStyle5[16]->text(), QStringLiteral("DR1"));
  EXPECT_EQ(state.planeTypes[17].currentName, "Dreidecker");
  editor->mFileExit->trigger();
  EXPECT_EQ(state.planeTypes[17].currentName, "Fokker DRI");
  EXPECT_EQ(state.planeTypes[17].currentShortName, "DR1");
}

TEST_F(FormSetupTest, PointsPerDeathSetsBothDeathValues) {
  auto editor = open();
  leave(editor->txtPtsDeath, "3");
  editor->mFileExit->trigger();
  EXPECT_EQ(state.pointsPerDeath, 3);
  EXPECT_EQ(state.aamPointsPerDeath, 3);
}

TEST_F(FormSetupTest, CheckBoxesAndServerNameWriteTheStateAtOnce) {
  auto editor = open();
  editor->chkPlane[5]->click();
  EXPECT_EQ(state.planeTypes[6].planeAllowed, 1);
  editor->chkPlane[5]->click();
  EXPECT_EQ(state.planeTypes[6].planeAllowed, 0);
  editor->chkUseBoxed->click();
  EXPECT_EQ(state.useBoxedTargets, 1);
  editor->txtServer->setText(QStringLiteral("Jasta 11"));
  emit editor->txtServer->editingFinished();
  EXPECT_EQ(state.serverName, "Jasta 11");
}

TEST_F(FormSetupTest, NameFramesFollowTheTabAndSwitch) {
  auto editor = open();
  EXPECT_TRUE(editor->frmPlanes[0]->isHidden());
  EXPECT_TRUE(editor->frmPlanes[1]->isHidden());
  editor->tabSetup->setCurrentIndex(3);
  EXPECT_FALSE(editor->frmPlanes[0]->isHidden());
  EXPECT_TRUE(editor->frmPlanes[1]->isHidden());
  editor->cmdSwitch->click();
  EXPECT_TRUE(editor->frmPlanes[0]->isHidden());
  EXPECT_FALSE(editor->frmPlanes[1]->isHidden());
  editor->cmdSwitch->click();
  EXPECT_FALSE(editor->frmPlanes[0]->isHidden());
  editor->tabSetup->setCurrentIndex(1);
  EXPECT_TRUE(editor->frmPlanes[0]->isHidden());
  EXPECT_TRUE(editor->frmPlanes[1]->isHidden());
}

TEST_F(FormSetupTest, SetActivesRebuildsTheSideLabels) {
  state.mapIndex = 4;
  state.activeAerodromes = {{}, {12, 0}};
  auto editor = open();
  EXPECT_EQ(editor->lblActiveCentral->text(), QStringLiteral(" 12"));
  EXPECT_EQ(editor->lblActiveAllied->text(), QStringLiteral(""));
  editor->typed = "12, 7,7, x30,600";
  editor->cmdActive->click();
  EXPECT_EQ(editor->opened, 1);
  EXPECT_EQ(editor->shownOnOpening, "12,");
  EXPECT_EQ(editor->lblActiveCentral->text(), QStringLiteral(" 12"));
  EXPECT_EQ(editor->lblActiveAllied->text(), QStringLiteral(" 7"));
  ASSERT_EQ(state.activeAerodromes.size(), 3u);
}

TEST_F(FormSetupTest, ActiveWindowClosedWithoutOkChangesNothing) {
  state.mapIndex = 4;
  state.activeAerodromes = {{}, {12, 0}};
  auto editor = open();
  editor->typed = "7,";
  editor->pressOk = false;
  editor->cmdActive->click();
  EXPECT_EQ(state.activeAerodromes, (std::vector<ActiveAerodrome>{{}, {12, 0}}));
  EXPECT_EQ(editor->lblActiveCentral->text(), QStringLiteral(" 12"));
}

TEST_F(FormSetupTest, OpeningASetupRefreshesTheEditorBeforeConfirming) {
  TempFolder folder;
  WorkingState other = state;
  other.serverName = "From the file";
  other.penaltyScout = 33;
  const std::string path = folder.write("event.vxs", formatSetup(other));

  // The confirmation must stand over the controls of the new setup.
  struct Watching : ScriptedPlatform {
    FormSetup* editor = nullptr;
    QString serverShown;
    void showMessage(const std::string& text, MessageIcon icon) override {
      serverShown = editor->txtServer->text();
      ScriptedPlatform::showMessage(text, icon);
    }
  } watching;
  FormSetup editor(state, watching);
  watching.editor = &editor;
  watching.dialogAnswers.push_back(path);
  editor.mFileOpen->trigger();
  ASSERT_EQ(watching.messages.size(), 1u);
  EXPECT_EQ(watching.messages[0].text, "Settings have been opened and loaded.");
  EXPECT_EQ(watching.serverShown, QStringLiteral("From the file"));
  EXPECT_EQ(editor.txtPenScout->text(), QStringLiteral("33"));
  EXPECT_EQ(state.setupFileName, "event.vxs");
}

TEST_F(FormSetupTest, RefusedSetupFileKeepsTheSetupAndTheControls) {
  TempFolder folder;
  const std::string path = folder.write("short.vxs", "Server\r\n2\r\n");
  state.penaltyScout = 4;
  auto editor = open();
  leave(editor->txtPenFriendly, "9");
  platform.dialogAnswers.push_back(path);
  editor->mFileOpen->trigger();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.rfind("Error: ", 0), 0u);
  EXPECT_EQ(state.penaltyScout, 4);
  EXPECT_EQ(editor->txtPenFriendly->text(), QStringLiteral("9"));
}

TEST_F(FormSetupTest, SaveWithoutAPathAsksForOneAndWritesTheControls) {
  TempFolder folder;
  auto editor = open();
  leave(editor->txtPenScout, "6");
  platform.dialogAnswers.push_back(folder.file("new.vxs"));
  editor->mFileSave->trigger();
  ASSERT_EQ(platform.dialogs.size(), 1u);
  EXPECT_EQ(platform.dialogs[0].title, "Save Skyvex Setup File");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Settings have been saved.");
  EXPECT_EQ(state.setupFilePath, folder.file("new.vxs"));
  WorkingState reread = state;
  reread.penaltyScout = 0;
  readSetupFile(reread, folder.file("new.vxs"));
  EXPECT_EQ(reread.penaltyScout, 6);
}

TEST_F(FormSetupTest, SaveAsCancelledWritesNothing) {
  TempFolder folder;
  auto editor = open();
  platform.dialogAnswers.push_back(std::nullopt);
  editor->mFileSaveAs->trigger();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

// A setup made in the editor, saved, and opened again from the main window's
// command gives the same SCORE LOG as the one in force when it was saved.
TEST_F(FormSetupTest, SavedAndReopenedSetupScoresTheSame) {
  TempFolder program;
  TempFolder folder;
  std::filesystem::copy_file(testing::sourcePath("data/org_vxLandmarkData.txt"),
                             program.file("org_vxLandmarkData.txt"));
  WorkingState edited;
  startUp(edited, program.path());
  edited.fixedScoreTime = testing::goldenScoreTime();
  const std::vector<std::string> logs = {testing::sourcePath("data/sample/match1.log"),
                                         testing::sourcePath("data/sample/match2.log"),
                                         testing::sourcePath("data/sample/match3.log")};
  loadLogFilePaths(edited, logs);
  WorkingState fresh = edited;

  {
    FormSetup editor(edited, platform);
    platform.questionAnswers = {true};
    editor.mDefaultsScoring->trigger();
    leave(editor.txtPenScout, "7");
    leave(editor.txtPtsTarget[9], "8");
    editor.but_Common[2]->click();
    leave(editor.txtPlane[15], "3");
    editor.chkPlane[15]->click();
    editor.txtStyle4[20]->setText(QStringLiteral("Pfalz D.III"));
    leave(editor.txtPenMaxPilots, ".5");
    platform.dialogAnswers.push_back(folder.file("event.vxs"));
    editor.mFileSaveAs->trigger();
    // Reopened in the editor too, so the header names the file in both runs.
    platform.dialogAnswers.push_back(folder.file("event.vxs"));
    editor.mFileOpen->trigger();
    editor.mFileExit->trigger();
  }
  platform.dialogAnswers.push_back(folder.file("event.vxs"));
  ASSERT_TRUE(openSetupFromMain(fresh, platform));

  runScoring(edited);
  runScoring(fresh);
  EXPECT_NE(edited.scoreLogText.find("Pfalz D.III"), std::string::npos);
  EXPECT_EQ(fresh.scoreLogText, edited.scoreLogText);
}

}  // namespace
}  // namespace skyvex::ui
