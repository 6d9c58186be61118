#include "ui/pilots_chart_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include "results/svg_text.h"

namespace skyvex::ui {

namespace {

const QColor kSideQColours[kSides] = {QColor(QLatin1String(kSideColours[0])), QColor(QLatin1String(kSideColours[1]))};
const char* const kSideNames[kSides] = {"Central", "Allied"};
constexpr int kMarginLeft = 44, kMarginRight = 16, kMarginTop = 52, kMarginBottom = 30;

}  // namespace

PilotsChartCanvas::PilotsChartCanvas(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setMinimumSize(320, 200);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
}

void PilotsChartCanvas::showResults(const MatchResults& results) {
  results_ = results;
  chart_ = pilotsInChart(results_);
  update();
}

QRectF PilotsChartCanvas::plotArea() const {
  return QRectF(rect()).adjusted(kMarginLeft, kMarginTop, -kMarginRight, -kMarginBottom);
}

QPointF PilotsChartCanvas::pointAt(double seconds, double pilots) const {
  const QRectF area = plotArea();
  return {area.left() + (seconds - chart_.start) / (chart_.end - chart_.start) * area.width(),
          area.top() + (1 - pilots / chart_.top) * area.height()};
}

void PilotsChartCanvas::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF area = plotArea();
  const QFontMetrics metrics(font());

  p.drawText(QRectF(0, 4, width(), metrics.height()), Qt::AlignHCenter, tr("Pilots in per side"));
  // The legend under the title: each side's line, then the dashed allowance.
  double x = area.left();
  const double legendY = 8 + metrics.height() + metrics.ascent() / 2.0;
  const auto legendEntry = [&](const QPen& pen, const QString& name) {
    p.setPen(pen);
    p.drawLine(QPointF(x, legendY), QPointF(x + 20, legendY));
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QPointF(x + 24, legendY + metrics.ascent() / 2.0 - 1), name);
    x += 24 + metrics.horizontalAdvance(name) + 16;
  };
  for (int side = 0; side < kSides; ++side) legendEntry(QPen(kSideQColours[side], 1.5), tr(kSideNames[side]));
  legendEntry(QPen(Qt::black, 1, Qt::DashLine), tr("Allowance (%1)").arg(chart_.allowance));

  p.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 1));
  for (const ChartTick& tick : chart_.countTicks) {
    const double y = pointAt(chart_.start, tick.value).y();
    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  }
  p.setPen(palette().color(QPalette::Text));
  for (const ChartTick& tick : chart_.countTicks) {
    const double y = pointAt(chart_.start, tick.value).y();
    p.drawText(QRectF(0, y - metrics.height() / 2.0, area.left() - 6, metrics.height()), Qt::AlignRight | Qt::AlignVCenter,
               QString::fromStdString(tick.label));
  }
  for (const ChartTick& tick : chart_.timeTicks) {
    const double tx = pointAt(tick.value, 0).x();
    p.drawText(QRectF(tx - 40, area.bottom() + 6, 80, metrics.height()), Qt::AlignHCenter,
               QString::fromStdString(tick.label));
  }
  p.drawLine(area.bottomLeft(), area.bottomRight());
  p.drawLine(area.bottomLeft(), area.topLeft());

  for (size_t side = 0; side < kSides; ++side) {
    QColor shade = kSideQColours[side];
    shade.setAlpha(70);
    for (const ChartExcess& e : chart_.excess[side])
      p.fillRect(QRectF(pointAt(e.from, e.count), pointAt(e.to, chart_.allowance)), shade);
    QPainterPath line(pointAt(chart_.start, 0));
    for (const ChartStep& step : chart_.steps[side]) {
      line.lineTo(pointAt(step.seconds, 0).x(), line.currentPosition().y());  // across, then up or down
      line.lineTo(pointAt(step.seconds, step.count));
    }
    p.strokePath(line, QPen(kSideQColours[side], 1.5));
  }
  if (chart_.allowance < chart_.top) {
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    const double y = pointAt(chart_.start, chart_.allowance).y();
    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  }
}

void PilotsChartCanvas::mouseMoveEvent(QMouseEvent* event) {
  const QRectF area = plotArea();
  const QPointF at = event->position();
  if (results_.pilotsIn.empty() || !area.contains(at)) {
    QToolTip::hideText();
    return;
  }
  const double seconds = chart_.start + (at.x() - area.left()) / area.width() * (chart_.end - chart_.start);
  QToolTip::showText(event->globalPosition().toPoint(), QString::fromStdString(pilotsInTip(results_, seconds)), this);
}

PilotsChartForm::PilotsChartForm(QWidget* parent) : QMdiSubWindow(parent), canvas_(new PilotsChartCanvas(this)) {
  setObjectName(QStringLiteral("formChart"));
  setWindowTitle(QString::fromLatin1(kChartCaption));
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWidget(canvas_);
  resize(720, 360);
}

void PilotsChartForm::showResults(const MatchResults& results) { canvas_->showResults(results); }

void PilotsChartForm::closeEvent(QCloseEvent* event) {
  emit closed();
  QMdiSubWindow::closeEvent(event);
}

}  // namespace skyvex::ui
