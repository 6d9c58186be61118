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
  // Fills txtActive from the active aerodromes ("12,7,").
  FormActive(WorkingState& state, Platform& platform, QWidget* parent = nullptr);

  // cmdOK: applies the typed list and closes the window.
  void applyAndClose();

  QLabel* genLbl;
  QLineEdit* txtActive;
  QPushButton* cmdOK;

 private:
  WorkingState& state_;
  Platform& platform_;
};

}  // namespace skyvex::ui
