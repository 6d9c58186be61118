// The Season Standings window's "Publish Site..." button starts the command
// the window was last shown with.
#include "ui/season_window.h"

#include <gtest/gtest.h>

#include <QMdiArea>
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
  auto* form = new SeasonForm;
  area.addSubWindow(form);
  area.show();
  std::vector<std::string> published;
  form->showReport("first\r\n", [&] { published.push_back("first"); });
  form->showReport("second\r\n", [&] { published.push_back("second"); });
  form->show();
  auto* button = form->findChild<QPushButton*>(QStringLiteral("cmdPublishSite"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), QStringLiteral("&Publish Site..."));
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(published, std::vector<std::string>{"second"});
}

}  // namespace
}  // namespace skyvex::ui
