#include "site/page_names.h"

#include <algorithm>
#include <cstdint>

#include "core/text.h"

namespace skyvex {

namespace {

constexpr const char* kExtension = ".html";
constexpr size_t kMaxStemBytes = kMaxPageNameBytes - 5;
constexpr size_t kHashBytes = 17;  // "-" and sixteen hexadecimal digits

// The bytes a page name keeps: lower-case ASCII letters, digits, "-", "_".
bool isPlain(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_'; }

// The names Windows keeps for devices, whatever the case and the extension.
bool isDeviceName(const std::string& stem) {
  const std::string lower = toLower(stem);
  if (lower == "con" || lower == "prn" || lower == "aux" || lower == "nul") return true;
  return lower.size() == 4 && (lower.compare(0, 3, "com") == 0 || lower.compare(0, 3, "lpt") == 0) && lower[3] >= '0' &&
         lower[3] <= '9';
}

// 64-bit FNV-1a over the name's bytes, as sixteen hexadecimal digits: the
// same in every run and on every system.
std::string hashOf(const std::string& name) {
  uint64_t hash = 14695981039346656037ull;
  for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  static const char digits[] = "0123456789abcdef";
  std::string out(16, '0');
  for (size_t k = 16; k-- > 0; hash >>= 4) out[k] = digits[hash & 15];
  return out;
}

// The page name; with the hash when the name changed or when hashed is set.
std::string pageName(const std::string& prefix, const std::string& name, bool hashed) {
  std::string stem = prefix;
  bool changed = name.empty();
  for (const char c : name) {
    const bool upper = c >= 'A' && c <= 'Z';
    const bool plain = isPlain(static_cast<unsigned char>(c));
    stem += upper ? static_cast<char>(c - 'A' + 'a') : plain ? c : '_';
    changed |= !plain;
  }
  changed |= stem.size() > kMaxStemBytes || isDeviceName(stem);
  if (!changed && !hashed) return stem + kExtension;
  stem.resize(std::min(stem.size(), kMaxStemBytes - kHashBytes));
  return stem + "-" + hashOf(name) + kExtension;
}

}  // namespace

std::string safePageName(const std::string& prefix, const std::string& name) { return pageName(prefix, name, false); }

bool isPageName(const std::string& name) {
  const size_t extension = name.size() - 5;
  if (name.size() <= 5 || name.size() > kMaxPageNameBytes || name.compare(extension, 5, kExtension) != 0) return false;
  const std::string stem = name.substr(0, extension);
  return !isDeviceName(stem) &&
         std::all_of(stem.begin(), stem.end(), [](char c) { return isPlain(static_cast<unsigned char>(c)); });
}

std::string PageNames::take(const std::string& prefix, const std::string& name) {
  std::string chosen = pageName(prefix, name, false);
  if (taken_.count(toLower(chosen)) > 0) chosen = pageName(prefix, name, true);
  const std::string hashed = chosen.substr(0, chosen.size() - 5);
  for (int n = 2; taken_.count(toLower(chosen)) > 0; ++n) {
    const std::string number = "-" + std::to_string(n);
    chosen = hashed.substr(0, std::min(hashed.size(), kMaxStemBytes - number.size())) + number + kExtension;
  }
  taken_.insert(toLower(chosen));
  return chosen;
}

}  // namespace skyvex
