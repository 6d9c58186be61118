// The number conversions of every text box and file reader, and the settings
// windows' boxes, on arbitrary text.
#include <cmath>

#include "core/text.h"
#include "fuzz/fuzz_support.h"
#include "setup/active_aerodromes.h"
#include "setup/adjustments_editor.h"
#include "setup/setup_editor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace skyvex;
  const std::string text = fuzz::bytesOf(data, size);
  const double leading = leadingNumber(text);
  (void)toInt16(leading);
  if (std::isfinite(leading) && std::fabs(leading) < 30000)
    fuzz::require(toInt16Clamped(leading) == RoundEven(leading));
  // A text that is wholly a number reads the same both ways.
  if (const auto strict = strictNumber(text)) fuzz::require(*strict == leading);
  (void)Mid(text, static_cast<long>(size % 7) - 2, static_cast<long>(size % 11) - 3);
  (void)InStrNoCase(text, "has entered");

  // The same text typed into every box of the settings windows.
  WorkingState state = fuzz::freshState();
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
  for (auto& box : form.txtPtsTarget) box = text;
  for (auto& box : form.txtPlane) box = text;
  for (auto& box : form.txtStyle4) box = text;
  collect(form, state);
  return 0;
}
