#include "tests/ui/qt_app.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTimer>
#include <QtGlobal>

namespace skyvex::testing {

QApplication& qtApplication() {
  static int argc = 1;
  static char name[] = "ui_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = [] {
    auto* created = new QApplication(argc, argv);
    created->setQuitOnLastWindowClosed(false);
    return created;
  }();
  return *app;
}

QString withModalWindow(const std::function<void()>& open, const std::function<void(QWidget*)>& act) {
  QString caption;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    caption = modal->windowTitle();
    if (act) act(modal);
    if (modal->isVisible()) modal->close();
  });
  open();
  // A window that did not come up must not leave the timer to a later one.
  QApplication::processEvents();
  return caption;
}

void typeIn(QLineEdit* box, const QString& text) {
  box->setText(text);
  emit box->editingFinished();
}

void clickButton(const QWidget& window, const char* caption) {
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (button->text() == QLatin1String(caption)) return button->click();
  ADD_FAILURE() << "no button " << caption;
}

}  // namespace skyvex::testing
