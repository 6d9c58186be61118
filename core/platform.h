// What the commands need from the window system: file dialogs, message boxes
// and the beep. The Qt shell implements it; tests script it.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace skyvex {

inline constexpr const char* kMessageTitle = "Skyvex Scoring Utility";

struct FileDialogRequest {
  std::string title;
  std::string filter;        // pairs of description and pattern, each followed by "|"
  std::string startFolder;   // empty: the platform chooses
  bool multipleSelection = false;
  bool chooseFolder = false;  // an open dialog that picks a folder, not files, and shows folders only
  std::string suggestedName = {};  // the file name a save dialog offers; empty: none
};

enum class MessageIcon { Critical, Information, Question };

class Platform {
 public:
  virtual ~Platform() = default;
  // The chosen path; for a multiple selection of several files the folder and
  // the names separated by NUL characters. Empty optional when cancelled.
  virtual std::optional<std::string> openFileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> saveFileDialog(const FileDialogRequest& request) = 0;
  // A message box titled kMessageTitle with an OK button.
  virtual void showMessage(const std::string& text, MessageIcon icon) = 0;
  // A question box titled kMessageTitle with Yes and No; true for Yes.
  virtual bool askYesNo(const std::string& text) = 0;
  virtual void beep() = 0;
};

// The one way every window shows a refusal. Runs a command: a Refusal it
// throws is shown as one critical message, any other failure (memory, say) as
// "Error: " and its reason. A command that refuses has changed nothing (it
// builds its result apart and swaps it in), so nothing is put back here.
// What the command returned; false when it refused or failed.
bool runShowingRefusal(Platform& platform, const std::function<bool()>& command);

// The open dialog, then open on the chosen path, its refusal shown as above.
// A cancelled dialog changes nothing. True when the file was opened.
bool openChosenFile(Platform& platform, const FileDialogRequest& request,
                    const std::function<void(const std::string&)>& open);

}  // namespace skyvex
