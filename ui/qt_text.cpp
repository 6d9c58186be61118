#include "ui/qt_text.h"


namespace skyvex::ui {

namespace {

std::string withoutCarriageReturns(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    out += bytes[i];
  }
  return out;
}

}  // namespace

QString reportText(const std::string& bytes) {
  const std::string lines = withoutCarriageReturns(bytes);
  return QString::fromLatin1(lines.data(), static_cast<qsizetype>(lines.size()));
}

// Messages name files by their UTF-8 paths.
QString messageText(const std::string& bytes) {
  const std::string lines = withoutCarriageReturns(bytes);
  return QString::fromUtf8(lines.data(), static_cast<qsizetype>(lines.size()));
}

// Paths are UTF-8 inside the program on every system (on Windows the file
// calls convert them to UTF-16), so the local 8-bit encoding never takes part.
QString pathText(const std::string& path) {
  return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

std::string pathBytes(const QString& path) { return path.toUtf8().toStdString(); }

}  // namespace skyvex::ui
