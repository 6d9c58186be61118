// What the window tests share: one QApplication, created on first use (offscreen unless a platform
// was chosen, so listing the tests needs no display), and ways to act on windows as a user does.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <functional>

namespace skyvex::testing {

inline QApplication& qtApplication() {
  static int argc = 1;
  static char* argv[] = {const_cast<char*>("ui_tests"), nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(argc, argv);
  app->setQuitOnLastWindowClosed(false);
  return *app;
}

// Runs open, which shows a modal window, and hands that window to act, closing it if act left it open.
inline void withModalWindow(const std::function<void()>& open, const std::function<void(QWidget*)>& act = {}) {
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (act) act(modal);
    if (modal->isVisible()) modal->close();
  });
  open();
  QApplication::processEvents();  // a window that did not come up must not leave the timer to a later one
}

inline void typeIn(QLineEdit* box, const QString& text) {
  box->setText(text);
  emit box->editingFinished();
}

inline void clickButton(const QWidget& window, const char* caption) {
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (button->text() == QLatin1String(caption)) return button->click();
  ADD_FAILURE() << "no button " << caption;
}

}  // namespace skyvex::testing
