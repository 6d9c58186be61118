// The farewell window of File > Exit: OK or its close box ends the program.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "core/platform.h"

namespace skyvex::ui {

class FormExit : public QWidget {
  Q_OBJECT
 public:
  // Sounds the beep, as the window loads.
  explicit FormExit(Platform& platform, QWidget* parent = nullptr);

  QLabel* genLbl;
  QPushButton* cmdOK;

 signals:
  // OK was pressed or the window was closed: time to shut down.
  void finished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool finished_ = false;
};

}  // namespace skyvex::ui
