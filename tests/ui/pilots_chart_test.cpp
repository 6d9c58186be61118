// The chart window shows a step line per side, the shaded time over the
// allowance and the allowance itself; its hover names the counts at a time.
#include "ui/pilots_chart_window.h"

#include <gtest/gtest.h>

#include <QAreaSeries>
#include <QChartView>

#include "tests/ui/qt_app.h"

namespace skyvex::ui {
namespace {

TEST(PilotsChart, ShowsBothSidesTheAllowanceAndTheCountsUnderTheMouse) {
  (void)testing::qtApplication();
  MatchResults r;
  r.pilotsAllowed = 1;
  r.pilotsIn = {{72000, "20:00:00", {0, 0}}, {72010, "20:00:10", {1, 0}}, {72030, "20:00:30", {2, 0}},
                {72060, "20:01:00", {2, 1}}};
  r.lastSeconds = 72300;
  PilotsChartForm form;
  form.showResults(r);
  QStringList names;
  int shaded = 0;
  for (QAbstractSeries* series : form.chartView()->chart()->series()) {
    names << series->name();
    shaded += qobject_cast<QAreaSeries*>(series) != nullptr;
  }
  EXPECT_EQ(names.join('|').toStdString(), "|Central||Allied|Allowance (1)");  // each side's shading, then its line
  EXPECT_EQ(shaded, 2);
  EXPECT_EQ(pilotsInTip(r, 72040), QStringLiteral("20:00:40  Central 2, Allied 0"));
  EXPECT_EQ(pilotsInTip(r, 72060), QStringLiteral("20:01:00  Central 2, Allied 1"));
}

}  // namespace
}  // namespace skyvex::ui
