// Conversions between the program's 8-bit texts and Qt's strings.
#pragma once

#include <QString>
#include <string>

namespace skyvex::ui {

// A report text for display: one character per byte, so that columns laid out
// by byte count still line up; CR LF line ends become single line breaks.
[[nodiscard]] QString reportText(const std::string& bytes);
// A message for a message box (it may name paths): decoded as the system
// encodes file names, CR LF as one line break.
[[nodiscard]] QString messageText(const std::string& bytes);
// File paths between the file system's bytes and Qt.
[[nodiscard]] QString pathText(const std::string& path);
[[nodiscard]] std::string pathBytes(const QString& path);

}  // namespace skyvex::ui
