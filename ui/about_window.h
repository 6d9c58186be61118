// The About window: version, credits, artwork, OK.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "core/platform.h"
#include "core/working_state.h"

namespace skyvex::ui {

// The contributors, one per line (CR LF between them).
[[nodiscard]] std::string creditsText();

class FormAbout : public QDialog {
  Q_OBJECT
 public:
  // The controls, by the names the program has always given them; the tests
  // reach them through WindowProbe.
  struct Controls {
    QLabel* lblVersion;
    QLabel* genLbl;
    QLabel* lblCredits;
    QPushButton* Command1;
  };

  // Sets the labels and sounds the beep, as the window loads.
  FormAbout(const WorkingState& state, Platform& platform, QWidget* parent = nullptr);

 private:
  friend class WindowProbe;
  Controls ui_;
};

}  // namespace skyvex::ui
