// What no case can show: a report written to a standard output that fails.
#include "app/score_tool.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/test_files.h"

namespace skyvex {
namespace {

using testing::binFolder;
using testing::TempFolder;

TEST(ScoreTool, AReportThatCannotBeWrittenIsAnInputError) {
  TempFolder folder;
  const std::string log = folder.write("match.log", "12/05/03 20:00:00 Server: mission started\r\n");
  std::ostream broken(nullptr);  // every write fails
  std::ostringstream err;
  EXPECT_EQ(runScoreTool({"--default-scoring", "--print", "raw", log}, broken, err, binFolder()), 1);
  EXPECT_EQ(err.str(), "Error: Could not write the report to standard output.\n");
}

}  // namespace
}  // namespace skyvex
