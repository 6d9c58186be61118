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

  // Answers of the coming dialogs, in order; an empty optional cancels (so
  // does a dialog with no answer left).
  std::deque<std::optional<std::string>> dialogAnswers;
  // Answers of the coming Yes/No questions, in order (No when none is left).
  std::deque<bool> questionAnswers;

  std::vector<FileDialogRequest> dialogs;
  std::vector<Message> messages;
  std::vector<std::string> questions;
  int beeps = 0;

  std::optional<std::string> openFileDialog(const FileDialogRequest& request) override { return answer(request); }
  std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override { return answer(request); }
  void showMessage(const std::string& text, MessageIcon icon) override { messages.push_back({text, icon}); }
  bool askYesNo(const std::string& text) override {
    questions.push_back(text);
    if (questionAnswers.empty()) return false;
    const bool yes = questionAnswers.front();
    questionAnswers.pop_front();
    return yes;
  }
  void beep() override { ++beeps; }

 private:
  std::optional<std::string> answer(const FileDialogRequest& request) {
    dialogs.push_back(request);
    if (dialogAnswers.empty()) return std::nullopt;
    std::optional<std::string> chosen = std::move(dialogAnswers.front());
    dialogAnswers.pop_front();
    return chosen;
  }
};

}  // namespace skyvex::testing
