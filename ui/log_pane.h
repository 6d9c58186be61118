// What a log window holds: the report's text box and, below it, the find bar
// that Ctrl+F opens. Enter or F3 goes to the next place of the typed text,
// Shift+Enter or Shift+F3 to the previous one, going round the end; letter case
// counts only when asked. The place found is selected and scrolled into sight.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "ui/log_view.h"

namespace skyvex::ui {

class WindowProbe;

class LogPane : public QWidget {
  Q_OBJECT
 public:
  explicit LogPane(QWidget* parent = nullptr);

  [[nodiscard]] LogView* view() const { return view_; }
  // Shows the find bar with the selection as its text when that is part of one line.
  void openFindBar();
  // Selects the next (backward: the previous) place of the find bar's text; says when there is none.
  void findAgain(bool backward);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class WindowProbe;
  void closeFindBar();

  LogView* view_;
  QWidget* findBar_;
  QLineEdit* txtFind_;
  QCheckBox* chkMatchCase_;
  QLabel* lblFound_;
};

}  // namespace skyvex::ui
