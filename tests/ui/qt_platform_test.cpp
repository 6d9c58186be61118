// The forms the window system's dialogs take and give back.
#include "ui/qt_platform.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "tests/support/test_files.h"
#include "tests/ui/qt_app.h"
#include "ui/qt_text.h"

namespace skyvex::ui {
namespace {

TEST(QtPlatform, FiltersAndSeveralChosenFilesInTheFormsTheCommandsUse) {
  EXPECT_EQ(qtFilter("Log Files (*.log)|*.log|"), QStringLiteral("Log Files (*.log)"));
  EXPECT_EQ(qtFilter("Server Files (*.ini)|vx2Server.ini|"), QStringLiteral("Server Files (vx2Server.ini)"));
  EXPECT_EQ(qtFilter("Text|*.txt;*.log|All|*.*|"), QStringLiteral("Text (*.txt *.log);;All (*.*)"));
  // The names as the system writes them (backslashes on Windows, the folder with its drive).
  const auto native = [](const QString& path) { return pathBytes(QDir::toNativeSeparators(path)); };
  EXPECT_EQ(dialogResult({QStringLiteral("/logs/a/match1.log")}), native(QStringLiteral("/logs/a/match1.log")));
  EXPECT_EQ(dialogResult({QStringLiteral("/logs/a/b.log"), QStringLiteral("/logs/a/A.log")}),
            native(QFileInfo(QStringLiteral("/logs/a/b.log")).absolutePath()) + std::string("\0b.log\0A.log", 12));
  // A typed name without an extension gets the filter's; any other name is kept.
  for (const auto& [typed, saved] : {std::pair{"/s/friday", "/s/friday.vxs"}, {"/s.d/friday", "/s.d/friday.vxs"},
                                      {"/s/friday.txt", "/s/friday.txt"}})
    EXPECT_EQ(withDefaultExtension(typed, "Setup Files (*.vxs)|*.vxs|"), saved);
  EXPECT_EQ(withDefaultExtension("/s/friday", "All|*.*|"), "/s/friday");
}

TEST(QtPlatform, AFolderDialogShowsFoldersOnlyAndASaveDialogOffersTheSuggestedName) {
  testing::qtApplication();
  testing::TempFolder folder;
  QtPlatform platform;
  QString shown;
  const auto look = [&](QWidget* window) {
    auto* dialog = qobject_cast<QFileDialog*>(window);
    ASSERT_NE(dialog, nullptr);
    shown = QString::number(dialog->fileMode()) + (dialog->testOption(QFileDialog::ShowDirsOnly) ? " dirs only " : " all ") +
            dialog->selectedFiles().value(0);
  };
  FileDialogRequest season{"Season Standings", "", folder.path()};
  season.chooseFolder = true;
  testing::withModalWindow([&] { (void)platform.openFileDialog(season); }, look);
  const auto qtPath = [](const std::string& path) { return QDir::fromNativeSeparators(pathText(path)).toStdString(); };
  EXPECT_EQ(shown.toStdString(), std::to_string(QFileDialog::Directory) + " dirs only " + qtPath(folder.path()));
  FileDialogRequest page{"Export Match Report", "Match Report (*.html)|*.html|", folder.path()};
  page.suggestedName = "12-05-03 Friday Verdun.html";
  testing::withModalWindow([&] { (void)platform.saveFileDialog(page); }, look);
  EXPECT_EQ(shown.toStdString(),
            std::to_string(QFileDialog::AnyFile) + " all " + qtPath(folder.file("12-05-03 Friday Verdun.html")));
}

}  // namespace
}  // namespace skyvex::ui
