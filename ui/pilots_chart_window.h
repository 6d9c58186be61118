// formChart: pilots in per side over the match as a chart in a child window of
// the main window, with the allowance line, the time over it shaded and a hover
// that shows the time and both counts. Rebuilt from each Score command's
// results, and painted from the same chart model as the match report's picture.
#pragma once

#include <QMdiSubWindow>
#include <QWidget>

#include "results/match_results.h"
#include "results/pilots_chart.h"

namespace skyvex::ui {

inline constexpr const char* kChartCaption = "Pilots In Chart";

// The chart itself: axes, grid, the shaded excess, a step line per side, the
// dashed allowance and a legend, scaled to the widget's size.
class PilotsChartCanvas : public QWidget {
  Q_OBJECT
 public:
  explicit PilotsChartCanvas(QWidget* parent = nullptr);
  void showResults(const MatchResults& results);
  [[nodiscard]] const PilotsInChart& chart() const { return chart_; }
  // The plot area inside the widget: where start, end, 0 and top are drawn.
  [[nodiscard]] QRectF plotArea() const;
  [[nodiscard]] QPointF pointAt(double seconds, double pilots) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  MatchResults results_;
  PilotsInChart chart_;
};

class PilotsChartForm : public QMdiSubWindow {
  Q_OBJECT
 public:
  explicit PilotsChartForm(QWidget* parent = nullptr);

  // Replaces the chart with the one of these results.
  void showResults(const MatchResults& results);
  [[nodiscard]] PilotsChartCanvas* canvas() const { return canvas_; }

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  PilotsChartCanvas* canvas_;
};

}  // namespace skyvex::ui
