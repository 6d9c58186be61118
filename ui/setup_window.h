// formSetup, "Server Settings": the tabbed setup editor. Its logic is
// setup/setup_editor.h; this window copies SetupForm to and from its widgets
// and passes the events on.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "core/platform.h"
#include "core/working_state.h"
#include "setup/setup_editor.h"

namespace skyvex::ui {

class FormSetup : public QDialog {
  Q_OBJECT
 public:
  // The controls, by the names the program has always given them; the tests
  // reach them through WindowProbe.
  struct Controls {
    QMenuBar* menuBar;
    QAction* mFileOpen;
    QAction* mFileSave;
    QAction* mFileSaveAs;
    QAction* mFileExit;
    QAction* mDefaultsScoring;
    QAction* mDefaultPlane;
    QTabWidget* tabSetup;
    // Main Setup
    QLineEdit* txtServer;
    QComboBox* lstMap;
    QLineEdit* txtMaxPilots;
    QLineEdit* txtMultiDeath;
    QLineEdit* txtPenMaxPilots;
    QLineEdit* txtGrace;
    QLineEdit* txtPenScout;
    QLineEdit* txtPenFriendly;
    QLineEdit* txtPenInvalid;
    QCheckBox* chkUseBoxed;
    // Bombing Setup
    std::array<QLineEdit*, kTargetValues> txtPtsTarget{};
    std::array<QPushButton*, kCommonButtons> but_Common{};
    QPushButton* cmdActive;
    QLabel* lblActiveCentral;
    QLabel* lblActiveAllied;
    // Aeroplane Setup
    std::array<QCheckBox*, kEditorPlanes> chkPlane{};
    std::array<QLineEdit*, kEditorPlanes> txtPlane{};
    QLineEdit* txtPtsDeath;
    // Aeroplane Map
    std::array<QGroupBox*, 2> frmPlanes{};
    QPushButton* cmdSwitch;
    std::array<QLabel*, kEditorPlanes> lblPlane{};
    std::array<QLineEdit*, kEditorPlanes> txtStyle4{};
    std::array<QLineEdit*, kEditorPlanes> txtStyle5{};
  };

  // Opens the editor on the setup in force: tab 0, the name frames hidden,
  // every control filled.
  FormSetup(WorkingState& state, Platform& platform, QWidget* parent = nullptr);

  // The only two places where the controls and the working state meet. The
  // check boxes and the server name are collected at once, as they change;
  // everything else when the window closes or the setup is saved.
  enum class Collect { Everything, AtOnce };
  void refresh();
  void collect(Collect what = Collect::Everything);

  // Every control's text or value, and the reverse.
  [[nodiscard]] SetupForm formValues() const;
  void showValues(const SetupForm& form);

  // --- Handlers ---
  void leaveNumericBox(QLineEdit* box);
  void chooseMap(int item);             // lstMap clicked
  void setActives();                    // cmdActive, or a double click on a side's label
  void commonPoints(int k);             // but_Common(k)
  void tabChanged(int tab);
  void switchPlanes();                  // cmdSwitch
  void useDefaultPlaneMap();            // mDefaultPlane
  void useDefaultScoring();             // mDefaultsScoring
  void openSettings();                  // mFileOpen
  void saveSettings();                  // mFileSave
  void saveSettingsAs();                // mFileSaveAs

  // Every way of closing the window ends here: collect(), then close.
  void done(int result) override;

 protected:
  // Shows the active aerodromes window and waits until it closes.
  virtual void runActiveWindow();
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class WindowProbe;
  Controls ui_;

  QWidget* buildMainTab();
  QWidget* buildBombingTab();
  QWidget* buildPlaneTab();
  QWidget* buildPlaneMapTab();
  QLineEdit* numericBox(const char* name);
  void showActiveLabels(const SetupForm& form);

  // Where a text control's text lives in the form. Every text control is
  // bound once, as it is built; formValues and showValues walk the bindings.
  using FormText = std::function<std::string&(SetupForm&)>;
  template <class Control>
  Control* bound(Control* control, FormText text);

  WorkingState& state_;
  Platform& platform_;
  std::vector<std::pair<QLineEdit*, FormText>> boxes_;
  std::vector<std::pair<QLabel*, FormText>> labels_;
};

}  // namespace skyvex::ui
