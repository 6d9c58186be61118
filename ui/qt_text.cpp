#include "ui/qt_text.h"

#include <QFile>

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

QString messageText(const std::string& bytes) {
  const std::string lines = withoutCarriageReturns(bytes);
  return QFile::decodeName(QByteArray(lines.data(), static_cast<qsizetype>(lines.size())));
}

QString pathText(const std::string& path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string pathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace skyvex::ui
