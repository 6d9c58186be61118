// File names for a site's pages, made from names in the logs. A name may hold
// anything a server log can: separators, "..", control characters, bytes of
// 0x80 and above, Windows device names, hundreds of bytes. A page name holds
// only lower-case ASCII letters, digits, "-" and "_", ends in ".html", is at
// most kMaxPageNameBytes long, and is the same for the same name in every run.
#pragma once

#include <cstddef>
#include <set>
#include <string>

namespace skyvex {

inline constexpr size_t kMaxPageNameBytes = 100;

// prefix (plain lower-case ASCII, such as "pilot-central-") and the name made
// safe, with ".html". A name that had to be changed (a capital lowered, a
// character replaced, shortened, a device name) gets the hash of its own
// bytes, so two names that become alike, also only in case, stay apart.
[[nodiscard]] std::string safePageName(const std::string& prefix, const std::string& name);

// True for a name safePageName can give (so also "index.html"): no separator,
// no "..", only lower-case letters, digits, "-", "_" and one ".html", at most the limit.
// The site writer removes no file of another name.
[[nodiscard]] bool isPageName(const std::string& name);

// Hands out page names that differ also where letter case does not count (on
// Windows and macOS "A.html" and "a.html" are one file). The same requests in
// the same order give the same names.
class PageNames {
 public:
  // The page name for prefix and name; a name already handed out in another
  // case, or taken, gets the hash of its bytes, then a number.
  std::string take(const std::string& prefix, const std::string& name);

 private:
  std::set<std::string> taken_;  // in lower case
};

}  // namespace skyvex
