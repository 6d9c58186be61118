// The settings windows' round trips: each opens on the values in force, and
// what is typed or clicked in it is in force (and written) once it closes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMouseEvent>

#include "core/adjustment_file.h"
#include "core/preferences.h"
#include "core/startup.h"
#include "setup/setup_file.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"
#include "tests/ui/qt_app.h"
#include "ui/active_window.h"
#include "ui/adjust_window.h"
#include "ui/options_window.h"
#include "ui/setup_window.h"

namespace skyvex::ui {
namespace {

using Texts = std::vector<std::string>;
using testing::typeIn;

template <std::size_t N>
std::string joined(const std::array<QLineEdit*, N>& boxes) {
  QStringList texts;
  for (const QLineEdit* box : boxes) texts << box->text();
  return texts.join(QLatin1Char(' ')).toStdString();
}

// The captions of the checked buttons, in the window's order.
std::string checkedCaptions(const QWidget& window) {
  QStringList captions;
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (button->isChecked()) captions << button->text();
  return captions.join(QStringLiteral(", ")).toStdString();
}

// The Main Setup tab: the boxes, the map and the check box.
std::string mainTab(const FormSetup& editor) {
  return joined(std::array{editor.txtServer, editor.txtMaxPilots, editor.txtMultiDeath, editor.txtPenMaxPilots,
                           editor.txtGrace, editor.txtPenScout, editor.txtPenFriendly, editor.txtPenInvalid}) +
         " " + editor.lstMap->currentText().toStdString() + (editor.chkUseBoxed->isChecked() ? " boxed" : "");
}

// Flanders as three landmarks: aerodrome 12 (Central) first, bridge 30, aerodrome 7 (Allied).
constexpr const char* kLandmarks =
    "0,3,0,0,0\r\n"
    "1 1 0 0    12 10.00 20.00 0 0   1  0 0 Moorsele Aerodrome\r\n"
    "1 1 4 0    30 10.00 20.00 0 0   0  0 0 Lys Bridge\r\n"
    "1 1 0 0     7 10.00 20.00 1 0   1  0 0 Abeele Aerodrome\r\n";

class SettingsWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    program.write("org_vxLandmarkData.txt", kLandmarks);
    startUp(state, program.path());
    EXPECT_TRUE(state.landmarkProblems.empty());
  }

  QApplication& app = testing::qtApplication();  // before any widget
  testing::TempFolder program;
  WorkingState state;
  testing::ScriptedPlatform platform;
};

TEST_F(SettingsWindows, SetupWindowShowsTheSetupInForceAndPutsWhatIsTypedInForce) {
  readSetupFile(state, testing::sourcePath("data/sample/sample.vxs"));
  const std::string targets = "101 101 101 101 101 101 106 106 106 109 109 109 112 112 114 115 115 115";
  {
    FormSetup editor(state, platform);
    EXPECT_EQ(mainTab(editor), "Friday Night Skyvex League 18 15 1 5 10 10 0 Flanders boxed");
    EXPECT_EQ(joined(editor.txtPtsTarget), "9 9 9 9 9 9 6 6 6 5 5 5 4 4 3 0 0 0");
    EXPECT_EQ(editor.lblActiveCentral->text() + "/" + editor.lblActiveAllied->text(), QStringLiteral(" 12/ 7"));
    EXPECT_EQ(checkedCaptions(*editor.tabSetup->widget(2)), "Nieuport 11, SPAD XIII, Fokker EIII, Halberstadt DII");
    EXPECT_EQ(joined(editor.txtPlane) + " " + editor.txtPtsDeath->text().toStdString(),
              "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1");
    EXPECT_EQ(joined(std::array{editor.txtStyle4[16], editor.txtStyle5[16]}) + " " +
                  editor.lblPlane[16]->text().toStdString(),
              "Fokker DRI DR1 Fokker DRI");
    // The two name frames share one place: none until the map tab, then Allied; Switch changes over.
    std::string frames = std::to_string(editor.tabSetup->currentIndex());
    for (const auto& step : std::vector<std::function<void()>>{
             [] {}, [&] { editor.tabSetup->setCurrentIndex(3); }, [&] { editor.cmdSwitch->click(); },
             [&] { editor.cmdSwitch->click(); }, [&] { editor.tabSetup->setCurrentIndex(1); }}) {
      step();
      frames += " " + std::to_string(editor.frmPlanes[0]->isHidden()) + std::to_string(editor.frmPlanes[1]->isHidden());
    }
    EXPECT_EQ(frames, "0 11 01 10 01 11");

    // The server name, the check boxes and the map list are in force at once, the boxes on closing.
    typeIn(editor.txtServer, QStringLiteral("Jasta 11"));
    EXPECT_EQ(state.serverName, "Jasta 11");
    const std::pair<QLineEdit*, const char*> typed[] = {
        {editor.txtMaxPilots, "21"}, {editor.txtMultiDeath, "12 min"}, {editor.txtPenMaxPilots, ".5"},
        {editor.txtGrace, "3"},      {editor.txtPenScout, "abc"},      {editor.txtPenFriendly, "-4"},
        {editor.txtPenInvalid, "8"}, {editor.txtPtsDeath, "3"}};
    for (const auto& [box, text] : typed) typeIn(box, QLatin1String(text));
    EXPECT_EQ(mainTab(editor), "Jasta 11 21 12 min .5 3 0 -4 8 Flanders boxed");  // a box left keeps its text but 0
    editor.chkUseBoxed->click();
    editor.chkPlane[0]->click();
    EXPECT_EQ(state.useBoxedTargets, 0);
    EXPECT_EQ(state.planeTypes[1].planeAllowed, 1);
    for (int i = 0; i < kTargetValues; ++i) typeIn(editor.txtPtsTarget[i], QString::number(100 + i));
    for (int i = 0; i < kEditorPlanes; ++i) typeIn(editor.txtPlane[i], QString::number(200 + i));
    // Each "Commmon Pts" copies the box its group marks ">" to the group.
    for (QPushButton* common : editor.but_Common) common->click();
    EXPECT_EQ(joined(editor.txtPtsTarget), targets);
    int marks = 0;
    for (const QLabel* label : editor.tabSetup->widget(1)->findChildren<QLabel*>()) marks += label->text() == ">";
    EXPECT_EQ(marks, kCommonButtons);
    EXPECT_EQ(state.targetValues[0], 9);
    editor.txtStyle4[20]->setText(QStringLiteral("Pfalz D.III"));
    editor.txtStyle5[20]->setText(QStringLiteral("Pf D3"));
    // The active aerodromes window shows the list in force; OK keeps the map's aerodromes, sorted.
    const auto setActives = [&](const std::function<void()>& open, const char* shown, const char* typedText, bool ok) {
      EXPECT_EQ(testing::withModalWindow(open,
                                         [&](QWidget* window) {
                                           auto* active = qobject_cast<FormActive*>(window);
                                           EXPECT_EQ(active->txtActive->text(), QLatin1String(shown));
                                           active->txtActive->setText(QLatin1String(typedText));
                                           if (ok) active->cmdOK->click();
                                         }),
                QStringLiteral("Active Dromes"));
      return (editor.lblActiveCentral->text() + "/" + editor.lblActiveAllied->text()).toStdString();
    };
    EXPECT_EQ(setActives([&] { editor.cmdActive->click(); }, "7,12,", "12", true), " 12/");
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
    EXPECT_EQ(setActives([&] { QApplication::sendEvent(editor.lblActiveAllied, &doubleClick); }, "12,",
                         "12, 7,7, x30,600", true),
              " 12/ 7");
    EXPECT_EQ(setActives([&] { editor.cmdActive->click(); }, "7,12,", "30", false), " 12/ 7");  // closed without OK
    EXPECT_EQ(state.activeAerodromes, (std::vector<ActiveAerodrome>{{}, {7, 1}, {12, 0}}));
    for (int item : {4, 0}) {  // "(select map)" cannot take the map away
      editor.lstMap->setCurrentIndex(item);
      emit editor.lstMap->activated(item);
    }
    EXPECT_TRUE(state.mapIndex == 4 && editor.cmdActive->isEnabled());
    editor.mFileExit->trigger();
  }
  EXPECT_EQ(
      std::vector<int>({state.maxPilotsAllowed, state.multiDeathSeconds, state.graceMinutes, state.penaltyScout,
                        state.penaltyFriendly, state.penaltyInvalid, state.pointsPerDeath, state.aamPointsPerDeath}),
      std::vector<int>({21, 12, 3, 0, -4, 8, 3, 3}));
  EXPECT_EQ(state.penaltyPerExcessMinute, 0.5);
  std::string inForce;
  for (const int16_t value : state.targetValues) inForce += std::to_string(value) + " ";
  for (int i = 0; i < kEditorPlanes; ++i) EXPECT_EQ(state.planeTypes[i + 1].planeValue, 200 + i) << i;
  EXPECT_EQ(inForce, targets + " ");
  EXPECT_EQ(state.planeTypes[21].currentName + "/" + state.planeTypes[21].currentShortName, "Pfalz D.III/Pf D3");
}

TEST_F(SettingsWindows, SetupWindowFileAndDefaultsMenus) {
  // Remembers the server name the window showed when each message came.
  struct Watching : testing::ScriptedPlatform {
    FormSetup* editor = nullptr;
    std::string shown;
    void showMessage(const std::string& text, MessageIcon icon) override {
      shown += editor->txtServer->text().toStdString() + "> " + text + "\n";
      ScriptedPlatform::showMessage(text, icon);
    }
  } watching;
  testing::TempFolder folder;
  state.planeTypes[17].currentName = "Dreidecker";
  FormSetup editor(state, watching);
  watching.editor = &editor;
  typeIn(editor.txtPenScout, QStringLiteral("6"));
  watching.dialogAnswers = {folder.file("new.vxs"), std::nullopt, folder.write("short.vxs", "Only a name\r\n"),
                            testing::sourcePath("data/sample/sample.vxs")};
  editor.mFileSave->trigger();    // no file yet: Save asks for one, and saves the controls
  editor.mFileSaveAs->trigger();  // cancelled
  EXPECT_EQ(watching.dialogs.back().title, "Save Skyvex Setup File");
  WorkingState reread = state;
  reread.penaltyScout = 0;
  readSetupFile(reread, folder.file("new.vxs"));
  EXPECT_EQ(reread.penaltyScout, 6);
  EXPECT_EQ(formatSetup(reread), formatSetup(state));

  // Defaults: No changes nothing; the plane map changes the controls only; the scoring values with no
  // server name and no map name the server, choose Flanders and take the names typed so far.
  watching.questionAnswers = {false, true, true};
  for (QAction* item : {editor.mDefaultPlane, editor.mDefaultPlane}) item->trigger();
  EXPECT_EQ(editor.txtStyle4[16]->text().toStdString() + "/" + state.planeTypes[17].currentName,
            "Fokker DRI/Dreidecker");
  editor.mDefaultsScoring->trigger();
  EXPECT_EQ(watching.questions, (Texts{"Do you wish to use the default Skyvex aeroplane names?",
                                       "Do you wish to use the default Skyvex aeroplane names?",
                                       "Do you wish to use the default scoring values?"}));
  EXPECT_EQ(mainTab(editor), "Skyvex Server 18 15 1 0 10 10 0 Flanders boxed");
  EXPECT_EQ(joined(editor.txtPtsTarget), "9 9 9 9 9 9 6 6 6 5 5 5 4 4 3 0 0 0");
  EXPECT_TRUE(editor.chkPlane[2]->isChecked() && editor.cmdActive->isEnabled());
  EXPECT_EQ(state.setupFileName + "/" + state.planeTypes[17].currentName, "{manual/default settings}/Fokker DRI");

  typeIn(editor.txtPenFriendly, QStringLiteral("9"));
  editor.mFileOpen->trigger();  // refused: the setup and the controls stay
  EXPECT_EQ(std::to_string(state.penaltyScout) + "/" + editor.txtPenFriendly->text().toStdString(), "10/9");
  editor.mFileOpen->trigger();  // the confirmation stands over the controls of the opened setup
  EXPECT_EQ(watching.shown, "> Settings have been saved.\nSkyvex Server> Error: While reading setup file " +
                                folder.file("short.vxs") +
                                ", line 2 (map): the file ends before this line; a setup file has at least 119 "
                                "lines.\nFriday Night Skyvex League> Settings have been opened and loaded.\n");
  EXPECT_EQ(editor.txtPenScout->text(), QStringLiteral("10"));
}

TEST_F(SettingsWindows, OptionsWindowShowsThePreferencesAndWritesThemOnClosing) {
  state.delimiterChoice = 1;
  state.saveOption = 2;
  state.logsToSave = {0, 1, 0, 1, 0, 0, 0, 0, 1, 0};
  state.padString.clear();
  FormOpt options(state, platform);
  EXPECT_EQ(checkedCaptions(options), "Chat Log, IP Log, Roster Log, Manual save only, Period");
  EXPECT_EQ(state.padString, std::string(100, '.'));
  for (const char* caption : {"Underscore", "Save automatically", "Chat Log", "Bomb Log"})
    testing::clickButton(options, caption);
  EXPECT_EQ(state.padString + std::to_string(state.saveOption), std::string(100, '_') + "0");  // in force at once
  EXPECT_EQ(state.logsToSave, (std::array<int16_t, kLogKinds>{1, 0, 0, 1, 0, 0, 0, 0, 1, 0}));
  testing::clickButton(options, "Default Values");
  const std::string defaults = "Bomb Log, Chronology Log, Kill Log, Pilot's Log, Processed Log, Raw Log, Score Log";
  EXPECT_EQ(checkedCaptions(options), defaults + ", Prompt before saving, Space");
  EXPECT_EQ(state.padString, std::string(100, ' '));
  testing::clickButton(options, "Save automatically");
  options.reject();
  WorkingState reread;
  readPreferences(reread, testing::readFile(program.file(kPreferenceFileName)));
  EXPECT_EQ(checkedCaptions(FormOpt(reread, platform)), defaults + ", Save automatically, Space");
  // A value no button stands for (from a damaged file) is left as it is; a failed write is one error.
  state.delimiterChoice = state.saveOption = 3;
  state.padString = "as it was";
  state.programFolder = program.file("gone");
  FormOpt damaged(state, platform);
  EXPECT_EQ(checkedCaptions(damaged), defaults);
  damaged.reject();
  EXPECT_EQ(state.padString, "as it was");
  EXPECT_EQ(state.delimiterChoice + state.saveOption, 3 + 3);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.rfind("Error: ", 0), 0u);
}

TEST_F(SettingsWindows, AdjustWindowShowsTheEntriesAndWritesThemOnClosing) {
  state.scoreAdjustments[0][1] = {-5, "Late start"};
  state.scoreAdjustments[1][2] = {0, "Noted"};
  FormAdjust adjust(state, platform);
  EXPECT_EQ(joined(adjust.txtPts[0]) + "|" + joined(adjust.txtDesc[0]), "-5    |Late start    ");
  EXPECT_EQ(joined(adjust.txtPts[1]) + "|" + joined(adjust.txtDesc[1]), "    | Noted   ");  // no points: empty
  // Each box writes its own entry as it is typed; a box left with no points is emptied.
  for (int side = 0; side < kSides; ++side) {
    for (int box = 0; box < kAdjustmentBoxes; ++box) {
      adjust.txtPts[side][box]->setText(QString::number(10 * side + box + 1));
      adjust.txtDesc[side][box]->setText(QStringLiteral("d%1%2").arg(side).arg(box));
      const ScoreAdjustment entry{static_cast<int16_t>(10 * side + box + 1),
                                  "d" + std::to_string(side) + std::to_string(box)};
      EXPECT_EQ(state.scoreAdjustments[side][box + 1], entry) << side << box;
    }
  }
  typeIn(adjust.txtPts[1][0], QStringLiteral("12abc"));
  typeIn(adjust.txtPts[1][4], QStringLiteral("0"));
  EXPECT_EQ(joined(adjust.txtPts[1]), "12abc 12 13 14 ");
  EXPECT_EQ(state.scoreAdjustments[1][1].points, 12);
  EXPECT_EQ(state.scoreAdjustments[1][5].points, 0);
  adjust.cmdClear[1]->click();  // one side, boxes and entries
  EXPECT_EQ(joined(adjust.txtPts[1]) + joined(adjust.txtDesc[1]) + joined(adjust.txtDesc[0]),
            "        d00 d01 d02 d03 d04");
  for (int entry = 1; entry <= kAdjustmentBoxes; ++entry)
    EXPECT_EQ(state.scoreAdjustments[1][entry], ScoreAdjustment{});
  EXPECT_EQ(std::to_string(adjustmentTotal(state, 0)) + "/" + std::to_string(adjustmentTotal(state, 1)), "15/0");
  adjust.reject();
  EXPECT_EQ(testing::readFile(program.file(kAdjustmentFileName)), formatAdjustments(state));  // written on closing
}

}  // namespace
}  // namespace skyvex::ui
