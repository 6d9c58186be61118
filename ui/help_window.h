// The program's help, HTML pages shipped in the help folder beside the program.
#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <string>

namespace skyvex::ui {

inline constexpr const char* kHelpFolderName = "help";
inline constexpr const char* kHelpIndexName = "index.html";

class FormHelp : public QWidget {
  Q_OBJECT
 public:
  // Shows indexPath, an existing HTML file.
  explicit FormHelp(const std::string& indexPath, QWidget* parent = nullptr);

  [[nodiscard]] QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace skyvex::ui
