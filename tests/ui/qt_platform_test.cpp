// The window system's side of the platform: the real message boxes and file
// dialogs, answered as a user answers them.
#include "ui/qt_platform.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "tests/support/test_files.h"
#include "tests/ui/qt_app.h"

namespace skyvex::ui {
namespace {

using testing::withModalWindow;

TEST(QtPlatform, FiltersAndSeveralChosenFilesInTheFormsTheCommandsUse) {
  EXPECT_EQ(qtFilter("Log Files (*.log)|*.log|"), QStringLiteral("Log Files (*.log)"));
  EXPECT_EQ(qtFilter("Server Files (*.ini)|vx2Server.ini|"), QStringLiteral("Server Files (*.ini) (vx2Server.ini)"));
  EXPECT_EQ(qtFilter("Text|*.txt;*.log|All|*.*|"), QStringLiteral("Text (*.txt *.log);;All (*.*)"));
  EXPECT_EQ(dialogResult({QStringLiteral("/logs/a/match1.log")}), "/logs/a/match1.log");
  EXPECT_EQ(dialogResult({QStringLiteral("/logs/a/b.log"), QStringLiteral("/logs/a/A.log")}),
            std::string("/logs/a\0b.log\0A.log", 19));
}

TEST(QtPlatform, MessageBoxesAndFileDialogsGiveWhatTheUserAnswered) {
  testing::qtApplication();
  QtPlatform platform;
  std::string seen;  // the last box: title, text, icon, buttons
  const auto press = [&seen](QMessageBox::StandardButton button) {
    return [&seen, button](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      seen = (box->windowTitle() + "/" + box->text()).toStdString() + "/" + std::to_string(box->icon()) + "/" +
             std::to_string(box->standardButtons().toInt());
      box->button(button)->click();
    };
  };
  const std::string ok = std::to_string(QMessageBox::Ok), yesNo = std::to_string(QMessageBox::Yes | QMessageBox::No);
  withModalWindow([&] { platform.showMessage("Error: No file.", MessageIcon::Critical); }, press(QMessageBox::Ok));
  EXPECT_EQ(seen, "Skyvex Scoring Utility/Error: No file./" + std::to_string(QMessageBox::Critical) + "/" + ok);
  withModalWindow([&] { platform.showMessage("Saved.", MessageIcon::Information); }, press(QMessageBox::Ok));
  EXPECT_EQ(seen, "Skyvex Scoring Utility/Saved./" + std::to_string(QMessageBox::Information) + "/" + ok);
  for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
    bool yes = button == QMessageBox::No;
    withModalWindow([&] { yes = platform.askYesNo("Done.\r\n\r\nSave?\r\n"); }, press(button));
    EXPECT_EQ(seen, "Skyvex Scoring Utility/Done.\n\nSave?\n/" + std::to_string(QMessageBox::Question) + "/" + yesNo);
    EXPECT_EQ(yes, button == QMessageBox::Yes);
  }
  // An open dialog gives the chosen file; saving takes an existing file without a second question.
  testing::TempFolder folder;
  const std::string file = folder.write("vx2Server.ini", "x");
  const auto choose = [&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    const bool asksFirst =
        dialog->acceptMode() == QFileDialog::AcceptSave && !dialog->testOption(QFileDialog::DontConfirmOverwrite);
    dialog->selectFile(QString::fromStdString(file));
    asksFirst ? static_cast<QDialog*>(dialog)->reject() : static_cast<QDialog*>(dialog)->accept();
  };
  std::optional<std::string> chosen;
  withModalWindow([&] { chosen = platform.openFileDialog({"Server", "", folder.path(), false}); }, choose);
  EXPECT_EQ(chosen, file);
  withModalWindow([&] { chosen = platform.saveFileDialog({"Save", "", folder.path(), false}); }, choose);
  EXPECT_EQ(chosen, file);
}

}  // namespace
}  // namespace skyvex::ui
