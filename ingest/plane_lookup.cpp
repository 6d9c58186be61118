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

namespace {
// Mid without a copy: the n characters from 1-based position p, fewer at the end.
std::string_view part(const std::string& s, size_t p, size_t n) {
  return p - 1 < s.size() ? std::string_view(s).substr(p - 1, n) : std::string_view();
}
}  // namespace

double secondsOfDay(const WorkingState& state, const std::string& date, const std::string& time) {
  const std::string empty;
  const std::string& firstDate = state.logLines.size() > 1 ? state.logLines[1].date : empty;
  const double d0 = leadingNumber(part(firstDate, 4, 2));
  const double d = leadingNumber(part(date, 4, 2));
  const double h = leadingNumber(part(time, 1, 2));
  const double m = leadingNumber(part(time, 4, 2));
  const double s = leadingNumber(time.size() > 2 ? std::string_view(time).substr(time.size() - 2) : std::string_view(time));
  return m * 60 + s + (h + (d - d0) * 24) * 3600;
}

}  // namespace skyvex
