// formOpt, "Scoring Utility Options": the logs to save, the save option and
// the delimiter. A change is in force at once; closing writes the preference file.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "core/platform.h"
#include "core/working_state.h"

namespace skyvex::ui {

class FormOpt : public QDialog {
  Q_OBJECT
 public:
  // The controls, by the names the program has always given them; the tests
  // reach them through WindowProbe.
  struct Controls {
    std::array<QCheckBox*, kLogKinds> chkLogFile{};
    std::array<QRadioButton*, 3> opLogSave{};
    std::array<QRadioButton*, 3> opDelim{};
    QPushButton* cmdDefault;
  };

  // Shows the preferences in force.
  FormOpt(WorkingState& state, Platform& platform, QWidget* parent = nullptr);

  // The click handlers of the three control arrays and of cmdDefault.
  void logFileClicked(int i);
  void logSaveClicked(int i);
  void delimiterClicked(int i);
  void defaultValues();
  // Every way of closing ends here: the preference file is written; a failed
  // write is reported.
  void done(int result) override;

 private:
  friend class WindowProbe;
  Controls ui_;

  void showLogsToSave();

  WorkingState& state_;
  Platform& platform_;
};

}  // namespace skyvex::ui
