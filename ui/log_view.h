// The text box of a log window: a report shown read-only in a fixed-pitch
// font, one character per byte. Lines wrap at the width of the box, after the
// last blank that fits in the row or else at the row's end. Wrapping looks at
// each character once and only the rows in sight are drawn, so the time to
// show a text grows with its length, even for one line of megabytes.
#pragma once

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QTimer>
#include <cstddef>
#include <string>
#include <vector>
#include <algorithm>

namespace skyvex::ui {

class LogView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  // A row of the box: the characters [start, start + length) of the shown text.
  struct Row {
    std::size_t start;
    std::size_t length;
  };

  explicit LogView(QWidget* parent = nullptr);

  // Shows a report's bytes from the top: CR LF ends a line, as does a line
  // feed alone. The same text again changes nothing, not even the scrolling.
  void setReport(const std::string& bytes);
  // The shown text, its lines separated by line feeds.
  [[nodiscard]] const std::string& shownText() const { return text_; }
  // The rows at the box's width; none while the box is hidden.
  [[nodiscard]] const std::vector<Row>& rows() const { return rows_; }
  // Characters in a row at the box's width; at least 1.
  [[nodiscard]] std::size_t columns() const { return columns_; }
  // The selected characters of the shown text, lines separated by line feeds.
  [[nodiscard]] std::string selectedText() const;
  // The selection's start and end in the shown text (start <= end).
  [[nodiscard]] std::size_t selectionStart() const { return std::min(anchor_, cursor_); }
  [[nodiscard]] std::size_t selectionEnd() const { return std::max(anchor_, cursor_); }
  // The middle of the character at offset in the viewport, as it is scrolled now.
  [[nodiscard]] QPoint pointOf(std::size_t offset) const;
  // Selects [from, to) and scrolls its start into sight.
  void select(std::size_t from, std::size_t to);
  void selectAll();
  void copy() const;

  // The rows of text, its lines separated by line feeds, wrapped at columns.
  [[nodiscard]] static std::vector<Row> wrapRows(const std::string& text, std::size_t columns);

 signals:
  // Ctrl+F: the user wants to find a text; F3 and Shift+F3: the next or previous place.
  void findWanted();
  void findAgainWanted(bool backward);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // Wraps again at the box's width, keeping the first character in sight at the top.
  void rewrap();
  void updateScrollRange();
  [[nodiscard]] int rowsInSight() const;
  // The position in the text under a point of the viewport.
  [[nodiscard]] std::size_t offsetAt(const QPoint& point) const;
  // The row that shows the character at offset (the last row for the text's end).
  [[nodiscard]] std::size_t rowOf(std::size_t offset) const;
  void scrollToOffset(std::size_t offset);
  // Shift with a movement key: the cursor moves, the anchor stays. False for other keys.
  bool extendSelection(QKeyEvent* event);
  // A drag held past the top or bottom edge scrolls a row at each tick of the timer.
  void dragScroll();

  std::string text_;
  std::vector<Row> rows_;
  std::size_t columns_ = 1;
  std::size_t anchor_ = 0;  // the selection runs from anchor_ to cursor_
  std::size_t cursor_ = 0;
  QTimer dragScroll_;
  QPoint dragPoint_;
  QElapsedTimer sinceDoubleClick_;  // a third click soon after selects the line
  qreal charWidth_ = 1;
  int lineHeight_ = 1;
  int ascent_ = 0;
};

}  // namespace skyvex::ui
