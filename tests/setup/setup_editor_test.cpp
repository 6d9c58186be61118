#include "setup/setup_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/startup.h"
#include "tests/support/scripted_platform.h"

namespace skyvex {
namespace {

using testing::ScriptedPlatform;

WorkingState freshState() {
  WorkingState state;
  fillPlaneTypes(state);
  state.maxPilotsAllowed = 99;
  return state;
}

// A setup in which every field differs from its neighbours, so a value that
// lands in the wrong control shows.
WorkingState fullSetup() {
  WorkingState state = freshState();
  state.serverName = "Jasta, Field 3";
  state.mapIndex = 4;
  state.maxPilotsAllowed = 16;
  state.multiDeathSeconds = 20;
  state.penaltyPerExcessMinute = 0.5;
  state.graceMinutes = 3;
  state.penaltyScout = 7;
  state.penaltyFriendly = 8;
  state.penaltyInvalid = -2;
  state.useBoxedTargets = 1;
  for (int i = 0; i < kTargetValues; ++i) state.targetValues[i] = static_cast<int16_t>(30 + i);
  for (size_t t = 1; t <= 22; ++t) {
    state.planeTypes[t].planeValue = static_cast<int16_t>(t);
    state.planeTypes[t].planeAllowed = t % 3 == 0 ? 1 : 0;
    state.planeTypes[t].currentName = "Name " + std::to_string(t);
    state.planeTypes[t].currentShortName = "N" + std::to_string(t);
  }
  state.pointsPerDeath = 2;
  state.aamPointsPerDeath = 2;
  state.activeAerodromes = {{}, {12, 0}, {5, 0}, {7, 1}, {30, 0}};
  return state;
}

TEST(SetupEditorRefresh, ShowsEveryFieldInItsControl) {
  const WorkingState state = fullSetup();
  SetupForm form;
  refresh(state, form);
  EXPECT_EQ(form.txtServer, "Jasta, Field 3");
  EXPECT_EQ(form.lstMap, 4);
  EXPECT_TRUE(form.cmdActiveEnabled);
  EXPECT_EQ(form.txtMaxPilots, "16");
  EXPECT_EQ(form.txtMultiDeath, "20");
  EXPECT_EQ(form.txtPenMaxPilots, "0.5");
  EXPECT_EQ(form.txtGrace, "3");
  EXPECT_EQ(form.txtPenScout, "7");
  EXPECT_EQ(form.txtPenFriendly, "8");
  EXPECT_EQ(form.txtPenInvalid, "-2");
  EXPECT_TRUE(form.chkUseBoxed);
  EXPECT_EQ(form.txtPtsTarget[0], "30");
  EXPECT_EQ(form.txtPtsTarget[17], "47");
  EXPECT_EQ(form.lblPlane[0], "Airco DH2");
  EXPECT_EQ(form.lblPlane[21], "Pfalz DXII");
  EXPECT_EQ(form.chkPlaneCaption[2], "Name 3");
  EXPECT_TRUE(form.chkPlane[2]);
  EXPECT_FALSE(form.chkPlane[3]);
  EXPECT_EQ(form.txtPlane[21], "22");
  EXPECT_EQ(form.txtStyle4[13], "Name 14");
  EXPECT_EQ(form.txtStyle5[13], "N14");
  EXPECT_EQ(form.txtPtsDeath, "2");
}

TEST(SetupEditorRefresh, ActiveLabelsPutABlankBeforeEachNumberOfTheSide) {
  const WorkingState state = fullSetup();
  SetupForm form;
  refresh(state, form);
  EXPECT_EQ(form.lblActiveCentral, " 12 5 30");
  EXPECT_EQ(form.lblActiveAllied, " 7");

  WorkingState none = freshState();
  refreshActiveLabels(none, form);
  EXPECT_EQ(form.lblActiveCentral, "");
  EXPECT_EQ(form.lblActiveAllied, "");
}

TEST(SetupEditorRefresh, WholePenaltyPerMinuteShowsWithoutDecimals) {
  WorkingState state = freshState();
  state.penaltyPerExcessMinute = 1.0;
  SetupForm form;
  refresh(state, form);
  EXPECT_EQ(form.txtPenMaxPilots, "1");
}

TEST(SetupEditorCollect, RefreshThenCollectKeepsTheSetup) {
  const WorkingState original = fullSetup();
  WorkingState state = original;
  SetupForm form;
  refresh(state, form);
  collect(form, state);
  EXPECT_EQ(state, original);
}

TEST(SetupEditorCollect, TakesEveryTextControl) {
  WorkingState state = freshState();
  SetupForm form;
  refresh(state, form);
  form.txtServer = "Escadrille";
  form.txtMaxPilots = "12";
  form.txtMultiDeath = "25";
  form.txtPenMaxPilots = ".5";
  form.txtGrace = "2";
  form.txtPenScout = "6";
  form.txtPenFriendly = "4";
  form.txtPenInvalid = "3";
  form.txtPtsTarget[3] = "-5";
  form.txtPtsTarget[17] = "11";
  form.txtPlane[0] = "3";
  form.txtPlane[21] = "4";
  form.txtStyle4[13] = "Albatros D.II";
  form.txtStyle5[13] = "D.II";
  collect(form, state);
  EXPECT_EQ(state.serverName, "Escadrille");
  EXPECT_EQ(state.maxPilotsAllowed, 12);
  EXPECT_EQ(state.multiDeathSeconds, 25);
  EXPECT_DOUBLE_EQ(state.penaltyPerExcessMinute, 0.5);
  EXPECT_EQ(state.graceMinutes, 2);
  EXPECT_EQ(state.penaltyScout, 6);
  EXPECT_EQ(state.penaltyFriendly, 4);
  EXPECT_EQ(state.penaltyInvalid, 3);
  EXPECT_EQ(state.targetValues[3], -5);
  EXPECT_EQ(state.targetValues[17], 11);
  EXPECT_EQ(state.planeTypes[1].planeValue, 3);
  EXPECT_EQ(state.planeTypes[22].planeValue, 4);
  EXPECT_EQ(state.planeTypes[14].currentName, "Albatros D.II");
  EXPECT_EQ(state.planeTypes[14].currentShortName, "D.II");
  // The fixed names are never touched by the editor.
  EXPECT_EQ(state.planeTypes[14].displayName, "Albatros DII");
}

TEST(SetupEditorCollect, PointsPerDeathSetsBothDeathValues) {
  WorkingState state = freshState();
  SetupForm form;
  refresh(state, form);
  form.txtPtsDeath = "3";
  collect(form, state);
  EXPECT_EQ(state.pointsPerDeath, 3);
  EXPECT_EQ(state.aamPointsPerDeath, 3);
}

TEST(SetupEditorCollect, TextAfterANumberIsReadAsTheLeadingNumber) {
  WorkingState state = freshState();
  SetupForm form;
  refresh(state, form);
  form.txtMultiDeath = "12 min";
  form.txtGrace = "5 minutes";
  form.txtPenMaxPilots = "1.5 pts";
  form.txtPenScout = "abc";
  collect(form, state);
  EXPECT_EQ(state.multiDeathSeconds, 12);
  EXPECT_EQ(state.graceMinutes, 5);
  EXPECT_DOUBLE_EQ(state.penaltyPerExcessMinute, 1.5);
  EXPECT_EQ(state.penaltyScout, 0);
}

TEST(SetupEditorCollect, RoundsHalvesToEvenAndClampsOutOfRange) {
  WorkingState state = freshState();
  SetupForm form;
  refresh(state, form);
  form.txtPtsTarget[0] = "2.5";
  form.txtPtsTarget[1] = "3.5";
  form.txtPtsTarget[2] = "-2.5";
  form.txtPtsTarget[3] = "40000";
  form.txtPtsTarget[4] = "-40000";
  form.txtPenMaxPilots = "1e999";
  collect(form, state);
  EXPECT_EQ(state.targetValues[0], 2);
  EXPECT_EQ(state.targetValues[1], 4);
  EXPECT_EQ(state.targetValues[2], -2);
  EXPECT_EQ(state.targetValues[3], 32767);
  EXPECT_EQ(state.targetValues[4], -32768);
  EXPECT_DOUBLE_EQ(state.penaltyPerExcessMinute, 32767.0);
}

TEST(SetupEditorLeavingRule, ZeroAndNonNumbersBecomeZeroOthersStay) {
  EXPECT_EQ(leaveNumericBox("abc"), "0");
  EXPECT_EQ(leaveNumericBox(""), "0");
  EXPECT_EQ(leaveNumericBox("   "), "0");
  EXPECT_EQ(leaveNumericBox("0.0"), "0");
  EXPECT_EQ(leaveNumericBox("x12"), "0");
  EXPECT_EQ(leaveNumericBox("-5"), "-5");
  EXPECT_EQ(leaveNumericBox(".5"), ".5");
  EXPECT_EQ(leaveNumericBox("12 min"), "12 min");
}

TEST(SetupEditorLeavingRule, NegativeTargetValueSurvivesLeavingAndCollect) {
  WorkingState state = freshState();
  SetupForm form;
  refresh(state, form);
  form.txtPtsTarget[3] = leaveNumericBox("-5");
  collect(form, state);
  EXPECT_EQ(form.txtPtsTarget[3], "-5");
  EXPECT_EQ(state.targetValues[3], -5);
}

TEST(SetupEditorCommonPoints, BridgeGroupCopiesTheFiveSpanBoxOnlyInTheControls) {
  WorkingState state = fullSetup();
  const WorkingState before = state;
  SetupForm form;
  refresh(state, form);
  form.txtPtsTarget[9] = "7";
  commonPoints(form, 2);
  EXPECT_EQ(form.txtPtsTarget[10], "7");
  EXPECT_EQ(form.txtPtsTarget[11], "7");
  EXPECT_EQ(form.txtPtsTarget[8], "38");   // supply dump box untouched
  EXPECT_EQ(form.txtPtsTarget[12], "42");  // factory box untouched
  EXPECT_EQ(state, before);
  collect(form, state);
  EXPECT_EQ(state.targetValues[10], 7);
  EXPECT_EQ(state.targetValues[11], 7);
}

TEST(SetupEditorCommonPoints, EachButtonFillsItsWholeGroupFromTheMarkedBox) {
  const std::array<std::vector<int>, kCommonButtons> groups = {
      std::vector<int>{0, 1, 2, 3, 4, 5}, {6, 7, 8}, {9, 10, 11}, {12, 13}, {15, 16, 17}};
  for (int k = 0; k < kCommonButtons; ++k) {
    SetupForm form;
    for (int i = 0; i < kTargetValues; ++i) form.txtPtsTarget[i] = std::to_string(100 + i);
    const int source = commonPointsSource(k);
    commonPoints(form, k);
    for (int i = 0; i < kTargetValues; ++i) {
      const bool inGroup = std::find(groups[k].begin(), groups[k].end(), i) != groups[k].end();
      EXPECT_EQ(form.txtPtsTarget[i], inGroup ? std::to_string(100 + source) : std::to_string(100 + i))
          << "button " << k << " box " << i;
    }
  }
  // The aerodrome button copies from the 11-building box, and the rail yard box
  // (14) belongs to no button.
  EXPECT_EQ(commonPointsSource(0), 1);
  EXPECT_EQ(commonPointsSource(2), 9);
}

TEST(SetupEditorMapList, ChoosingAMapEnablesSetActivesAndSelectMapCannotUnsetIt) {
  WorkingState state = freshState();
  SetupForm form;
  refresh(state, form);
  EXPECT_EQ(form.lstMap, 0);
  EXPECT_FALSE(form.cmdActiveEnabled);

  chooseMap(state, form, 4);
  EXPECT_EQ(state.mapIndex, 4);
  EXPECT_EQ(form.lstMap, 4);
  EXPECT_TRUE(form.cmdActiveEnabled);

  chooseMap(state, form, 0);
  EXPECT_EQ(state.mapIndex, 4);
  EXPECT_EQ(form.lstMap, 4);
  EXPECT_TRUE(form.cmdActiveEnabled);
}

TEST(SetupEditorMapList, SelectMapWithNoMapStaysWithoutAMap) {
  WorkingState state = freshState();
  SetupForm form;
  refresh(state, form);
  chooseMap(state, form, 0);
  EXPECT_EQ(state.mapIndex, 0);
  EXPECT_EQ(form.lstMap, 0);
  EXPECT_FALSE(form.cmdActiveEnabled);
}

TEST(SetupEditorDefaults, ScoringWithNoServerNameAndNoMap) {
  WorkingState state = freshState();
  state.activeAerodromes = {{}, {12, 0}};
  SetupForm form;
  refresh(state, form);
  ScriptedPlatform platform;
  platform.questionAnswers = {true};
  EXPECT_TRUE(useDefaultScoringSettings(state, form, platform));
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0], "Do you wish to use the default scoring values?");
  EXPECT_EQ(state.serverName, "Skyvex Server");
  EXPECT_EQ(form.txtServer, "Skyvex Server");
  EXPECT_EQ(state.mapIndex, 2);
  EXPECT_EQ(form.lstMap, 2);
  EXPECT_TRUE(form.cmdActiveEnabled);
  EXPECT_EQ(state.setupFileName, "{manual/default settings}");
  EXPECT_EQ(state.maxPilotsAllowed, 18);
  EXPECT_EQ(form.txtMaxPilots, "18");
  EXPECT_EQ(form.txtMultiDeath, "15");
  EXPECT_EQ(form.txtPenMaxPilots, "1");
  EXPECT_EQ(form.txtPenScout, "10");
  EXPECT_TRUE(form.chkUseBoxed);
  EXPECT_EQ(form.txtPtsTarget[0], "9");
  EXPECT_EQ(form.txtPtsTarget[14], "3");
  EXPECT_EQ(form.txtPtsTarget[15], "0");
  EXPECT_TRUE(form.chkPlane[2]);    // Nieuport 11
  EXPECT_TRUE(form.chkPlane[12]);   // SPAD XIII
  EXPECT_FALSE(form.chkPlane[13]);
  EXPECT_EQ(form.txtPlane[5], "1");
  EXPECT_EQ(form.txtPtsDeath, "1");
  EXPECT_EQ(state.activeAerodromes.size(), 1u);
  EXPECT_EQ(form.lblActiveCentral, "");
}

TEST(SetupEditorDefaults, ScoringKeepsTheTypedServerNameAndTheChosenMap) {
  WorkingState state = freshState();
  state.mapIndex = 5;
  SetupForm form;
  refresh(state, form);
  form.txtServer = "Typed, not yet left";
  ScriptedPlatform platform;
  platform.questionAnswers = {true};
  ASSERT_TRUE(useDefaultScoringSettings(state, form, platform));
  EXPECT_EQ(state.serverName, "Typed, not yet left");
  EXPECT_EQ(state.mapIndex, 5);
}

TEST(SetupEditorDefaults, ScoringAnsweredNoChangesNothing) {
  WorkingState state = fullSetup();
  const WorkingState before = state;
  SetupForm form;
  refresh(state, form);
  form.txtPenScout = "44";
  ScriptedPlatform platform;
  platform.questionAnswers = {false};
  EXPECT_FALSE(useDefaultScoringSettings(state, form, platform));
  EXPECT_EQ(state, before);
  EXPECT_EQ(form.txtPenScout, "44");
}

TEST(SetupEditorDefaults, PlaneMapChangesOnlyTheControls) {
  WorkingState state = fullSetup();
  const WorkingState before = state;
  SetupForm form;
  refresh(state, form);
  ScriptedPlatform platform;
  platform.questionAnswers = {true};
  EXPECT_TRUE(useDefaultPlaneMap(state, form, platform));
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0], "Do you wish to use the default Skyvex aeroplane names?");
  EXPECT_EQ(form.txtStyle4[16], "Fokker DRI");
  EXPECT_EQ(form.txtStyle5[16], "DR1");
  EXPECT_EQ(form.lblPlane[16], "Fokker DRI");
  EXPECT_EQ(state, before);
  collect(form, state);
  EXPECT_EQ(state.planeTypes[17].currentName, "Fokker DRI");
  EXPECT_EQ(state.planeTypes[17].currentShortName, "DR1");
}

TEST(SetupEditorDefaults, PlaneMapAnsweredNoLeavesTheControls) {
  const WorkingState state = fullSetup();
  SetupForm form;
  refresh(state, form);
  ScriptedPlatform platform;
  EXPECT_FALSE(useDefaultPlaneMap(state, form, platform));
  EXPECT_EQ(form.txtStyle4[16], "Name 17");
}

// The default scoring refreshes every control; names typed (or a default
// plane map chosen) just before must not be thrown away by it.
TEST(SetupEditorDefaults, ScoringAfterDefaultPlaneMapKeepsTheDefaultNames) {
  WorkingState state = fullSetup();
  SetupForm form;
  refresh(state, form);
  ScriptedPlatform platform;
  platform.questionAnswers = {true, true};
  ASSERT_TRUE(useDefaultPlaneMap(state, form, platform));
  form.txtStyle5[0] = "Typed";
  ASSERT_TRUE(useDefaultScoringSettings(state, form, platform));
  EXPECT_EQ(form.txtStyle4[16], "Fokker DRI");
  EXPECT_EQ(form.txtStyle5[0], "Typed");
  EXPECT_EQ(form.chkPlaneCaption[16], "Fokker DRI");
  EXPECT_EQ(state.planeTypes[17].currentName, "Fokker DRI");
}

}  // namespace
}  // namespace skyvex
