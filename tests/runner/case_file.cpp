#include "tests/runner/case_file.h"

#include <cstdlib>
#include <stdexcept>

namespace skyvex::testing {

namespace {

bool isHeader(const std::string& bytes, size_t lineStart) { return bytes.compare(lineStart, 4, "=== ") == 0; }

bool hasFlag(const std::vector<std::string>& flags, const char* flag) {
  for (const std::string& f : flags)
    if (f == flag) return true;
  return false;
}

std::string decodeEscapes(const std::string& text) {
  std::string bytes;
  for (size_t k = 0; k < text.size(); ++k) {
    if (text[k] != '\\' || k + 1 >= text.size()) {
      bytes += text[k];
    } else if (text[k + 1] == '\\') {
      bytes += '\\';
      ++k;
    } else if (text[k + 1] == 'x' && k + 3 < text.size()) {
      bytes += static_cast<char>(std::strtol(text.substr(k + 2, 2).c_str(), nullptr, 16));
      k += 3;
    } else {
      throw std::runtime_error("unknown escape in a case file: " + text.substr(k, 2));
    }
  }
  return bytes;
}

// Where the line that starts at `start` ends, its line feed included.
size_t nextLine(const std::string& text, size_t start) {
  const size_t end = text.find('\n', start);
  return end == std::string::npos ? text.size() : end + 1;
}

}  // namespace

CaseFile parseCaseFile(const std::string& bytes) {
  CaseFile file;
  CaseBlock* block = nullptr;
  for (size_t start = 0; start < bytes.size();) {
    const size_t end = nextLine(bytes, start);
    if (isHeader(bytes, start)) {
      const size_t textEnd = bytes[end - 1] == '\n' ? end - 1 : end;
      file.blocks.push_back({bytes.substr(start, textEnd - start), {}});
      block = &file.blocks.back();
    } else {
      (block ? block->content : file.preamble) += bytes.substr(start, end - start);
    }
    start = end;
  }
  return file;
}

std::string joinCaseFile(const CaseFile& file) {
  std::string bytes = file.preamble;
  for (const CaseBlock& block : file.blocks) bytes += block.header + "\n" + block.content;
  return bytes;
}

std::vector<std::string> headerWords(const std::string& header) { return splitCommandLine(header.substr(4)); }

std::vector<std::string> splitCommandLine(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (const char c : text) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && (c == ' ' || c == '\n' || c == '\r' || c == '\t')) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

std::string inputFileBytes(const std::string& content, const std::vector<std::string>& flags) {
  std::string text = content;
  if (hasFlag(flags, "noeol") && !text.empty() && text.back() == '\n') text.pop_back();
  const char* lineEnd = hasFlag(flags, "lf") ? "\n" : hasFlag(flags, "cr") ? "\r" : "\r\n";
  std::string bytes;
  for (const char c : text) c == '\n' ? bytes += lineEnd : bytes += c;
  return hasFlag(flags, "escapes") ? decodeEscapes(bytes) : bytes;
}

std::string reportBody(const std::string& report) {
  size_t start = 0;
  for (int line = 0; line < 15 && start < report.size(); ++line) start = nextLine(report, start);
  return report.substr(start);
}

std::string scoreLogSection(const std::string& report, int n) {
  // Each section opens with a line of dashes, "n. TITLE" and dashes again.
  const auto titleLine = [&](int section) {
    const std::string title = "\n" + std::to_string(section) + ". ";
    const size_t at = report.find(title);
    if (at == std::string::npos) return std::string::npos;
    const size_t dashes = report.rfind('\n', at == 0 ? 0 : at - 1);
    return dashes == std::string::npos ? std::string::npos : dashes + 1;
  };
  const size_t start = titleLine(n);
  if (start == std::string::npos) return {};
  const size_t end = titleLine(n + 1);
  return report.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string reportAsCaseText(const std::string& report, int& badLine) {
  badLine = 0;
  std::string text;
  int line = 1;
  for (size_t k = 0; k < report.size(); ++k) {
    if (report[k] == '\r' && k + 1 < report.size() && report[k + 1] == '\n') continue;
    if (report[k] == '\n' && (k == 0 || report[k - 1] != '\r') && badLine == 0) badLine = line;
    if (report[k] == '\n') ++line;
    text += report[k];
  }
  return text;
}

}  // namespace skyvex::testing
