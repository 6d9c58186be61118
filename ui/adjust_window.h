// formAdjust, "Adjust Scores": five entries of points and description per side.
// Every change is in the working state at once; closing writes the file.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "core/platform.h"
#include "core/working_state.h"
#include "setup/adjustments_editor.h"

namespace skyvex::ui {

class FormAdjust : public QDialog {
  Q_OBJECT
 public:
  // The controls, by the names the program has always given them; the tests
  // reach them through WindowProbe.
  struct Controls {
    // [0] Central (txtPtsCentral, txtDescCentral), [1] Allied (txtPtsAllied, txtDescAllied).
    std::array<std::array<QLineEdit*, kAdjustmentBoxes>, kSides> txtPts{};
    std::array<std::array<QLineEdit*, kAdjustmentBoxes>, kSides> txtDesc{};
    std::array<QPushButton*, kSides> cmdClear{};
    std::array<QLabel*, kSides> genLbl{};
  };

  // Fills the boxes from the entries.
  FormAdjust(WorkingState& state, Platform& platform, QWidget* parent = nullptr);

  void leavePointsBox(QLineEdit* box);
  // cmdClear(side): empties that side's entries and boxes.
  void clearSide(int side);
  // Every way of closing ends here: the adjustments file is written; a failed
  // write is reported.
  void done(int result) override;

 private:
  friend class WindowProbe;
  Controls ui_;

  void showForm(const AdjustForm& form);

  WorkingState& state_;
  Platform& platform_;
};

}  // namespace skyvex::ui
