// The chart window paints the chart model: each side's line in its colour,
// the time over the allowance shaded, nothing shaded below it.
#include "ui/pilots_chart_window.h"

#include <gtest/gtest.h>

#include <QImage>

#include "tests/ui/qt_app.h"

namespace skyvex::ui {
namespace {

TEST(PilotsChart, PaintsTheSidesTheShadedExcessAndTheAllowance) {
  (void)testing::qtApplication();
  MatchResults r;
  r.pilotsAllowed = 1;
  r.pilotsIn = {{72000, "20:00:00", {0, 0}}, {72010, "20:00:10", {1, 0}}, {72030, "20:00:30", {2, 0}},
                {72060, "20:01:00", {2, 1}}};
  r.lastSeconds = 72300;
  PilotsChartForm form;
  form.showResults(r);
  PilotsChartCanvas* canvas = form.canvas();
  canvas->resize(760, 400);
  QImage picture(canvas->size(), QImage::Format_RGB32);
  canvas->render(&picture);
  const auto colourAt = [&](double seconds, double pilots) {
    return picture.pixelColor(canvas->pointAt(seconds, pilots).toPoint());
  };
  const QColor background = colourAt(72005, 2.5);
  // Central is over the allowance from 20:00:30 on: shaded reddish between 1 and 2 pilots, its line at 2.
  const QColor shaded = colourAt(72150, 1.5), central = colourAt(72150, 2);
  EXPECT_GT(shaded.red(), shaded.blue() + 20);
  EXPECT_GT(central.red(), central.blue() + 60);
  EXPECT_LT(central.red(), shaded.red());  // the line is darker than its shading
  // Allied rises to one pilot at 20:01:00; nothing is shaded at or under the allowance.
  const QColor allied = colourAt(72060, 0.5);
  EXPECT_GT(allied.blue(), allied.red() + 60);
  EXPECT_EQ(colourAt(72150, 0.5), background);
  EXPECT_EQ(background, QColor(Qt::white));
}

}  // namespace
}  // namespace skyvex::ui
