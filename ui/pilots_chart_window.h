// formChart: pilots in per side over the match as a chart in a child window of
// the main window, with the allowance line, the time over it shaded and a hover
// that shows the time and both counts. Rebuilt from each Score command's results.
#pragma once

#include <QMdiSubWindow>
#include <QString>

#include "results/match_results.h"

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace skyvex::ui {

inline constexpr const char* kChartCaption = "Pilots In Chart";

// "21:23:17  Central 17, Allied 20": the counts in force at seconds (the
// count before the first change is none).
[[nodiscard]] QString pilotsInTip(const MatchResults& results, double seconds);

class PilotsChartForm : public QMdiSubWindow {
  Q_OBJECT
 public:
  explicit PilotsChartForm(QWidget* parent = nullptr);

  // Replaces the chart with the one of these results.
  void showResults(const MatchResults& results);
  [[nodiscard]] QChartView* chartView() const { return view_; }

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QChartView* view_;
  MatchResults results_;
};

}  // namespace skyvex::ui
