// skyvex-scoring: the window program. A setup file given on the command line
// (a .vxs file opened from the file manager) is put in force once the window is up.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

#include "core/working_state.h"
#include "ui/artwork.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The desktop entry of an installed copy, so the desktop shows its name for the windows.
  QGuiApplication::setDesktopFileName(QStringLiteral("com.marrowby.SkyvexScoring"));
  QApplication::setWindowIcon(skyvex::ui::programIcon());
  skyvex::WorkingState state;
  skyvex::ui::QtPlatform platform;
  skyvex::ui::FormMain formMain(state, platform);
  platform.setParentWidget(&formMain);
  formMain.loadWindow();
  formMain.show();
  formMain.reportStartUpProblems();
  // Qt gives the arguments as the system passed them (UTF-16 on Windows); the
  // absolute path is remembered for later runs.
  if (argc > 1)
    formMain.openGivenSetup(skyvex::ui::pathBytes(
        QDir::toNativeSeparators(QFileInfo(QCoreApplication::arguments().at(1)).absoluteFilePath())));
  return app.exec();
}
