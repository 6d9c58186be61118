// The Season Standings window's "Publish Site..." button starts the command
// the window was last shown with.
#include "ui/season_window.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include "tests/ui/qt_app.h"
#include "ui/log_view.h"

namespace skyvex::ui {
namespace {

TEST(SeasonWindow, PublishSiteStartsTheCommandOfTheLastStandingsShown) {
  (void)testing::qtApplication();
  QMdiArea area;
  area.resize(800, 600);
  area.show();
  std::vector<std::string> published;
  showSeasonWindow(&area, "first\r\n", [&] { published.push_back("first"); });
  showSeasonWindow(&area, "second\r\n", [&] { published.push_back("second"); });
  ASSERT_EQ(area.subWindowList().size(), 1);
  auto* button = area.findChild<QPushButton*>(QStringLiteral("cmdPublishSite"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), QStringLiteral("&Publish Site..."));
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(published, std::vector<std::string>{"second"});
}

}  // namespace
}  // namespace skyvex::ui
