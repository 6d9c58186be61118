// Texts the settings windows show and take back: one character per byte both
// ways, so a name typed or read from a file keeps its bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace skyvex::ui {

[[nodiscard]] inline QString formText(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Characters beyond one byte (typed by the user) become "?".
[[nodiscard]] inline std::string formBytes(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace skyvex::ui
