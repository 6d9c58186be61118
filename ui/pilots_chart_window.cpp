#include "ui/pilots_chart_window.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QCursor>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <limits>

namespace skyvex::ui {

namespace {

const QColor kSideColours[kSides] = {QColor(0xb0, 0x3a, 0x2e), QColor(0x1f, 0x5f, 0xa8)};

// Seconds since midnight of the match's first day as a point of the time axis,
// which shows local times: counted from a local midnight, they read as they stand.
const QDateTime& axisMidnight() {
  static const QDateTime midnight(QDate(2000, 1, 1), QTime(0, 0));
  return midnight;
}
double axisValue(double seconds) {
  return static_cast<double>(axisMidnight().addMSecs(static_cast<qint64>(seconds * 1000)).toMSecsSinceEpoch());
}
double secondsOf(double axis) {
  return static_cast<double>(axisMidnight().msecsTo(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(axis)))) / 1000;
}

// The side's count as steps; with floor, never below it (the edge of the
// shaded time over the allowance).
QLineSeries* steps(const MatchResults& r, int side, int floor = std::numeric_limits<int>::min()) {
  auto* series = new QLineSeries;
  int count = 0;
  const double start = r.pilotsIn.empty() ? r.lastSeconds : r.pilotsIn.front().seconds;
  series->append(axisValue(start), std::max(count, floor));
  for (const PilotsInPoint& p : r.pilotsIn) {
    const int next = p.in[static_cast<size_t>(side)];
    if (next == count) continue;
    series->append(axisValue(p.seconds), std::max(count, floor));
    series->append(axisValue(p.seconds), std::max(next, floor));
    count = next;
  }
  series->append(axisValue(std::max(r.lastSeconds, start)), std::max(count, floor));
  return series;
}

}  // namespace

QString pilotsInTip(const MatchResults& r, double seconds) {
  std::array<int, kSides> in{};
  QString time = QTime(0, 0).addSecs(static_cast<int>(seconds)).toString(QStringLiteral("HH:mm:ss"));
  for (const PilotsInPoint& p : r.pilotsIn) {
    if (p.seconds > seconds) break;
    in = p.in;
  }
  return QStringLiteral("%1  Central %2, Allied %3").arg(time).arg(in[0]).arg(in[1]);
}

PilotsChartForm::PilotsChartForm(QWidget* parent) : QMdiSubWindow(parent), view_(new QChartView(this)) {
  setObjectName(QStringLiteral("formChart"));
  setWindowTitle(QString::fromLatin1(kChartCaption));
  setAttribute(Qt::WA_DeleteOnClose, false);
  view_->setRenderHint(QPainter::Antialiasing);
  setWidget(view_);
  resize(720, 360);
}

void PilotsChartForm::showResults(const MatchResults& results) {
  results_ = results;
  const MatchResults& r = results_;
  auto* chart = new QChart;
  chart->setTitle(QStringLiteral("Pilots in per side"));
  auto* time = new QDateTimeAxis;
  time->setFormat(QStringLiteral("HH:mm"));
  auto* pilots = new QValueAxis;
  pilots->setLabelFormat(QStringLiteral("%d"));
  chart->addAxis(time, Qt::AlignBottom);
  chart->addAxis(pilots, Qt::AlignLeft);

  int most = std::max(r.pilotsAllowed, 1);
  for (const PilotsInPoint& p : r.pilotsIn) most = std::max({most, p.in[0], p.in[1]});
  const auto attach = [&](QAbstractSeries* series) {
    chart->addSeries(series);
    series->attachAxis(time);
    series->attachAxis(pilots);
  };
  for (int side = 0; side < kSides; ++side) {
    QColor shade = kSideColours[side];
    shade.setAlpha(70);
    QLineSeries* upper = steps(r, side, r.pilotsAllowed);
    auto* lower = new QLineSeries;
    lower->append(upper->points().front().x(), r.pilotsAllowed);
    lower->append(upper->points().back().x(), r.pilotsAllowed);
    auto* over = new QAreaSeries(upper, lower);
    over->setPen(Qt::NoPen);
    over->setBrush(shade);
    attach(over);
    QLineSeries* line = steps(r, side);
    line->setName(QString::fromLatin1(side == 0 ? "Central" : "Allied"));
    line->setPen(QPen(kSideColours[side], 1.5));
    QObject::connect(line, &QLineSeries::hovered, this, [this](const QPointF& point, bool entered) {
      if (entered) QToolTip::showText(QCursor::pos(), pilotsInTip(results_, secondsOf(point.x())), view_);
    });
    attach(line);
  }
  auto* allowance = new QLineSeries;
  allowance->setName(QStringLiteral("Allowance (%1)").arg(r.pilotsAllowed));
  const double start = r.pilotsIn.empty() ? r.lastSeconds : r.pilotsIn.front().seconds;
  allowance->append(axisValue(start), r.pilotsAllowed);
  allowance->append(axisValue(std::max(r.lastSeconds, start)), r.pilotsAllowed);
  allowance->setPen(QPen(Qt::black, 1, Qt::DashLine));
  attach(allowance);
  pilots->setRange(0, most + 1);
  pilots->setTickType(QValueAxis::TicksDynamic);
  pilots->setTickAnchor(0);
  pilots->setTickInterval(most < 10 ? 1 : most < 50 ? 5 : 10);
  for (QLegendMarker* marker : chart->legend()->markers())
    marker->setVisible(dynamic_cast<QAreaSeries*>(marker->series()) == nullptr);

  QChart* old = view_->chart();
  view_->setChart(chart);
  delete old;
}

void PilotsChartForm::closeEvent(QCloseEvent* event) {
  emit closed();
  QMdiSubWindow::closeEvent(event);
}

}  // namespace skyvex::ui
