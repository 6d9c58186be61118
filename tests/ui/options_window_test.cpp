#include "ui/options_window.h"

#include <gtest/gtest.h>

#include <QGroupBox>

#include "core/preferences.h"
#include "core/text.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"
#include "tests/ui/qt_app.h"

namespace skyvex::ui {
namespace {

class FormOptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::qtApplication();
    state.programFolder = program.path();
    setDefaultPreferences(state);
  }

  std::vector<std::string> writtenLines() const {
    return splitLines(testing::readFile(program.file("vxScore.vxp")));
  }

  testing::TempFolder program;
  WorkingState state;
  testing::ScriptedPlatform platform;
};

TEST_F(FormOptTest, HasItsCaptionFramesAndCaptions) {
  FormOpt options(state, platform);
  EXPECT_EQ(options.objectName(), QStringLiteral("formOpt"));
  EXPECT_EQ(options.windowTitle(), QStringLiteral("Scoring Utility Options"));
  const char* logs[] = {"Bomb Log", "Chat Log",      "Chronology Log", "IP Log",     "Kill Log",
                        "Pilot's Log", "Processed Log", "Raw Log",        "Roster Log", "Score Log"};
  for (int i = 0; i < kLogKinds; ++i) EXPECT_EQ(options.chkLogFile[i]->text(), QLatin1String(logs[i]));
  EXPECT_EQ(options.opLogSave[0]->text(), QStringLiteral("Save automatically"));
  EXPECT_EQ(options.opLogSave[1]->text(), QStringLiteral("Prompt before saving"));
  EXPECT_EQ(options.opLogSave[2]->text(), QStringLiteral("Manual save only"));
  EXPECT_EQ(options.opDelim[0]->text(), QStringLiteral("Space"));
  EXPECT_EQ(options.opDelim[1]->text(), QStringLiteral("Period"));
  EXPECT_EQ(options.opDelim[2]->text(), QStringLiteral("Underscore"));
  EXPECT_EQ(options.cmdDefault->text(), QStringLiteral("Default Values"));
  QStringList frames;
  for (const QGroupBox* box : options.findChildren<QGroupBox*>()) frames << box->title();
  EXPECT_EQ(frames, (QStringList{"Logs to Save", "Log Save Options", "Log Delimiter"}));
}

TEST_F(FormOptTest, OpeningShowsThePreferencesInForce) {
  state.delimiterChoice = 1;
  state.saveOption = 2;
  state.logsToSave = {0, 1, 0, 1, 0, 0, 0, 0, 1, 0};
  FormOpt options(state, platform);
  EXPECT_TRUE(options.opDelim[1]->isChecked());
  EXPECT_TRUE(options.opLogSave[2]->isChecked());
  for (int i = 0; i < kLogKinds; ++i) EXPECT_EQ(options.chkLogFile[i]->isChecked(), state.logsToSave[i] == 1) << i;
  EXPECT_EQ(state.padString, std::string(100, '.'));
}

TEST_F(FormOptTest, UnderscoreIsInForceAtOnce) {
  FormOpt options(state, platform);
  options.opDelim[2]->click();
  EXPECT_EQ(state.delimiterChoice, 2);
  EXPECT_EQ(state.padString, std::string(100, '_'));
  options.opLogSave[0]->click();
  EXPECT_EQ(state.saveOption, 0);
  options.chkLogFile[1]->click();
  EXPECT_EQ(state.logsToSave[1], 1);
  options.chkLogFile[0]->click();
  EXPECT_EQ(state.logsToSave[0], 0);
}

TEST_F(FormOptTest, DefaultValuesRestoreTheDefaultsAndClosingWritesThem) {
  FormOpt options(state, platform);
  options.opDelim[2]->click();
  options.opLogSave[2]->click();
  options.chkLogFile[1]->click();
  options.chkLogFile[9]->click();
  options.cmdDefault->click();
  EXPECT_TRUE(options.opDelim[0]->isChecked());
  EXPECT_TRUE(options.opLogSave[1]->isChecked());
  EXPECT_EQ(state.padString, std::string(100, ' '));
  const std::array<int16_t, kLogKinds> defaults = {1, 0, 1, 0, 1, 1, 1, 1, 0, 1};
  EXPECT_EQ(state.logsToSave, defaults);
  for (int i = 0; i < kLogKinds; ++i) EXPECT_EQ(options.chkLogFile[i]->isChecked(), defaults[i] == 1) << i;

  options.reject();
  const auto lines = writtenLines();
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[2], " 0 ");
  EXPECT_EQ(lines[3], " 1 ");
  EXPECT_EQ(lines[4], " 1 ");
  EXPECT_EQ(lines[5], " 0 ");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FormOptTest, OpeningAndClosingRewritesTheValuesInForce) {
  state.logFolder = "/matches/friday, late/";
  state.delimiterChoice = 2;
  state.saveOption = 0;
  const std::string expected = formatPreferences(state);
  FormOpt options(state, platform);
  options.reject();
  EXPECT_EQ(testing::readFile(program.file("vxScore.vxp")), expected);
}

TEST_F(FormOptTest, AFailedWriteIsReported) {
  state.programFolder = program.file("gone");
  FormOpt options(state, platform);
  options.reject();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text.rfind("Error: ", 0), 0u);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
}

TEST_F(FormOptTest, AValueNoButtonStandsForIsLeftAlone) {
  state.delimiterChoice = 7;
  state.padString.clear();
  FormOpt options(state, platform);
  for (QRadioButton* button : options.opDelim) EXPECT_FALSE(button->isChecked());
  EXPECT_EQ(state.delimiterChoice, 7);
  options.opDelim[1]->click();
  EXPECT_EQ(state.padString, std::string(100, '.'));
}

}  // namespace
}  // namespace skyvex::ui
