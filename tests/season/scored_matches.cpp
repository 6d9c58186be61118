#include "tests/season/scored_matches.h"

#include "bench/generated_match.h"
#include "core/startup.h"
#include "ingest/log_loading.h"
#include "ingest/server_file.h"
#include "scoring/score_command.h"
#include "setup/setup_file.h"
#include "tests/support/test_files.h"

namespace skyvex::testing {

std::vector<WorkingState> threeScoredMatches() {
  std::vector<WorkingState> matches(1);
  startUpWithoutUserFiles(matches[0], binFolder());
  readSetupFile(matches[0], sourcePath("data/sample/sample.vxs"));
  openServerFile(matches[0], sourcePath("data/sample/vx2Server.ini"));
  loadLogFilePaths(matches[0], {sourcePath("data/sample/match1.log"), sourcePath("data/sample/match2.log"),
                                sourcePath("data/sample/match3.log")});
  matches.push_back(generatedMatch(600));
  matches.push_back(generatedMatch(3000));
  for (WorkingState& state : matches) runScoring(state);
  return matches;
}

long printedAfter(const std::string& log, const std::string& label) {
  const size_t at = log.find(label);
  return at == std::string::npos ? -99999 : std::stol(log.substr(at + label.size(), 12));
}

}  // namespace skyvex::testing
