#include "setup/setup_editor.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "core/text.h"
#include "setup/default_scoring.h"

namespace skyvex {

namespace {

std::string wholeText(long v) { return fmtN(v); }

std::string decimalText(double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", v);
  return buffer;
}

struct CommonGroup {
  int from;
  std::vector<int> to;
};

const std::array<CommonGroup, kCommonButtons>& commonGroups() {
  static const std::array<CommonGroup, kCommonButtons> groups = {{
      {1, {0, 2, 3, 4, 5}},  // aerodromes: the 11-building box
      {6, {7, 8}},           // supply dumps: 5 buildings
      {9, {10, 11}},         // bridges: 5 spans
      {12, {13}},            // factories: 5 buildings
      {15, {16, 17}},        // civilian targets: cities
  }};
  return groups;
}

}  // namespace

void refresh(const WorkingState& state, SetupForm& form) {
  form.txtMaxPilots = wholeText(state.maxPilotsAllowed);
  form.txtMultiDeath = wholeText(state.multiDeathSeconds);
  form.txtGrace = wholeText(state.graceMinutes);
  form.txtPenMaxPilots = decimalText(state.penaltyPerExcessMinute);
  form.txtPenScout = wholeText(state.penaltyScout);
  form.txtPenFriendly = wholeText(state.penaltyFriendly);
  form.txtPenInvalid = wholeText(state.penaltyInvalid);
  form.chkUseBoxed = state.useBoxedTargets != 0;

  for (int i = 0; i < kTargetValues; ++i) form.txtPtsTarget[i] = wholeText(state.targetValues[i]);

  for (int i = 0; i < kEditorPlanes; ++i) {
    const PlaneType& type = state.planeTypes[static_cast<size_t>(i + 1)];
    form.lblPlane[i] = type.displayName;
    form.chkPlaneCaption[i] = type.currentName;
    form.chkPlane[i] = type.planeAllowed != 0;
    form.txtPlane[i] = wholeText(type.planeValue);
    form.txtStyle4[i] = type.currentName;
    form.txtStyle5[i] = type.currentShortName;
  }

  form.txtPtsDeath = wholeText(state.pointsPerDeath);
  form.txtServer = state.serverName;

  form.lstMap = (state.mapIndex >= 0 && state.mapIndex < kMaps) ? state.mapIndex : 0;
  form.cmdActiveEnabled = state.mapIndex != 0;
  refreshActiveLabels(state, form);
}

void collectAtOnce(const SetupForm& form, WorkingState& state) {
  state.serverName = form.txtServer;
  state.useBoxedTargets = form.chkUseBoxed ? 1 : 0;
  for (int i = 0; i < kEditorPlanes; ++i) state.planeTypes[static_cast<size_t>(i + 1)].planeAllowed = form.chkPlane[i] ? 1 : 0;
}

void collect(const SetupForm& form, WorkingState& state) {
  collectAtOnce(form, state);

  state.multiDeathSeconds = boxValue(form.txtMultiDeath);
  state.graceMinutes = boxValue(form.txtGrace);
  state.penaltyScout = boxValue(form.txtPenScout);
  state.penaltyFriendly = boxValue(form.txtPenFriendly);
  state.penaltyInvalid = boxValue(form.txtPenInvalid);
  state.penaltyPerExcessMinute = boxDecimal(form.txtPenMaxPilots);

  state.maxPilotsAllowed = boxValue(form.txtMaxPilots);
  for (int i = 0; i < kTargetValues; ++i) state.targetValues[i] = boxValue(form.txtPtsTarget[i]);

  for (int i = 0; i < kEditorPlanes; ++i) {
    PlaneType& type = state.planeTypes[static_cast<size_t>(i + 1)];
    type.planeValue = boxValue(form.txtPlane[i]);
    type.currentName = form.txtStyle4[i];
    type.currentShortName = form.txtStyle5[i];
  }

  state.pointsPerDeath = boxValue(form.txtPtsDeath);
  state.aamPointsPerDeath = state.pointsPerDeath;
}

std::string leaveNumericBox(const std::string& text) { return leadingNumber(text) == 0 ? "0" : text; }

int16_t boxValue(const std::string& text) { return toInt16Clamped(leadingNumber(text)); }

double boxDecimal(const std::string& text) {
  const double value = leadingNumber(text);
  if (std::isnan(value)) return 0;
  if (value > 32767.0) return 32767.0;
  if (value < -32768.0) return -32768.0;
  return value;
}

int commonPointsSource(int k) {
  if (k < 0 || k >= kCommonButtons) return -1;
  return commonGroups()[static_cast<size_t>(k)].from;
}

void commonPoints(SetupForm& form, int k) {
  if (k < 0 || k >= kCommonButtons) return;
  const CommonGroup& group = commonGroups()[static_cast<size_t>(k)];
  for (const int to : group.to) form.txtPtsTarget[to] = form.txtPtsTarget[group.from];
}

void chooseMap(WorkingState& state, SetupForm& form, int item) {
  if (item > 0 && item < kMaps) {
    state.mapIndex = static_cast<int16_t>(item);
  }
  // "(select map)" cannot unset a chosen map: the list goes back to it.
  form.lstMap = (state.mapIndex >= 0 && state.mapIndex < kMaps) ? state.mapIndex : 0;
  form.cmdActiveEnabled = state.mapIndex != 0;
}

std::string activeAerodromeLabel(const WorkingState& state, int side) {
  std::string label;
  for (size_t n = 1; n < state.activeAerodromes.size(); ++n) {
    const ActiveAerodrome& a = state.activeAerodromes[n];
    if (a.ownerSide == side) label += " " + fmtN(a.aerodromeNumber);
  }
  return label;
}

void refreshActiveLabels(const WorkingState& state, SetupForm& form) {
  form.lblActiveCentral = activeAerodromeLabel(state, 0);
  form.lblActiveAllied = activeAerodromeLabel(state, 1);
}

bool useDefaultPlaneMap(const WorkingState& state, SetupForm& form, Platform& platform) {
  if (!platform.askYesNo("Do you wish to use the default Skyvex aeroplane names?")) return false;
  for (int i = 0; i < kEditorPlanes; ++i) {
    const PlaneType& type = state.planeTypes[static_cast<size_t>(i + 1)];
    form.lblPlane[i] = type.displayName;
    form.txtStyle4[i] = type.displayName;
    form.txtStyle5[i] = type.shortName;
  }
  return true;
}

bool useDefaultScoringSettings(WorkingState& state, SetupForm& form, Platform& platform) {
  if (!platform.askYesNo("Do you wish to use the default scoring values?")) return false;
  // Every value collect() writes is set by the defaults below, except the
  // server name and the aeroplane names, which are meant to be kept.
  collect(form, state);
  applyDefaultScoring(state);
  refresh(state, form);
  return true;
}

}  // namespace skyvex
