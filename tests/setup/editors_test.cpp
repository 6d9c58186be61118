// The logic of the setup editor and the adjustments window apart from the windows, beyond what
// the settings windows' own tests show: every control shows its value and gives it back, the
// rules of typed boxes at their edges, and what the default scoring keeps.
#include "setup/setup_editor.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/startup.h"
#include "setup/active_aerodromes.h"
#include "setup/adjustments_editor.h"
#include "tests/support/scripted_platform.h"

namespace skyvex {
namespace {

// Every value differs from its neighbours, so a value in the wrong control shows.
WorkingState fullSetup() {
  WorkingState state;
  fillPlaneTypes(state);
  state.serverName = "Jasta, Field 3";
  state.mapIndex = 4;
  state.penaltyPerExcessMinute = 0.5;
  int16_t* numbers[] = {&state.maxPilotsAllowed, &state.multiDeathSeconds, &state.graceMinutes, &state.penaltyScout,
                        &state.penaltyFriendly,  &state.penaltyInvalid,    &state.useBoxedTargets};
  const int16_t values[] = {16, 20, 3, 7, 8, -2, 1};
  for (size_t i = 0; i < 7; ++i) *numbers[i] = values[i];
  for (int i = 0; i < kTargetValues; ++i) state.targetValues[i] = static_cast<int16_t>(30 + i);
  for (size_t t = 1; t <= 22; ++t) {
    state.planeTypes[t].planeValue = static_cast<int16_t>(t);
    state.planeTypes[t].planeAllowed = t % 3 == 0 ? 1 : 0;
    state.planeTypes[t].currentName = "Name " + std::to_string(t);
    state.planeTypes[t].currentShortName = "N" + std::to_string(t);
  }
  state.pointsPerDeath = state.aamPointsPerDeath = 2;
  state.activeAerodromes = {{}, {12, 0}, {5, 0}, {7, 1}, {30, 0}};
  return state;
}

TEST(SetupEditor, TheControlsShowTheSetupAndGiveItBack) {
  const WorkingState original = fullSetup();
  WorkingState state = original;
  SetupForm form;
  refresh(state, form);
  const std::pair<const std::string*, const char*> shown[] = {
      {&form.txtServer, "Jasta, Field 3"}, {&form.txtMaxPilots, "16"}, {&form.txtMultiDeath, "20"},
      {&form.txtPenMaxPilots, "0.5"}, {&form.txtGrace, "3"}, {&form.txtPenScout, "7"}, {&form.txtPenFriendly, "8"},
      {&form.txtPenInvalid, "-2"}, {&form.txtPtsTarget[0], "30"}, {&form.txtPtsTarget[17], "47"},
      {&form.txtPlane[21], "22"}, {&form.chkPlaneCaption[2], "Name 3"}, {&form.txtStyle4[13], "Name 14"},
      {&form.txtStyle5[13], "N14"}, {&form.lblPlane[16], "Fokker DRI"}, {&form.txtPtsDeath, "2"},
      {&form.lblActiveCentral, " 12 5 30"}, {&form.lblActiveAllied, " 7"}};
  for (const auto& [control, text] : shown) EXPECT_EQ(*control, text);
  EXPECT_EQ(form.lstMap, 4);
  EXPECT_TRUE(form.cmdActiveEnabled && form.chkUseBoxed && form.chkPlane[2] && !form.chkPlane[3]);
  EXPECT_EQ(activeAerodromesText(state), "12,5,7,30,");  // what the Active Dromes window opens with
  collect(form, state);
  EXPECT_EQ(state, original);
  form.txtPtsDeath = "3";  // one box for both kinds of death
  collect(form, state);
  EXPECT_EQ(state.aamPointsPerDeath, 3);
  state.penaltyPerExcessMinute = 1;
  refresh(state, form);
  EXPECT_EQ(form.txtPenMaxPilots, "1");
}

TEST(TypedBoxes, GiveTheirLeadingNumberRoundedHalfToEvenAndClampedAndWhenLeftShowZeroOrNothing) {
  const struct {
    const char* typed;
    int16_t value;
    const char* leftInTheSetup;  // a setup box left holding no number shows 0
    const char* leftInTheAdjustments;  // a points box that gives 0 is emptied
  } rows[] = {{"12 min", 12, "12 min", "12 min"}, {"abc", 0, "0", ""}, {"", 0, "0", ""}, {"   ", 0, "0", ""},
              {"x12", 0, "0", ""}, {"0.0", 0, "0", ""}, {"0.3", 0, "0.3", ""}, {".5", 0, ".5", ""},
              {"2.5", 2, "2.5", "2.5"}, {"3.5", 4, "3.5", "3.5"}, {"-2.5", -2, "-2.5", "-2.5"}, {" 7 ", 7, " 7 ", " 7 "},
              {"-5", -5, "-5", "-5"}, {"40000", 32767, "40000", "40000"}, {"-40000", -32768, "-40000", "-40000"},
              {"1e999", 32767, "1e999", "1e999"}};
  for (const auto& row : rows) {
    EXPECT_EQ(boxValue(row.typed), row.value) << row.typed;
    EXPECT_EQ(typedAdjustmentPoints(row.typed), row.value) << row.typed;
    EXPECT_EQ(leaveNumericBox(row.typed), row.leftInTheSetup) << row.typed;
    EXPECT_EQ(leaveAdjustmentPointsBox(row.typed), row.leftInTheAdjustments) << row.typed;
  }
  EXPECT_EQ(boxDecimal("1.5 pts"), 1.5);
  EXPECT_EQ(boxDecimal("1e999"), 32767.0);
  EXPECT_EQ(boxDecimal("-1e999"), -32768.0);
}

TEST(SetupEditor, DefaultScoringKeepsTheTypedServerNameAndTheMapAndNoChangesNothing) {
  WorkingState state = fullSetup();
  const WorkingState before = state;
  SetupForm form;
  refresh(state, form);
  form.txtServer = "Typed, not yet left";
  testing::ScriptedPlatform platform;
  platform.questionAnswers = {false, true};
  EXPECT_FALSE(useDefaultScoringSettings(state, form, platform));
  EXPECT_EQ(state, before);
  EXPECT_TRUE(useDefaultScoringSettings(state, form, platform));
  EXPECT_EQ(state.serverName, "Typed, not yet left");
  EXPECT_EQ(state.mapIndex, 4);
  EXPECT_EQ(state.planeTypes[17].currentName, "Name 17");  // names are no scoring values
  EXPECT_EQ(form.txtMaxPilots, "18");  // the controls show the defaults
  EXPECT_EQ(form.lblActiveCentral, "");
}

TEST(SetupEditor, CommonPointsFillTheirGroupAndAChosenMapCannotBeUnset) {
  const std::vector<int> groups[kCommonButtons] = {{0, 1, 2, 3, 4, 5}, {6, 7, 8}, {9, 10, 11}, {12, 13}, {15, 16, 17}};
  const int sources[kCommonButtons] = {1, 6, 9, 12, 15};  // the boxes marked ">"; the rail yard (14) has no button
  for (int k = 0; k < kCommonButtons; ++k) {
    SetupForm form;
    for (int i = 0; i < kTargetValues; ++i) form.txtPtsTarget[i] = std::to_string(100 + i);
    commonPoints(form, k);
    for (int i = 0; i < kTargetValues; ++i) {
      const bool inGroup = std::count(groups[k].begin(), groups[k].end(), i) > 0;
      EXPECT_EQ(form.txtPtsTarget[i], std::to_string(100 + (inGroup ? sources[k] : i))) << k << " " << i;
    }
  }
  WorkingState state;
  SetupForm form;
  chooseMap(state, form, 0);  // "(select map)" with no map chosen stays without one
  EXPECT_TRUE(state.mapIndex == 0 && form.lstMap == 0 && !form.cmdActiveEnabled);
  chooseMap(state, form, 4);
  chooseMap(state, form, 0);
  EXPECT_TRUE(state.mapIndex == 4 && form.lstMap == 4 && form.cmdActiveEnabled);
}

TEST(AdjustmentsWindow, ClearEmptiesOneSideOnly) {
  WorkingState state;
  for (int box = 1; box <= kAdjustmentBoxes; ++box) {
    state.scoreAdjustments[0][box] = {static_cast<int16_t>(box), "C"};
    state.scoreAdjustments[1][box] = {static_cast<int16_t>(10 + box), "A"};
  }
  AdjustForm form;
  loadAdjustForm(state, form);
  const WorkingState before = state;
  const auto alliedBoxes = form.txtPts[1];
  clearAdjustments(state, form, 0);
  for (int box = 0; box < kAdjustmentBoxes; ++box) {
    EXPECT_EQ(state.scoreAdjustments[0][box + 1], ScoreAdjustment{});
    EXPECT_EQ(form.txtPts[0][box] + form.txtDesc[0][box], "");
  }
  EXPECT_EQ(state.scoreAdjustments[1], before.scoreAdjustments[1]);
  EXPECT_EQ(form.txtPts[1], alliedBoxes);
}

}  // namespace
}  // namespace skyvex
