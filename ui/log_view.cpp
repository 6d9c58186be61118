#include "ui/log_view.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace skyvex::ui {

namespace {

constexpr int kMargin = 3;

// A row's characters for drawing: control characters (a tab, or 0x80 to 0x9F
// read as Latin-1) become blanks, so every byte keeps one column.
QString drawable(const std::string& text, std::size_t start, std::size_t length) {
  QString row = QString::fromLatin1(text.data() + start, static_cast<qsizetype>(length));
  for (QChar& c : row)
    if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0)) c = QLatin1Char(' ');
  return row;
}

}  // namespace

LogView::LogView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setCursor(Qt::IBeamCursor);
  setReport(std::string());
}

std::vector<LogView::Row> LogView::wrapRows(const std::string& text, std::size_t columns) {
  std::vector<Row> rows;
  std::size_t lineStart = 0;
  for (;;) {
    std::size_t lineEnd = text.find('\n', lineStart);
    if (lineEnd == std::string::npos) lineEnd = text.size();
    std::size_t at = lineStart;
    while (lineEnd - at > columns) {
      // The last blank at or just after the row's end, searched back no further than the row.
      std::size_t blank = at + columns;
      while (blank > at && text[blank] != ' ') --blank;
      const std::size_t next = blank > at ? blank + 1 : at + columns;
      rows.push_back({at, next - at});
      at = next;
    }
    rows.push_back({at, lineEnd - at});
    if (lineEnd == text.size()) return rows;
    lineStart = lineEnd + 1;
  }
}

void LogView::setReport(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] != '\r' || i + 1 >= bytes.size() || bytes[i + 1] != '\n') text += bytes[i];
  if (text == text_) return;
  text_ = std::move(text);
  anchor_ = cursor_ = 0;
  rows_.clear();
  verticalScrollBar()->setValue(0);
  rewrap();
}

void LogView::rewrap() {
  // A hidden box waits until it is shown and has its width.
  if (!isVisible()) {
    rows_.clear();
    return;
  }
  const QFontMetricsF metrics(font());
  charWidth_ = std::max<qreal>(1, metrics.horizontalAdvance(QLatin1Char('M')));
  lineHeight_ = std::max(1, static_cast<int>(std::ceil(metrics.lineSpacing())));
  ascent_ = static_cast<int>(std::ceil(metrics.ascent()));
  // A box too narrow for one character keeps its rows until it is wider.
  const int width = viewport()->width() - 2 * kMargin;
  if (width < charWidth_) return;
  const auto columns = static_cast<std::size_t>(std::floor(width / charWidth_));
  const int top = verticalScrollBar()->value();
  const std::size_t topOffset = top < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(top)].start : 0;
  if (columns != columns_ || rows_.empty()) {
    columns_ = columns;
    rows_ = wrapRows(text_, columns_);
  }
  updateScrollRange();
  const auto first = std::upper_bound(rows_.begin(), rows_.end(), topOffset,
                                      [](std::size_t offset, const Row& row) { return offset < row.start; });
  verticalScrollBar()->setValue(static_cast<int>(std::max<std::ptrdiff_t>(0, first - rows_.begin() - 1)));
  viewport()->update();
}

int LogView::rowsInSight() const { return std::max(1, (viewport()->height() - 2 * kMargin) / lineHeight_); }

void LogView::updateScrollRange() {
  const int sight = rowsInSight();
  verticalScrollBar()->setRange(0, std::max(0, static_cast<int>(rows_.size()) - sight));
  verticalScrollBar()->setPageStep(sight);
  verticalScrollBar()->setSingleStep(1);
}

void LogView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), palette().base());
  painter.setFont(font());
  const std::size_t selFrom = std::min(anchor_, cursor_), selTo = std::max(anchor_, cursor_);
  const auto first = static_cast<std::size_t>(verticalScrollBar()->value());
  for (std::size_t r = first; r < rows_.size() && r <= first + static_cast<std::size_t>(rowsInSight()); ++r) {
    const Row& row = rows_[r];
    const int top = kMargin + static_cast<int>(r - first) * lineHeight_;
    painter.setPen(palette().text().color());
    painter.drawText(QPointF(kMargin, top + ascent_), drawable(text_, row.start, row.length));
    // The selected part of the row, drawn again over its highlight.
    const std::size_t from = std::max(selFrom, row.start), to = std::min(selTo, row.start + row.length);
    if (from >= to) continue;
    const QRectF mark(kMargin + static_cast<qreal>(from - row.start) * charWidth_, top,
                      static_cast<qreal>(to - from) * charWidth_, lineHeight_);
    painter.fillRect(mark, palette().highlight());
    painter.setPen(palette().highlightedText().color());
    painter.drawText(QPointF(mark.left(), top + ascent_), drawable(text_, from, to - from));
  }
}

void LogView::showEvent(QShowEvent* event) {
  QAbstractScrollArea::showEvent(event);
  if (rows_.empty()) rewrap();
}

void LogView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  rewrap();
}

void LogView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    rows_.clear();
    rewrap();
  }
}

void LogView::keyPressEvent(QKeyEvent* event) {
  QScrollBar* bar = verticalScrollBar();
  if (event->matches(QKeySequence::MoveToStartOfDocument) || event->key() == Qt::Key_Home)
    bar->setValue(bar->minimum());
  else if (event->matches(QKeySequence::MoveToEndOfDocument) || event->key() == Qt::Key_End)
    bar->setValue(bar->maximum());
  else if (event->matches(QKeySequence::SelectAll))
    selectAll();
  else if (event->matches(QKeySequence::Copy))
    copy();
  else
    QAbstractScrollArea::keyPressEvent(event);
}

std::size_t LogView::offsetAt(const QPoint& point) const {
  if (rows_.empty()) return 0;
  const int r = verticalScrollBar()->value() + std::max(0, point.y() - kMargin) / lineHeight_;
  const Row& row = rows_[std::min(static_cast<std::size_t>(r), rows_.size() - 1)];
  const auto column = static_cast<std::size_t>(std::max(0.0, std::round((point.x() - kMargin) / charWidth_)));
  return row.start + std::min(column, row.length);
}

void LogView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  anchor_ = cursor_ = offsetAt(event->position().toPoint());
  viewport()->update();
}

void LogView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  // Dragging past the top or bottom scrolls on.
  const QPoint point = event->position().toPoint();
  if (point.y() < 0) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  if (point.y() > viewport()->height()) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  cursor_ = offsetAt(point);
  viewport()->update();
}

void LogView::mouseReleaseEvent(QMouseEvent* event) {
  QClipboard* clipboard = QApplication::clipboard();
  if (event->button() == Qt::LeftButton && anchor_ != cursor_ && clipboard->supportsSelection())
    clipboard->setText(QString::fromLatin1(selectedText().c_str()), QClipboard::Selection);
}

void LogView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(QStringLiteral("&Copy"), QKeySequence::Copy, this, &LogView::copy)->setEnabled(anchor_ != cursor_);
  menu.addAction(QStringLiteral("Select &All"), QKeySequence::SelectAll, this, &LogView::selectAll);
  menu.exec(event->globalPos());
}

std::string LogView::selectedText() const {
  const std::size_t from = std::min(anchor_, cursor_);
  return text_.substr(from, std::max(anchor_, cursor_) - from);
}

void LogView::selectAll() {
  anchor_ = 0;
  cursor_ = text_.size();
  viewport()->update();
}

void LogView::copy() const {
  const std::string selected = selectedText();
  if (!selected.empty())
    QApplication::clipboard()->setText(QString::fromLatin1(selected.data(), static_cast<qsizetype>(selected.size())));
}

}  // namespace skyvex::ui
