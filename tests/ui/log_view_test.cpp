// How a log window breaks its lines into rows: after the last blank that fits,
// else at the row's end, each line on rows of its own.
#include "ui/log_view.h"

#include <gtest/gtest.h>

namespace skyvex::ui {
namespace {

TEST(LogView, LinesWrapAfterTheirLastBlankThatFitsOrElseAtTheRowsEnd) {
  // Columns 0 to 9 fit in a row; the blank at column 10 ends the first.
  std::string rows;
  for (const LogView::Row& row : LogView::wrapRows("alpha beta gamma\n\nxxxxxxxxxxxxxxxxxxxxxxxx", 10))
    rows += std::to_string(row.start) + "+" + std::to_string(row.length) + " ";
  EXPECT_EQ(rows, "0+11 11+5 17+0 18+10 28+10 38+4 ");
}

}  // namespace
}  // namespace skyvex::ui
