#include "ui/qt_platform.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "tests/support/test_files.h"
#include "tests/ui/qt_app.h"

namespace skyvex::ui {
namespace {

using testing::TempFolder;

// Runs inspect on the modal window that the next call opens.
void whenModalOpens(std::function<void(QWidget*)> inspect) {
  QTimer::singleShot(0, [inspect] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    inspect(modal);
  });
}

class QtPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::qtApplication(); }
  QtPlatform platform;
};

TEST(QtFilter, KeepsTheDescriptionAndUsesThePatternOfEachPair) {
  EXPECT_EQ(qtFilter("Log Files (*.log)|*.log|"), QStringLiteral("Log Files (*.log)"));
  EXPECT_EQ(qtFilter("Setup Files (*.vxs)|*.vxs|"), QStringLiteral("Setup Files (*.vxs)"));
  EXPECT_EQ(qtFilter("Server Files (*.ini)|vx2Server.ini|"),
            QStringLiteral("Server Files (*.ini) (vx2Server.ini)"));
  EXPECT_EQ(qtFilter("Text|*.txt;*.log|All|*.*|"), QStringLiteral("Text (*.txt *.log);;All (*.*)"));
}

TEST(DialogResult, OneFileIsItsFullPathSeveralAreTheFolderAndNamesBetweenNuls) {
  EXPECT_EQ(dialogResult({QStringLiteral("/logs/a/match1.log")}), "/logs/a/match1.log");
  EXPECT_EQ(dialogResult({QStringLiteral("/logs/a/b.log"), QStringLiteral("/logs/a/A.log"),
                          QStringLiteral("/logs/a/c.log")}),
            std::string("/logs/a\0b.log\0A.log\0c.log", 25));
}

TEST_F(QtPlatformTest, AnErrorIsACriticalBoxWithTheTitleAndOneOkButton) {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  whenModalOpens([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = box->standardButtons();
    box->button(QMessageBox::Ok)->click();
  });
  platform.showMessage("Error: Could not find setup file.", MessageIcon::Critical);
  EXPECT_EQ(title, QStringLiteral("Skyvex Scoring Utility"));
  EXPECT_EQ(text, QStringLiteral("Error: Could not find setup file."));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST_F(QtPlatformTest, AConfirmationHasTheInformationIcon) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  whenModalOpens([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    icon = box->icon();
    box->button(QMessageBox::Ok)->click();
  });
  platform.showMessage("The log files have been saved.", MessageIcon::Information);
  EXPECT_EQ(icon, QMessageBox::Information);
}

TEST_F(QtPlatformTest, AQuestionHasYesAndNoAndSaysWhichWasPressed) {
  for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    whenModalOpens([&, answer](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      text = box->text();
      icon = box->icon();
      buttons = box->standardButtons();
      box->button(answer)->click();
    });
    const bool yes = platform.askYesNo(
        "The scoring process is complete.\r\n\r\nDo you want to save the log files?");
    EXPECT_EQ(yes, answer == QMessageBox::Yes);
    EXPECT_EQ(text, QStringLiteral("The scoring process is complete.\n\nDo you want to save the log files?"));
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
  }
}

TEST_F(QtPlatformTest, TheLogDialogAllowsSeveralFilesAndStartsInTheLogFolder) {
  TempFolder folder;
  folder.write("b.log", "x");
  folder.write("A.log", "x");
  QString title;
  QStringList filters;
  QString directory;
  QFileDialog::FileMode mode = QFileDialog::AnyFile;
  whenModalOpens([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    filters = dialog->nameFilters();
    directory = dialog->directory().absolutePath();
    mode = dialog->fileMode();
    dialog->selectFile(QStringLiteral("\"b.log\" \"A.log\""));
    static_cast<QDialog*>(dialog)->accept();
  });
  const auto result = platform.openFileDialog(
      {"Open Skyvex Log Files", "Log Files (*.log)|*.log|", folder.path() + "/", true});
  EXPECT_EQ(title, QStringLiteral("Open Skyvex Log Files"));
  EXPECT_EQ(filters, QStringList{QStringLiteral("Log Files (*.log)")});
  EXPECT_EQ(directory, QString::fromStdString(folder.path()));
  EXPECT_EQ(mode, QFileDialog::ExistingFiles);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(*result, folder.path() + std::string(1, '\0') + "b.log" + std::string(1, '\0') + "A.log");
}

TEST_F(QtPlatformTest, OneChosenFileIsItsFullPath) {
  TempFolder folder;
  const std::string path = folder.write("vx2Server.ini", "serverdesc=\"x\"\r\n");
  QFileDialog::FileMode mode = QFileDialog::AnyFile;
  whenModalOpens([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    mode = dialog->fileMode();
    dialog->selectFile(QString::fromStdString(path));
    static_cast<QDialog*>(dialog)->accept();
  });
  const auto result = platform.openFileDialog(
      {"Open Skyvex Server File", "Server Files (*.ini)|vx2Server.ini|", folder.path() + "/", false});
  EXPECT_EQ(mode, QFileDialog::ExistingFile);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(*result, path);
}

TEST_F(QtPlatformTest, CancellingADialogGivesNoResult) {
  whenModalOpens([](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->reject();
  });
  EXPECT_FALSE(platform.openFileDialog({"Open Skyvex Setup File", "Setup Files (*.vxs)|*.vxs|", "", false})
                   .has_value());
}

TEST_F(QtPlatformTest, TheSaveDialogReturnsTheTypedNameWithoutAskingAboutAnExistingFile) {
  TempFolder folder;
  const std::string path = folder.write("old.vxs", "x");
  QString title;
  bool confirms = true;
  whenModalOpens([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
    dialog->selectFile(QString::fromStdString(path));
    static_cast<QDialog*>(dialog)->accept();
  });
  const auto result =
      platform.saveFileDialog({"Save Skyvex Setup File", "Setup Files (*.vxs)|*.vxs|", folder.path(), false});
  EXPECT_EQ(title, QStringLiteral("Save Skyvex Setup File"));
  EXPECT_FALSE(confirms);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(*result, path);
}

}  // namespace
}  // namespace skyvex::ui
