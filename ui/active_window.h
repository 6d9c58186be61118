// formActive, "Active Dromes": the active aerodromes typed as landmark numbers
// separated by commas. OK rebuilds the list; any other way out changes nothing.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/platform.h"
#include "core/working_state.h"

namespace skyvex::ui {

class FormActive : public QDialog {
  Q_OBJECT
 public:
  // The controls, by the names the program has always given them; the tests
  // reach them through WindowProbe.
  struct Controls {
    QLabel* genLbl;
    QLineEdit* txtActive;
    QPushButton* cmdOK;
  };

  // Fills txtActive from the active aerodromes ("12,7,").
  FormActive(WorkingState& state, Platform& platform, QWidget* parent = nullptr);

  // cmdOK: applies the typed list and closes the window.
  void applyAndClose();

 private:
  friend class WindowProbe;
  Controls ui_;

  WorkingState& state_;
  Platform& platform_;
};

}  // namespace skyvex::ui
