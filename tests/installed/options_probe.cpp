// Loaded into an installed window program by scripts/test (LD_PRELOAD): opens
// Tools > Options..., closes it as a user does, then the main window. A message
// box on the way (a start-up problem, a failed write) is printed and closed, and
// the program then exits with 1.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

bool sawMessage = false;
int stage = 0;  // 0 waiting for the main window, 1 opening Options, 2 closing the main window, 3 done

// Runs every 50 ms, also inside the program's dialogs. A timer does not fire
// within its own call, so what may open a dialog is done just after it.
void step() {
  QWidget* modal = QApplication::activeModalWidget();
  QMainWindow* window = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->isVisible() && qobject_cast<QMainWindow*>(top)) window = qobject_cast<QMainWindow*>(top);
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    std::fprintf(stderr, "message box: %s\n", qPrintable(box->text()));
    sawMessage = true;
    box->close();
  } else if (stage == 0 && window && !modal) {
    for (QAction* action : window->findChildren<QAction*>())
      if (action->text() == QStringLiteral("&Options...")) QTimer::singleShot(0, action, &QAction::trigger);
    stage = 1;
  } else if (stage == 1 && modal) {
    stage = 2;
    QTimer::singleShot(0, modal, &QWidget::close);
  } else if (stage == 2 && window && !modal) {
    stage = 3;
    QTimer::singleShot(0, window, &QWidget::close);
  }
}

void start() {
  auto* timer = new QTimer(QCoreApplication::instance());
  QObject::connect(timer, &QTimer::timeout, step);
  timer->start(50);
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { if (sawMessage) std::_Exit(1); });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(start)
