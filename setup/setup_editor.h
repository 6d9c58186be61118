// The setup editor's logic, apart from its window: what every control shows,
// how the controls go back into the working state, and the handlers that are
// plain text work. The window only copies SetupForm to and from its widgets.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/platform.h"
#include "core/working_state.h"

namespace skyvex {

inline constexpr int kEditorPlanes = 22;  // control index i stands for aeroplane type i + 1
inline constexpr int kCommonButtons = 5;

// The items of lstMap; the item index is mapIndex.
inline constexpr std::array<const char*, kMaps> kMapItems = {"(select map)", "Alsace", "Flanders",
                                                             "Island",       "Marne",  "Verdun"};

// Every control of the editor, as text or value.
struct SetupForm {
  // Main Setup
  std::string txtServer;
  int lstMap = 0;  // selected item
  std::string txtMaxPilots;
  std::string txtMultiDeath;
  std::string txtPenMaxPilots;
  std::string txtGrace;
  std::string txtPenScout;
  std::string txtPenFriendly;
  std::string txtPenInvalid;
  bool chkUseBoxed = false;
  // Bombing Setup
  std::array<std::string, kTargetValues> txtPtsTarget{};
  bool cmdActiveEnabled = false;
  std::string lblActiveCentral;
  std::string lblActiveAllied;
  // Aeroplane Setup
  std::array<std::string, kEditorPlanes> chkPlaneCaption{};
  std::array<bool, kEditorPlanes> chkPlane{};
  std::array<std::string, kEditorPlanes> txtPlane{};
  std::string txtPtsDeath;
  // Aeroplane Map
  std::array<std::string, kEditorPlanes> lblPlane{};
  std::array<std::string, kEditorPlanes> txtStyle4{};
  std::array<std::string, kEditorPlanes> txtStyle5{};
};

// Puts the working state into every control.
void refresh(const WorkingState& state, SetupForm& form);
// Takes every text control and check box into the working state. The map list
// is not collected: choosing a map sets it at once (see chooseMap).
void collect(const SetupForm& form, WorkingState& state);
// Takes only the controls that are in force as soon as they change: the check
// boxes when clicked and the server name when its box is left.
void collectAtOnce(const SetupForm& form, WorkingState& state);

// A numeric box's text after the box is left: "0" when its leading number is 0
// (empty text and text that does not begin with a number included); any other
// text, negative numbers too, stays as typed.
[[nodiscard]] std::string leaveNumericBox(const std::string& text);
// The value a numeric box gives: its leading number rounded (halves to even)
// into 16 bits, clamped outside -32768..32767. "12 min" gives 12.
[[nodiscard]] int16_t boxValue(const std::string& text);
// The decimal value of txtPenMaxPilots; a number too large to hold is clamped
// to the 16-bit range like the whole-number boxes.
[[nodiscard]] double boxDecimal(const std::string& text);

// "Commmon Pts" button k (0..4): copies one txtPtsTarget box of its group to
// the rest of the group. The working state follows at the next collect().
void commonPoints(SetupForm& form, int k);
// The txtPtsTarget index that button k copies from (the box marked ">").
[[nodiscard]] int commonPointsSource(int k);

// lstMap chosen: a map item sets mapIndex; "(select map)" while a map is
// chosen puts the list back on that map. cmdActive follows mapIndex.
void chooseMap(WorkingState& state, SetupForm& form, int item);

// The text of lblActiveCentral (side 0) or lblActiveAllied (side 1): a blank
// before each active aerodrome number of the side, in list order.
[[nodiscard]] std::string activeAerodromeLabel(const WorkingState& state, int side);
// Rebuilds both labels.
void refreshActiveLabels(const WorkingState& state, SetupForm& form);

// "Use Default Plane Map": after a Yes, the name controls show the fixed
// names. Only the controls change. False when the answer was No.
bool useDefaultPlaneMap(const WorkingState& state, SetupForm& form, Platform& platform);
// "Use Default Scoring Settings": after a Yes, every scoring value gets its
// default (the server name typed is kept) and the controls show them. The
// aeroplane names typed so far are carried into the state first, so a default
// plane map chosen just before is not thrown away. False when the answer was No.
bool useDefaultScoringSettings(WorkingState& state, SetupForm& form, Platform& platform);

}  // namespace skyvex
