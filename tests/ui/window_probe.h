// The one way the window tests reach the windows' private widgets: the main
// window's child windows and status bar, a log window's find bar, and the
// controls of every other window by their names.
#pragma once

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/log_pane.h"
#include "ui/main_window.h"

namespace skyvex::ui {

class WindowProbe {
 public:
  // The named controls of formSetup, formAdjust, formOpt, formActive, formLog, formExit, formAbout.
  template <class Form>
  static typename Form::Controls& controls(Form& form) { return form.ui_; }
  template <class Form>
  static const typename Form::Controls& controls(const Form& form) { return form.ui_; }

  static QMdiArea* mdiArea(const FormMain& form) { return form.mdi_; }
  static PilotsChartForm* chartWindow(const FormMain& form) { return form.chartForm_; }
  static SeasonForm* seasonWindow(const FormMain& form) { return form.seasonForm_; }
  static FormExit* exitWindow(const FormMain& form) { return form.exitWindow_; }
  static FormHelp* helpWindow(const FormMain& form) { return form.helpWindow(); }
  static QString statusText(const FormMain& form) { return form.status_->text(); }
  // The text box of a log or standings window.
  static LogView* logView(const QMdiSubWindow* child) { return pane(child)->view(); }
  static QLineEdit* findBox(const QMdiSubWindow* child) { return pane(child)->txtFind_; }

 private:
  static LogPane* pane(const QMdiSubWindow* child) { return child->findChild<LogPane*>(); }
};

}  // namespace skyvex::ui
