// The program's help, HTML pages shipped in the help folder beside the program.
// F1 opens them at the page of the window in use.
#pragma once

#include <QString>
#include <QTextBrowser>
#include <QWidget>
#include <string>

#include "core/platform.h"

namespace skyvex::ui {

inline constexpr const char* kHelpFolderName = "help";
inline constexpr const char* kHelpIndexName = "index.html";
// The property of a window that names its part of the help (an anchor of the index page).
inline constexpr const char* kHelpTopic = "helpTopic";

class FormHelp : public QWidget {
  Q_OBJECT
 public:
  explicit FormHelp(QWidget* parent = nullptr);

  [[nodiscard]] QTextBrowser* browser() const { return browser_; }
  // Shows page (an existing HTML file) at its anchor topic, or at its top when
  // topic is empty, and brings the window to the front.
  void showPage(const std::string& page, const QString& topic);

 protected:
  // Escape closes the window.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTextBrowser* browser_;
};

// Opens the help of the program folder at topic in the help window of owner
// (made, centred over owner, the first time). A missing index page is one
// "Error: " message. Returns the help window, or null.
FormHelp* showHelp(QWidget* owner, const std::string& programFolder, const QString& topic, Platform& platform);

// F1 in window opens the help at topic, in a help window over it: a dialog
// that waits for an answer still lets its help be read.
void addHelpKey(QWidget* window, const char* topic, const std::string& programFolder, Platform& platform);

}  // namespace skyvex::ui
