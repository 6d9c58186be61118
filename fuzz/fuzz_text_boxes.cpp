// The conversions every text box and file reader uses, on arbitrary text.
#include <cmath>
#include <cstdlib>

#include "core/text.h"
#include "fuzz/fuzz_support.h"
#include "setup/active_aerodromes.h"
#include "setup/adjustments_editor.h"
#include "setup/setup_editor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = skyvex::fuzz::bytesOf(data, size);
  const double leading = skyvex::leadingNumber(text);
  (void)skyvex::toInt16(leading);
  const int16_t clamped = skyvex::toInt16Clamped(leading);
  if (std::isfinite(leading) && std::fabs(leading) < 30000 && clamped != skyvex::RoundEven(leading)) std::abort();
  if (const auto strict = skyvex::strictNumber(text)) {
    // A text that is wholly a number reads the same both ways.
    if (*strict != leading) std::abort();
  }
  (void)skyvex::Mid(text, static_cast<long>(size % 7) - 2, static_cast<long>(size % 11) - 3);
  (void)skyvex::InStrNoCase(text, "has entered");

  // The same text typed into every box of the settings windows.
  skyvex::WorkingState state = skyvex::fuzz::freshState();
  state.mapIndex = 2;
  skyvex::applyActiveAerodromes(state, text);
  (void)skyvex::activeAerodromesText(state);
  (void)skyvex::leaveNumericBox(text);
  (void)skyvex::leaveAdjustmentPointsBox(text);
  skyvex::typeAdjustmentPoints(state, 0, 0, text);
  skyvex::typeAdjustmentDescription(state, 1, 4, text);
  skyvex::SetupForm form;
  skyvex::refresh(state, form);
  form.txtServer = form.txtMaxPilots = form.txtMultiDeath = form.txtPenMaxPilots = form.txtGrace = text;
  form.txtPenScout = form.txtPenFriendly = form.txtPenInvalid = form.txtPtsDeath = text;
  for (auto& box : form.txtPtsTarget) box = text;
  for (auto& box : form.txtPlane) box = text;
  for (auto& box : form.txtStyle4) box = text;
  skyvex::collect(form, state);
  return 0;
}
