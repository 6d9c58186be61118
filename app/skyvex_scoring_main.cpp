// skyvex-scoring: the window program.
#include <QApplication>

#include "core/working_state.h"
#include "ui/artwork.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(skyvex::ui::programIcon());
  skyvex::WorkingState state;
  skyvex::ui::QtPlatform platform;
  skyvex::ui::FormMain formMain(state, platform);
  platform.setParentWidget(&formMain);
  formMain.loadWindow();
  formMain.show();
  formMain.reportStartUpProblems();
  return app.exec();
}
