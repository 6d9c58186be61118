// The main window's settings items open the real windows: the setup editor,
// the adjustments and the options modally, the log editor as a child window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiSubWindow>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "tests/support/scripted_platform.h"
#include "tests/support/test_files.h"
#include "tests/ui/qt_app.h"
#include "ui/adjust_window.h"
#include "ui/log_edit_window.h"
#include "ui/main_window.h"
#include "ui/options_window.h"
#include "ui/setup_window.h"

namespace skyvex::ui {
namespace {

class SettingsMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::qtApplication();
    state.programFolder = program.path();
    form = std::make_unique<FormMain>(state, platform);
  }

  // Runs a hook that shows a modal window; the window is named and closed as
  // soon as it is up.
  QString runModal(const std::function<void()>& hook) {
    QString opened;
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        opened = modal->objectName();
        wasModal = modal->isModal();
        modal->close();
      }
    });
    hook();
    EXPECT_TRUE(wasModal) << opened.toStdString();
    return opened;
  }

  testing::TempFolder program;
  WorkingState state;
  testing::ScriptedPlatform platform;
  std::unique_ptr<FormMain> form;
};

TEST_F(SettingsMenuTest, SettingsAdjustAndOptionsOpenTheirModalWindows) {
  EXPECT_EQ(runModal(form->openSettingsWindow), QStringLiteral("formSetup"));
  EXPECT_EQ(runModal(form->openAdjustWindow), QStringLiteral("formAdjust"));
  EXPECT_EQ(runModal(form->openOptionsWindow), QStringLiteral("formOpt"));
  // Closing the adjustments and the options wrote their files.
  EXPECT_TRUE(std::filesystem::exists(program.file("vxScore.vxa")));
  EXPECT_TRUE(std::filesystem::exists(program.file("vxScore.vxp")));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SettingsMenuTest, LogEditorIsAChildWindowOpenedOnce) {
  state.logLines.resize(3);
  state.logLines[1].text = "first";
  state.logLines[2].text = "second";
  state.lineCount = 2;
  form->resize(800, 600);
  form->openLogEditWindow();
  form->openLogEditWindow();
  int editors = 0;
  for (QMdiSubWindow* child : form->mdiArea()->subWindowList()) {
    if (auto* editor = qobject_cast<FormLog*>(child->widget())) {
      ++editors;
      EXPECT_EQ(editor->model->rowCount(), 2);
      EXPECT_EQ(child->windowTitle(), QStringLiteral("Log Edit"));
      EXPECT_FALSE(child->isHidden());
      EXPECT_EQ(child->size(), FormLog::sizeFor(form->frameGeometry().size()));
    }
  }
  EXPECT_EQ(editors, 1);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace skyvex::ui
