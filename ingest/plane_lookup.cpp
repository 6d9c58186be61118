#include "ingest/plane_lookup.h"

#include "core/text.h"

namespace skyvex {

void lookUpPlane(const WorkingState& state, const std::string& name, PlaneLookup& out) {
  out.logName.clear();
  out.shortName.clear();
  if (state.planeTypeCount < 1) return;
  const int rows = std::min<int>(state.planeTypeCount, kPlaneRows - 1);
  for (int k = 1; k <= rows; ++k) {
    const PlaneType& t = state.planeTypes[static_cast<size_t>(k)];
    if (t.displayName == name || t.logName == name) {
      out.logName = t.logName;
      out.shortName = t.shortName;
      out.currentName = t.currentName;
      out.currentShortName = t.currentShortName;
      out.side = t.side;
      return;
    }
  }
}

double secondsOfDay(const WorkingState& state, const std::string& date, const std::string& time) {
  const std::string firstDate = state.logLines.size() > 1 ? state.logLines[1].date : std::string();
  const double d0 = leadingNumber(Mid(firstDate, 4, 2));
  const double d = leadingNumber(Mid(date, 4, 2));
  const double h = leadingNumber(Mid(time, 1, 2));
  const double m = leadingNumber(Mid(time, 4, 2));
  const double s = leadingNumber(Right(time, 2));
  return m * 60 + s + (h + (d - d0) * 24) * 3600;
}

}  // namespace skyvex
