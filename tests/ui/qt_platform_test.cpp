// The forms the window system's dialogs take and give back.
#include "ui/qt_platform.h"

#include <gtest/gtest.h>

namespace skyvex::ui {
namespace {

TEST(QtPlatform, FiltersAndSeveralChosenFilesInTheFormsTheCommandsUse) {
  EXPECT_EQ(qtFilter("Log Files (*.log)|*.log|"), QStringLiteral("Log Files (*.log)"));
  EXPECT_EQ(qtFilter("Server Files (*.ini)|vx2Server.ini|"), QStringLiteral("Server Files (*.ini) (vx2Server.ini)"));
  EXPECT_EQ(qtFilter("Text|*.txt;*.log|All|*.*|"), QStringLiteral("Text (*.txt *.log);;All (*.*)"));
  EXPECT_EQ(dialogResult({QStringLiteral("/logs/a/match1.log")}), "/logs/a/match1.log");
  EXPECT_EQ(dialogResult({QStringLiteral("/logs/a/b.log"), QStringLiteral("/logs/a/A.log")}),
            std::string("/logs/a\0b.log\0A.log", 19));
}

}  // namespace
}  // namespace skyvex::ui
