// The window system's file dialogs, message boxes and beep for the commands.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "core/platform.h"

namespace skyvex::ui {

// "Log Files (*.log)|*.log|" -> "Log Files (*.log)"; a description whose own
// brackets hold other patterns shows the ones that apply,
// "Server Files (*.ini)|vx2Server.ini|" -> "Server Files (vx2Server.ini)".
// Several pairs become lines of one Qt filter.
[[nodiscard]] QString qtFilter(const std::string& filter);

// A name typed without an extension gets the one of the filter's first
// pattern ("*.vxs"): "/setups/friday" -> "/setups/friday.vxs".
[[nodiscard]] std::string withDefaultExtension(const std::string& path, const std::string& filter);

// The result text of an open dialog: one file gives its full path, several the
// folder and then every name, separated by NUL characters.
[[nodiscard]] std::string dialogResult(const QStringList& chosenPaths);

class QtPlatform : public Platform {
 public:
  explicit QtPlatform(QWidget* parent = nullptr) : parent_(parent) {}
  // The window the dialogs and messages belong to.
  void setParentWidget(QWidget* parent) { parent_ = parent; }

  std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
  void showMessage(const std::string& text, MessageIcon icon) override;
  bool askYesNo(const std::string& text) override;
  void beep() override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace skyvex::ui
