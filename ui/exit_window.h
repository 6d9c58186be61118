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
  // The controls, by the names the program has always given them; the tests
  // reach them through WindowProbe.
  struct Controls {
    QLabel* genLbl;
    QPushButton* cmdOK;
  };

  // Sounds the beep, as the window loads.
  explicit FormExit(Platform& platform, QWidget* parent = nullptr);

 signals:
  // OK was pressed or the window was closed: time to shut down.
  void finished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class WindowProbe;
  Controls ui_;

  bool finished_ = false;
};

}  // namespace skyvex::ui
