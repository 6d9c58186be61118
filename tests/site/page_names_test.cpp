// Page names from hostile names in the logs: safe on Linux and Windows,
// distinct (also where case does not count), the same in every run.
#include "site/page_names.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "core/text.h"

namespace skyvex {
namespace {

const std::string kHash = "-[0-9a-f]{16}\\.html";

TEST(PageNames, HostileNamesGiveSafeNames) {
  const struct {
    std::string name, pattern;  // the page name for prefix "p-" as a regular expression
  } table[] = {
      {"moss", "p-moss\\.html"},
      {"Moss", "p-moss" + kHash},
      {"../../x", "p-______x" + kHash},
      {"..\\..\\x", "p-______x" + kHash},
      {"<script>", "p-_script_" + kHash},
      {"aux.html", "p-aux_html" + kHash},
      {"trailing. ", "p-trailing__" + kHash},
      {std::string("tab\tnul\0cr\r", 11), "p-tab_nul_cr_" + kHash},
      {"\x80\xC9\xFF", "p-___" + kHash},
      {"", "p-" + kHash},
      {std::string(200, 'a'), "p-" + std::string(76, 'a') + kHash},
  };
  for (const auto& row : table) {
    const std::string page = safePageName("p-", row.name);
    EXPECT_TRUE(std::regex_match(page, std::regex(row.pattern))) << row.name << " gave " << page;
    EXPECT_TRUE(isPageName(page)) << page;
    EXPECT_LE(page.size(), kMaxPageNameBytes);
    EXPECT_EQ(safePageName("p-", row.name), page) << "the same name gives the same page";
  }
  // Without a prefix, Windows' device names are no file names.
  for (const char* device : {"CON", "con", "Aux", "nul", "COM1", "lpt9", "prn"})
    EXPECT_NE(toLower(safePageName("", device)), toLower(device) + std::string(".html")) << device;
  EXPECT_EQ(safePageName("", "console"), "console.html");
}

TEST(PageNames, NamesThatBecomeAlikeStayApart) {
  const std::vector<std::string> names = {"Hans",
                                          "hans",
                                          "HANS",
                                          "a/b",
                                          "a\\b",
                                          "a_b",
                                          "a b",
                                          "a.b",
                                          "\xE9t\xE9",
                                          "\xC9t\xC9",
                                          "CON",
                                          "con",
                                          "",
                                          std::string(200, 'x'),
                                          std::string(200, 'x') + "y"};
  std::set<std::string> pages;
  for (const std::string& name : names) pages.insert(toLower(safePageName("pilot-", name)));
  EXPECT_EQ(pages.size(), names.size());
}

TEST(PageNames, TheSiteRemovesOnlyPageNames) {
  for (const char* name : {"index.html", "match-02-06-04-friday.html", "p-_-0123456789abcdef.html"})
    EXPECT_TRUE(isPageName(name)) << name;
  for (const char* name : {"../index.html", "a/b.html", "a\\b.html", "Index.html", "notes.txt", ".html", "con.html",
                           "a.b.html", "skyvex-site-files.txt", ""})
    EXPECT_FALSE(isPageName(name)) << name;
  EXPECT_FALSE(isPageName(std::string(96, 'a') + ".html"));
  EXPECT_TRUE(isPageName(std::string(95, 'a') + ".html"));
}

TEST(PageNames, TakenNamesGetTheHashThenANumber) {
  PageNames names;
  EXPECT_EQ(names.take("", "index"), "index.html");
  EXPECT_EQ(names.take("m-", "week1"), "m-week1.html");
  const std::string again = names.take("m-", "week1");
  EXPECT_TRUE(std::regex_match(again, std::regex("m-week1" + kHash))) << again;
  EXPECT_EQ(names.take("m-", "week1"), again.substr(0, again.size() - 5) + "-2.html");
  EXPECT_EQ(names.take("", "INDEX").size(), std::string("index-0123456789abcdef.html").size());
}

}  // namespace
}  // namespace skyvex
