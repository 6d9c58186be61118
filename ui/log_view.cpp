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
#include <cctype>
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

// Double-click takes a run of these: letters, digits, the underscore and every byte above 127.
bool inWord(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return std::isalnum(byte) || c == '_' || byte >= 0x80;
}

}  // namespace

LogView::LogView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  viewport()->setCursor(Qt::IBeamCursor);
  dragScroll_.setInterval(40);
  connect(&dragScroll_, &QTimer::timeout, this, &LogView::dragScroll);
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
  // The cursor, where Shift with a movement key starts, as a thin bar.
  if (hasFocus() && !rows_.empty()) {
    const QPoint at = pointOf(cursor_);
    painter.fillRect(QRectF(at.x() - charWidth_ / 2, at.y() - lineHeight_ / 2, 1, lineHeight_), palette().text());
  }
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
  if (extendSelection(event)) return;
  if (event->matches(QKeySequence::Find))
    emit findWanted();
  else if (event->key() == Qt::Key_F3 && !(event->modifiers() & ~Qt::ShiftModifier))
    emit findAgainWanted(event->modifiers() & Qt::ShiftModifier);
  else if (event->matches(QKeySequence::MoveToStartOfDocument) || event->key() == Qt::Key_Home)
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

bool LogView::extendSelection(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if (!(mods & Qt::ShiftModifier) || (mods & ~(Qt::ShiftModifier | Qt::ControlModifier)) || rows_.empty()) return false;
  const bool control = mods & Qt::ControlModifier;
  // A cursor out of sight starts again at the first row in sight.
  const auto top = static_cast<std::size_t>(verticalScrollBar()->value());
  const auto sight = static_cast<std::size_t>(rowsInSight());
  std::size_t row = rowOf(cursor_);
  if (row < top || row >= top + sight) {
    row = std::min(top, rows_.size() - 1);
    anchor_ = cursor_ = rows_[row].start;
  }
  const std::size_t column = cursor_ - rows_[row].start;
  const auto toRow = [&](std::size_t r) { return rows_[r].start + std::min(column, rows_[r].length); };
  switch (event->key()) {
    case Qt::Key_Left: cursor_ -= cursor_ > 0 ? 1 : 0; break;
    case Qt::Key_Right: cursor_ += cursor_ < text_.size() ? 1 : 0; break;
    case Qt::Key_Up: cursor_ = toRow(row > 0 ? row - 1 : 0); break;
    case Qt::Key_Down: cursor_ = toRow(std::min(row + 1, rows_.size() - 1)); break;
    case Qt::Key_PageUp: cursor_ = toRow(row > sight ? row - sight : 0); break;
    case Qt::Key_PageDown: cursor_ = toRow(std::min(row + sight, rows_.size() - 1)); break;
    case Qt::Key_Home: cursor_ = control ? 0 : rows_[row].start; break;
    case Qt::Key_End: cursor_ = control ? text_.size() : rows_[row].start + rows_[row].length; break;
    default: return false;
  }
  scrollToOffset(cursor_);
  viewport()->update();
  return true;
}

QPoint LogView::pointOf(std::size_t offset) const {
  if (rows_.empty()) return {kMargin, kMargin};
  const std::size_t r = rowOf(offset);
  const qreal x = kMargin + (static_cast<qreal>(offset - rows_[r].start) + 0.5) * charWidth_;
  const int y = kMargin + (static_cast<int>(r) - verticalScrollBar()->value()) * lineHeight_ + lineHeight_ / 2;
  return {static_cast<int>(x), y};
}

std::size_t LogView::rowOf(std::size_t offset) const {
  const auto after = std::upper_bound(rows_.begin(), rows_.end(), offset,
                                      [](std::size_t at, const Row& row) { return at < row.start; });
  return static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, after - rows_.begin() - 1));
}

void LogView::scrollToOffset(std::size_t offset) {
  if (rows_.empty()) return;
  const auto row = static_cast<int>(rowOf(offset));
  QScrollBar* bar = verticalScrollBar();
  if (row < bar->value()) bar->setValue(row);
  else if (row >= bar->value() + rowsInSight()) bar->setValue(row - rowsInSight() + 1);
}

void LogView::select(std::size_t from, std::size_t to) {
  anchor_ = std::min(from, text_.size());
  cursor_ = std::min(to, text_.size());
  // The start in sight, a few rows below the top when the view moves.
  if (!rows_.empty()) {
    const auto row = static_cast<int>(rowOf(anchor_));
    QScrollBar* bar = verticalScrollBar();
    if (row < bar->value() || row >= bar->value() + rowsInSight()) bar->setValue(row - rowsInSight() / 3);
  }
  viewport()->update();
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
  const std::size_t at = offsetAt(event->position().toPoint());
  if (sinceDoubleClick_.isValid() && sinceDoubleClick_.elapsed() < QApplication::doubleClickInterval()) {
    // The third click: the whole line, without its line feed.
    const std::size_t lineStart = at == 0 ? 0 : text_.rfind('\n', at - 1) + 1;  // npos + 1 is 0
    const std::size_t lineEnd = text_.find('\n', at);
    anchor_ = lineStart;
    cursor_ = lineEnd == std::string::npos ? text_.size() : lineEnd;
    sinceDoubleClick_.invalidate();
  } else {
    cursor_ = at;
    if (!(event->modifiers() & Qt::ShiftModifier)) anchor_ = at;  // Shift+click extends
  }
  viewport()->update();
}

void LogView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseDoubleClickEvent(event);
  // The word under the pointer, or the one character there when it is none.
  std::size_t from = offsetAt(event->position().toPoint()), to = from;
  while (from > 0 && inWord(text_[from - 1])) --from;
  while (to < text_.size() && inWord(text_[to])) ++to;
  if (from == to && to < text_.size()) ++to;
  anchor_ = from;
  cursor_ = to;
  sinceDoubleClick_.start();
  viewport()->update();
}

void LogView::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  dragPoint_ = event->position().toPoint();
  // Held past the top or bottom, the drag scrolls on until the pointer comes back or the button is let go.
  const bool outside = dragPoint_.y() < 0 || dragPoint_.y() > viewport()->height();
  if (outside && !dragScroll_.isActive()) {
    dragScroll();
    dragScroll_.start();
  } else if (!outside) {
    dragScroll_.stop();
  }
  cursor_ = offsetAt(dragPoint_);
  viewport()->update();
}

void LogView::dragScroll() {
  QScrollBar* bar = verticalScrollBar();
  if (dragPoint_.y() < 0) bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
  if (dragPoint_.y() > viewport()->height()) bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  cursor_ = offsetAt(dragPoint_);
  viewport()->update();
}

void LogView::mouseReleaseEvent(QMouseEvent* event) {
  dragScroll_.stop();
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
