#include "ui/log_edit_window.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QHeaderView>
#include <chrono>
#include <iostream>

#include "tests/support/scripted_platform.h"
#include "tests/ui/qt_app.h"

namespace skyvex::ui {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kDarkRed(128, 0, 0);
const QColor kLightGrey(200, 200, 200);

class FormLogTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::qtApplication(); }

  void loadLines(int count) {
    state.logLines.assign(1, LogLine{});
    for (int r = 1; r <= count; ++r) {
      LogLine line;
      line.enabled = 1;
      line.text = "12/05/03 20:00:" + std::to_string(r % 60) + " line " + std::to_string(r);
      state.logLines.push_back(line);
    }
    state.lineCount = static_cast<int16_t>(count);
  }

  static QColor background(const FormLog& form, int line) {
    return form.model->data(form.model->index(line - 1, 1), Qt::BackgroundRole).value<QColor>();
  }
  static QColor foreground(const FormLog& form, int line) {
    return form.model->data(form.model->index(line - 1, 1), Qt::ForegroundRole).value<QColor>();
  }
  static void click(FormLog& form, int line, int column = 1) {
    emit form.grdLog->clicked(form.model->index(line - 1, column));
  }

  WorkingState state;
  testing::ScriptedPlatform platform;
};

TEST_F(FormLogTest, ShowsTheHeaderLineNumbersAndTexts) {
  loadLines(12);
  FormLog form(state, platform);
  EXPECT_EQ(form.objectName(), QStringLiteral("formLog"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Log Edit"));
  EXPECT_EQ(form.Enable->text(), QStringLiteral("&Enable All"));
  ASSERT_EQ(form.model->rowCount(), 12);
  ASSERT_EQ(form.model->columnCount(), 2);
  EXPECT_EQ(form.model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral(""));
  EXPECT_EQ(form.model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Log Line"));
  EXPECT_EQ(form.model->data(form.model->index(0, 0), Qt::DisplayRole).toString(), QStringLiteral("1"));
  EXPECT_EQ(form.model->data(form.model->index(1, 0), Qt::DisplayRole).toString(), QStringLiteral("2"));
  EXPECT_EQ(form.model->data(form.model->index(11, 0), Qt::DisplayRole).toString(), QStringLiteral("12"));
  EXPECT_EQ(form.model->data(form.model->index(0, 1), Qt::DisplayRole).toString(),
            QString::fromStdString(state.logLines[1].text));
  EXPECT_EQ(background(form, 1), kWhite);
  EXPECT_EQ(foreground(form, 1), kBlack);
}

TEST_F(FormLogTest, ClickingALineTwiceReturnsItToItsStateAndColour) {
  loadLines(5);
  state.logLines[3].enabled = 0;
  FormLog form(state, platform);
  EXPECT_EQ(background(form, 3), kDarkRed);
  EXPECT_EQ(foreground(form, 3), kLightGrey);

  click(form, 2);
  EXPECT_EQ(state.logLines[2].enabled, 0);
  EXPECT_EQ(background(form, 2), kDarkRed);
  EXPECT_EQ(foreground(form, 2), kLightGrey);
  click(form, 2);
  EXPECT_EQ(state.logLines[2].enabled, 1);
  EXPECT_EQ(background(form, 2), kWhite);
  EXPECT_EQ(foreground(form, 2), kBlack);

  click(form, 3);
  EXPECT_EQ(state.logLines[3].enabled, 1);
  click(form, 3);
  EXPECT_EQ(state.logLines[3].enabled, 0);
  EXPECT_EQ(state.logLines[1].enabled, 1);
  EXPECT_EQ(state.logLines[4].enabled, 1);
}

TEST_F(FormLogTest, DisabledFirstLineShowsDisabledOnReopening) {
  loadLines(3);
  {
    FormLog form(state, platform);
    click(form, 1);
  }
  FormLog reopened(state, platform);
  EXPECT_EQ(state.logLines[1].enabled, 0);
  EXPECT_EQ(background(reopened, 1), kDarkRed);
}

TEST_F(FormLogTest, AFlagOtherThanZeroOrOneIsEnabledByTheFirstClick) {
  loadLines(3);
  state.logLines[2].enabled = 5;
  FormLog form(state, platform);
  // It does not count in the scoring, so it shows as disabled.
  EXPECT_EQ(background(form, 2), kDarkRed);
  click(form, 2);
  EXPECT_EQ(state.logLines[2].enabled, 1);
  EXPECT_EQ(background(form, 2), kWhite);
}

TEST_F(FormLogTest, EnableAllEnablesEveryLineAndConfirms) {
  loadLines(4);
  state.logLines[1].enabled = 0;
  state.logLines[3].enabled = -2;
  FormLog form(state, platform);
  form.Enable->trigger();
  for (int r = 1; r <= 4; ++r) {
    EXPECT_EQ(state.logLines[r].enabled, 1) << r;
    EXPECT_EQ(background(form, r), kWhite) << r;
  }
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "All log lines have been enabled.");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
}

TEST_F(FormLogTest, EnableAllWithNothingDisabledStillConfirms) {
  loadLines(2);
  FormLog form(state, platform);
  form.Enable->trigger();
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(FormLogTest, NoLinesGiveAnEmptyGridWithItsHeader) {
  FormLog form(state, platform);
  EXPECT_EQ(form.model->rowCount(), 0);
  form.Enable->trigger();
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(FormLogTest, ALoadWhileOpenKeepsTheOldLinesShownAndNeverReachesPastTheNewOnes) {
  loadLines(5);
  FormLog form(state, platform);
  const QString fifth = form.model->data(form.model->index(4, 1), Qt::DisplayRole).toString();
  loadLines(2);
  EXPECT_EQ(form.model->rowCount(), 5);
  EXPECT_EQ(form.model->data(form.model->index(4, 1), Qt::DisplayRole).toString(), fifth);
  click(form, 5);
  form.Enable->trigger();
  EXPECT_EQ(state.logLines.size(), 3u);
}

TEST_F(FormLogTest, SizeIsSevenEighthsWideAndTwoThirdsHighOfTheMainWindow) {
  EXPECT_EQ(FormLog::sizeFor(QSize(800, 600)), QSize(700, 400));
}

TEST_F(FormLogTest, OpensTheLargestLoadAtOnce) {
  loadLines(kMaxLines);
  const auto start = std::chrono::steady_clock::now();
  FormLog form(state, platform);
  form.resize(900, 600);
  form.show();
  QApplication::processEvents();
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  std::cout << "opening 32767 lines took " << took.count() << " ms\n";
  EXPECT_EQ(form.model->rowCount(), 32767);
  EXPECT_EQ(form.model->data(form.model->index(32766, 0), Qt::DisplayRole).toString(), QStringLiteral("32767"));
  // The line-number column is wide enough for the highest number.
  EXPECT_GE(form.grdLog->columnWidth(0),
            form.grdLog->fontMetrics().horizontalAdvance(QStringLiteral("32767")));
  click(form, 32767);
  EXPECT_EQ(state.logLines[32767].enabled, 0);
}

}  // namespace
}  // namespace skyvex::ui
