// The number conversions of every text box and file reader, and the settings
// windows' boxes, on arbitrary text.
#include <cmath>

#include "core/text.h"
#include "fuzz/fuzz_support.h"
#include "setup/active_aerodromes.h"
#include "setup/adjustments_editor.h"
#include "setup/setup_editor.h"

void skyvex::fuzz::fuzzOne(const std::string& text) {
  const double leading = leadingNumber(text);
  (void)toInt16(leading);
  if (std::isfinite(leading) && std::fabs(leading) < 30000) require(toInt16Clamped(leading) == RoundEven(leading));
  // A text that is wholly a number reads the same both ways.
  if (const auto strict = strictNumber(text)) require(*strict == leading);
  (void)Mid(text, static_cast<long>(text.size() % 7) - 2, static_cast<long>(text.size() % 11) - 3);
  (void)InStrNoCase(text, "has entered");

  // The same text typed into every box of the settings windows.
  WorkingState state = freshState();
  state.mapIndex = 2;
  applyActiveAerodromes(state, text);
  (void)activeAerodromesText(state);
  (void)leaveNumericBox(text);
  (void)leaveAdjustmentPointsBox(text);
  typeAdjustmentPoints(state, 0, 0, text);
  typeAdjustmentDescription(state, 1, 4, text);
  SetupForm form;
  refresh(state, form);
  form.txtServer = form.txtMaxPilots = form.txtMultiDeath = form.txtPenMaxPilots = form.txtGrace = text;
  form.txtPenScout = form.txtPenFriendly = form.txtPenInvalid = form.txtPtsDeath = text;
  form.txtPtsTarget.fill(text);
  form.txtPlane.fill(text);
  form.txtStyle4.fill(text);
  collect(form, state);
}
