// A Platform that answers from a script and records what it was asked.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/platform.h"

namespace skyvex::testing {

class ScriptedPlatform : public Platform {
 public:
  struct Message {
    std::string text;
    MessageIcon icon;
  };

  // Answers of the coming dialogs, in order; an empty optional cancels.
  std::deque<std::optional<std::string>> dialogAnswers;
  // Answers of the coming Yes/No questions, in order (No when none is left).
  std::deque<bool> questionAnswers;

  std::vector<FileDialogRequest> dialogs;
  std::vector<Message> messages;
  std::vector<std::string> questions;
  int beeps = 0;

  std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
  void showMessage(const std::string& text, MessageIcon icon) override;
  bool askYesNo(const std::string& text) override;
  void beep() override { ++beeps; }

 private:
  std::optional<std::string> nextDialogAnswer(const FileDialogRequest& request);
};

}  // namespace skyvex::testing
