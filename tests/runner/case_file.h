// A case file: the input files, the command line of skyvex-score and the
// expected outputs of one run, in one plain-text file. The format is described
// in the README ("Writing a test case").
#pragma once

#include <string>
#include <vector>

namespace skyvex::testing {

struct CaseBlock {
  std::string header;   // the "=== ..." line without its line end
  std::string content;  // every byte up to the next header line
};

struct CaseFile {
  std::string preamble;  // what the case pins, before the first header
  std::vector<CaseBlock> blocks;
};

// Splits a case file's bytes into its preamble and blocks; joining them again
// gives the same bytes.
[[nodiscard]] CaseFile parseCaseFile(const std::string& bytes);
[[nodiscard]] std::string joinCaseFile(const CaseFile& file);

// The words of a header after "===": "file a.log lf" gives file, a.log, lf.
[[nodiscard]] std::vector<std::string> headerWords(const std::string& header);

// A command line split at blanks; double quotes keep blanks in one argument.
[[nodiscard]] std::vector<std::string> splitCommandLine(const std::string& text);

// An input file's bytes from its block: every line ends in CR LF, or as the
// flags say (lf, cr, noeol); "escapes" reads \xHH and \\ as bytes.
[[nodiscard]] std::string inputFileBytes(const std::string& content, const std::vector<std::string>& flags);

// The report lines after the fifteen header lines, and section n of a SCORE LOG
// (from the dashes above its title to the dashes above the next one). Empty
// when there is no such part.
[[nodiscard]] std::string reportBody(const std::string& report);
[[nodiscard]] std::string scoreLogSection(const std::string& report, int n);

// A report as a case writes it: each CR LF as a line feed. Sets badLine to
// the first line (1-based) whose line feed has no carriage return before it.
[[nodiscard]] std::string reportAsCaseText(const std::string& report, int& badLine);

}  // namespace skyvex::testing
