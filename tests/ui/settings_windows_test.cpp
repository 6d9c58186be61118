// The settings windows' round trips: each opens on the values in force, and
// what is typed or clicked in it is in force (and written) once it closes.
#include <gtest/gtest.h>

#include "core/adjustment_file.h"
#include "core/preferences.h"
#include "core/startup.h"
#include "setup/setup_file.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"
#include "tests/ui/qt_app.h"
#include "tests/ui/window_probe.h"
#include "ui/active_window.h"
#include "ui/adjust_window.h"
#include "ui/options_window.h"
#include "ui/setup_window.h"

namespace skyvex::ui {
namespace {

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
  const auto& widgets = WindowProbe::controls(editor);
  return joined(std::array{widgets.txtServer, widgets.txtMaxPilots, widgets.txtMultiDeath, widgets.txtPenMaxPilots,
                           widgets.txtGrace, widgets.txtPenScout, widgets.txtPenFriendly, widgets.txtPenInvalid}) +
         " " + widgets.lstMap->currentText().toStdString() + (widgets.chkUseBoxed->isChecked() ? " boxed" : "");
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
    auto& widgets = WindowProbe::controls(editor);
    EXPECT_EQ(mainTab(editor), "Friday Night Skyvex League 18 15 1 5 10 10 0 Flanders boxed");
    EXPECT_EQ(joined(widgets.txtPtsTarget), "9 9 9 9 9 9 6 6 6 5 5 5 4 4 3 0 0 0");
    EXPECT_EQ(widgets.lblActiveCentral->text() + "/" + widgets.lblActiveAllied->text(), QStringLiteral(" 12/ 7"));
    EXPECT_EQ(checkedCaptions(*widgets.tabSetup->widget(2)), "Nieuport 11, SPAD XIII, Fokker EIII, Halberstadt DII");
    EXPECT_EQ(joined(widgets.txtPlane) + " " + joined(std::array{widgets.txtPtsDeath, widgets.txtStyle5[16]}),
              "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 DR1");

    // The server name, the check boxes and the map list are in force at once, the boxes on closing.
    typeIn(widgets.txtServer, QStringLiteral("Jasta 11"));
    EXPECT_EQ(state.serverName, "Jasta 11");
    const std::pair<QLineEdit*, const char*> typed[] = {
        {widgets.txtMaxPilots, "21"}, {widgets.txtMultiDeath, "12 min"}, {widgets.txtPenMaxPilots, ".5"},
        {widgets.txtGrace, "3"},      {widgets.txtPenScout, "abc"},      {widgets.txtPenFriendly, "-4"},
        {widgets.txtPenInvalid, "8"}, {widgets.txtPtsDeath, "3"}};
    for (const auto& [box, text] : typed) typeIn(box, QLatin1String(text));
    EXPECT_EQ(mainTab(editor), "Jasta 11 21 12 min .5 3 0 -4 8 Flanders boxed");  // a box left keeps its text but 0
    widgets.chkUseBoxed->click();
    widgets.chkPlane[0]->click();
    EXPECT_TRUE(state.useBoxedTargets == 0 && state.planeTypes[1].planeAllowed == 1);
    for (int i = 0; i < kTargetValues; ++i) typeIn(widgets.txtPtsTarget[i], QString::number(100 + i));
    for (int i = 0; i < kEditorPlanes; ++i) typeIn(widgets.txtPlane[i], QString::number(200 + i));
    // Each "Commmon Pts" copies the box its group marks ">" to the group.
    for (QPushButton* common : widgets.but_Common) common->click();
    EXPECT_EQ(joined(widgets.txtPtsTarget), targets);
    EXPECT_EQ(state.targetValues[0], 9);
    widgets.txtStyle4[20]->setText(QStringLiteral("Pfalz D.III"));
    widgets.txtStyle5[20]->setText(QStringLiteral("Pf D3"));
    // The active aerodromes window shows the list in force; OK keeps the map's aerodromes, sorted.
    const auto setActives = [&](const char* shown, const char* typedText, bool ok) {
      testing::withModalWindow([&] { widgets.cmdActive->click(); }, [&](QWidget* window) {
        auto* active = qobject_cast<FormActive*>(window);
        EXPECT_EQ(WindowProbe::controls(*active).txtActive->text(), QLatin1String(shown));
        WindowProbe::controls(*active).txtActive->setText(QLatin1String(typedText));
        if (ok) WindowProbe::controls(*active).cmdOK->click();
      });
      return (widgets.lblActiveCentral->text() + "/" + widgets.lblActiveAllied->text()).toStdString();
    };
    EXPECT_EQ(setActives("7,12,", "12", true), " 12/");
    EXPECT_EQ(setActives("12,", "12, 7,7, x30,600", true), " 12/ 7");
    EXPECT_EQ(setActives("7,12,", "30", false), " 12/ 7");  // closed without OK
    EXPECT_EQ(state.activeAerodromes, (std::vector<ActiveAerodrome>{{}, {7, 1}, {12, 0}}));
    for (int item : {4, 0}) {  // "(select map)" cannot take the map away
      widgets.lstMap->setCurrentIndex(item);
      emit widgets.lstMap->activated(item);
    }
    EXPECT_TRUE(state.mapIndex == 4 && widgets.cmdActive->isEnabled());
    widgets.mFileExit->trigger();
  }
  std::string inForce;
  for (const int value : {state.maxPilotsAllowed, state.multiDeathSeconds, state.graceMinutes, state.penaltyScout,
                          state.penaltyFriendly, state.penaltyInvalid, state.pointsPerDeath, state.aamPointsPerDeath})
    inForce += std::to_string(value) + " ";
  for (const int16_t value : state.targetValues) inForce += std::to_string(value) + " ";
  EXPECT_EQ(inForce, "21 12 3 0 -4 8 3 3 " + targets + " ");
  for (int i = 0; i < kEditorPlanes; ++i) EXPECT_EQ(state.planeTypes[i + 1].planeValue, 200 + i) << i;
  EXPECT_EQ(state.planeTypes[21].currentName + "/" + state.planeTypes[21].currentShortName, "Pfalz D.III/Pf D3");
  EXPECT_EQ(state.penaltyPerExcessMinute, 0.5);
}

TEST_F(SettingsWindows, SetupWindowFileAndDefaultsMenus) {
  testing::TempFolder folder;
  state.planeTypes[17].currentName = "Dreidecker";
  FormSetup editor(state, platform);
  auto& widgets = WindowProbe::controls(editor);
  typeIn(widgets.txtPenScout, QStringLiteral("6"));
  platform.dialogAnswers = {folder.file("new.vxs"), std::nullopt, folder.write("short.vxs", "Only a name\r\n"),
                            testing::sourcePath("data/sample/sample.vxs")};
  widgets.mFileSave->trigger();    // no file yet: Save asks for one, and saves the controls
  widgets.mFileSaveAs->trigger();  // cancelled
  WorkingState reread = state;
  reread.penaltyScout = 0;
  readSetupFile(reread, folder.file("new.vxs"));
  EXPECT_EQ(reread.penaltyScout, 6);
  EXPECT_EQ(formatSetup(reread), formatSetup(state));
  // Defaults: No changes nothing; the plane names change the controls; the scoring values with no server
  // name and no map name the server, choose Flanders and take the names the controls show.
  platform.questionAnswers = {false, true, true};
  for (QAction* item : {widgets.mDefaultPlane, widgets.mDefaultPlane, widgets.mDefaultsScoring}) item->trigger();
  EXPECT_EQ(mainTab(editor), "Skyvex Server 18 15 1 0 10 10 0 Flanders boxed");
  EXPECT_EQ(state.setupFileName + "/" + state.planeTypes[17].currentName, "{manual/default settings}/Fokker DRI");
  typeIn(widgets.txtPenFriendly, QStringLiteral("9"));
  const WorkingState before = state;
  widgets.mFileOpen->trigger();  // refused: the setup and the controls stay
  EXPECT_TRUE(state == before && widgets.txtPenFriendly->text() == QStringLiteral("9"));
  widgets.mFileOpen->trigger();
  EXPECT_EQ(platform.messages.size(), 3u);  // saved, the refusal, opened
  EXPECT_EQ(platform.messages[1].text.rfind("Error: While reading setup file ", 0), 0u);
  EXPECT_EQ(widgets.txtServer->text() + widgets.txtPenScout->text(), QStringLiteral("Friday Night Skyvex League10"));
}

TEST_F(SettingsWindows, OptionsWindowShowsThePreferencesAndWritesThemOnClosing) {
  state.delimiterChoice = 1;
  state.saveOption = 2;
  state.logsToSave = {0, 1, 0, 1, 0, 0, 0, 0, 1, 0};
  state.padString.clear();
  FormOpt options(state, platform);
  EXPECT_EQ(checkedCaptions(options) + state.padString,
            "Chat Log, IP Log, Roster Log, Manual save only, Period" + std::string(100, '.'));
  for (const char* caption : {"Underscore", "Save automatically", "Chat Log", "Bomb Log"})
    testing::clickButton(options, caption);
  EXPECT_EQ(state.padString + std::to_string(state.saveOption), std::string(100, '_') + "0");  // in force at once
  EXPECT_EQ(state.logsToSave, (std::array<int16_t, kLogKinds>{1, 0, 0, 1, 0, 0, 0, 0, 1, 0}));
  testing::clickButton(options, "Default Values");
  const std::string defaults = "Bomb Log, Chronology Log, Kill Log, Pilot's Log, Processed Log, Raw Log, Score Log";
  EXPECT_EQ(checkedCaptions(options) + state.padString,
            defaults + ", Prompt before saving, Space" + std::string(100, ' '));
  testing::clickButton(options, "Save automatically");
  options.reject();
  WorkingState reread;
  readPreferences(reread, testing::readFile(program.file(kPreferenceFileName)));
  EXPECT_EQ(checkedCaptions(FormOpt(reread, platform)), defaults + ", Save automatically, Space");
  // A value no button stands for (from a damaged file) is left as it is; a failed write is one error.
  state.delimiterChoice = state.saveOption = 3;
  state.padString = "as it was";
  state.configFolder = program.file("org_vxLandmarkData.txt/gone");  // no folder can be made there
  FormOpt(state, platform).reject();
  EXPECT_EQ(state.padString + std::to_string(state.delimiterChoice + state.saveOption), "as it was6");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.rfind("Error: ", 0), 0u);
}

TEST_F(SettingsWindows, AdjustWindowShowsTheEntriesAndWritesThemOnClosing) {
  state.scoreAdjustments[0][1] = {-5, "Late start"};
  state.scoreAdjustments[1][2] = {0, "Noted"};
  FormAdjust adjust(state, platform);
  auto& widgets = WindowProbe::controls(adjust);
  EXPECT_EQ(joined(widgets.txtPts[0]) + "|" + joined(widgets.txtDesc[0]), "-5    |Late start    ");
  EXPECT_EQ(joined(widgets.txtPts[1]) + "|" + joined(widgets.txtDesc[1]), "    | Noted   ");  // no points: empty
  // Each box writes its own entry as it is typed; a box left with no points is emptied.
  for (int side = 0; side < kSides; ++side)
    for (int box = 0; box < kAdjustmentBoxes; ++box) {
      const ScoreAdjustment typed{static_cast<int16_t>(10 * side + box + 1),
                                  "d" + std::to_string(side) + std::to_string(box)};
      widgets.txtPts[side][box]->setText(QString::number(typed.points));
      widgets.txtDesc[side][box]->setText(QString::fromStdString(typed.description));
      EXPECT_EQ(state.scoreAdjustments[side][box + 1], typed) << side << box;
    }
  typeIn(widgets.txtPts[1][0], QStringLiteral("12abc"));
  typeIn(widgets.txtPts[1][4], QStringLiteral("0"));
  EXPECT_EQ(joined(widgets.txtPts[1]), "12abc 12 13 14 ");
  EXPECT_EQ(state.scoreAdjustments[1][1].points + state.scoreAdjustments[1][5].points, 12);
  widgets.cmdClear[1]->click();  // one side, boxes and entries
  EXPECT_EQ(joined(widgets.txtPts[1]) + joined(widgets.txtDesc[1]) + joined(widgets.txtDesc[0]),
            "        d00 d01 d02 d03 d04");
  for (const ScoreAdjustment& entry : state.scoreAdjustments[1]) EXPECT_EQ(entry, ScoreAdjustment{});
  adjust.reject();
  EXPECT_EQ(testing::readFile(program.file(kAdjustmentFileName)), formatAdjustments(state));  // written on closing
}

}  // namespace
}  // namespace skyvex::ui
