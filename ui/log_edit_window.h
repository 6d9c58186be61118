// formLog, "Log Edit": every kept log line in a two-column grid; a click
// toggles a line between counting and disabled, "Enable All" takes every line
// back. Only the lines' enabled flags change.
#pragma once

#include <QAbstractTableModel>
#include <QAction>
#include <QMdiArea>
#include <QMenuBar>
#include <QTableView>
#include <QWidget>

#include "core/platform.h"
#include "core/working_state.h"

namespace skyvex::ui {

// The grid's rows over logLines: row r - 1 of the model is log line r. Column
// 0 the line number, column 1 the text in the colours of its flag, both read
// from the working state; a load of log lines is shown after reload().
class LogLinesModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit LogLinesModel(WorkingState& state, QObject* parent = nullptr);

  // Shows the lines now loaded, all of them anew.
  void reload();

  [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Log line r (1-based): counting (1), or not.
  [[nodiscard]] bool lineEnabled(int line) const;
  // A flag other than 1 becomes 1, a 1 becomes 0.
  void toggleLine(int line);
  // Every line whose flag is not 1 becomes 1.
  void enableAll();

 private:
  [[nodiscard]] LogLine* line(int line) const;
  void lineChanged(int line);

  WorkingState& state_;
  int rows_ = 0;
};

class FormLog : public QWidget {
  Q_OBJECT
 public:
  // The controls, by the names the program has always given them; the tests
  // reach them through WindowProbe.
  struct Controls {
    QMenuBar* menuBar;
    QAction* Enable;
    QTableView* grdLog;
    LogLinesModel* model;
  };

  FormLog(WorkingState& state, Platform& platform, QWidget* parent = nullptr);

  // 7/8 of the main window's width and 2/3 of its height.
  [[nodiscard]] static QSize sizeFor(const QSize& mainWindowSize);

  // A click on a grid line (row 0 of the model is log line 1).
  void clickLine(const QModelIndex& index);
  // "&Enable All": enables every disabled line and confirms.
  void enableAllLines();
  // Fills the grid again with the lines now loaded.
  void reload();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class WindowProbe;
  Controls ui_;

  void fitColumns();

  Platform& platform_;
};

// Shows the log editor as a child window of area, sized from the main
// window's outer size; an editor already open there is brought to the front.
FormLog* showLogEditWindow(QMdiArea* area, const QSize& mainWindowSize, WorkingState& state, Platform& platform);
// The log editor open in area, if any.
[[nodiscard]] FormLog* logEditWindowIn(QMdiArea* area);

}  // namespace skyvex::ui
