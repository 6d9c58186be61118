#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>

#include "core/startup.h"
#include "tests/support/scripted_platform.h"
#include "tests/ui/qt_app.h"
#include "ui/about_window.h"
#include "ui/exit_window.h"

namespace skyvex::ui {
namespace {

class SmallWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::qtApplication(); }
  testing::ScriptedPlatform platform;
};

TEST_F(SmallWindowsTest, AboutShowsTheVersionAndTheCreditsAndBeepsOnce) {
  WorkingState state;
  state.programVersion = kProgramVersion;
  FormAbout about(state, platform);
  EXPECT_EQ(about.windowTitle(), QStringLiteral("Skyvex Scoring Utility"));
  EXPECT_EQ(about.lblVersion->text(), QStringLiteral("Version: v3.0.0i beta"));
  EXPECT_EQ(about.genLbl->text(), QStringLiteral("Credits:"));
  EXPECT_EQ(about.Command1->text(), QStringLiteral("OK"));
  EXPECT_TRUE(about.isModal());
  EXPECT_EQ(platform.beeps, 1);
  const QLabel* artwork = about.findChild<QLabel*>(QStringLiteral("Image1"));
  ASSERT_NE(artwork, nullptr);
  EXPECT_FALSE(artwork->pixmap().isNull());
}

TEST_F(SmallWindowsTest, TheCreditsAreNamesBetweenLineEnds) {
  const std::string credits = creditsText();
  EXPECT_NE(credits.find("\r\n"), std::string::npos);
  EXPECT_NE(credits.substr(0, 2), "\r\n");
  EXPECT_NE(credits.substr(credits.size() - 2), "\r\n");
  WorkingState state;
  FormAbout about(state, platform);
  EXPECT_EQ(about.lblCredits->text().count(QLatin1Char('\n')),
            static_cast<qsizetype>(std::count(credits.begin(), credits.end(), '\n')));
}

TEST_F(SmallWindowsTest, AboutOkClosesTheWindow) {
  WorkingState state;
  FormAbout about(state, platform);
  about.show();
  about.Command1->click();
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(SmallWindowsTest, TheFarewellWindowHasItsTextPictureAndBeep) {
  FormExit farewell(platform);
  EXPECT_EQ(farewell.windowTitle(), QStringLiteral("Skyvex Scoring Utility"));
  EXPECT_EQ(farewell.genLbl->text(), QStringLiteral("Thank you for using the Skyvex Scoring Utility."));
  EXPECT_EQ(farewell.cmdOK->text(), QStringLiteral("OK"));
  EXPECT_NE(farewell.findChild<QGroupBox*>(QStringLiteral("genFrm")), nullptr);
  const QLabel* picture = farewell.findChild<QLabel*>(QStringLiteral("genImg"));
  ASSERT_NE(picture, nullptr);
  EXPECT_FALSE(picture->pixmap().isNull());
  EXPECT_EQ(platform.beeps, 1);
}

TEST_F(SmallWindowsTest, OkAndTheCloseBoxBothFinishTheFarewellOnce) {
  {
    FormExit farewell(platform);
    int finished = 0;
    QObject::connect(&farewell, &FormExit::finished, [&] { ++finished; });
    farewell.show();
    farewell.cmdOK->click();
    farewell.close();
    EXPECT_EQ(finished, 1);
  }
  {
    FormExit farewell(platform);
    int finished = 0;
    QObject::connect(&farewell, &FormExit::finished, [&] { ++finished; });
    farewell.show();
    EXPECT_TRUE(farewell.close());
    EXPECT_EQ(finished, 1);
  }
}

}  // namespace
}  // namespace skyvex::ui
