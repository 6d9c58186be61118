#include "tests/support/scripted_platform.h"

namespace skyvex::testing {

std::optional<std::string> ScriptedPlatform::nextDialogAnswer(const FileDialogRequest& request) {
  dialogs.push_back(request);
  if (dialogAnswers.empty()) return std::nullopt;
  auto answer = dialogAnswers.front();
  dialogAnswers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedPlatform::openFileDialog(const FileDialogRequest& request) {
  return nextDialogAnswer(request);
}

std::optional<std::string> ScriptedPlatform::saveFileDialog(const FileDialogRequest& request) {
  return nextDialogAnswer(request);
}

void ScriptedPlatform::showMessage(const std::string& text, MessageIcon icon) { messages.push_back({text, icon}); }

bool ScriptedPlatform::askYesNo(const std::string& text) {
  questions.push_back(text);
  if (questionAnswers.empty()) return false;
  const bool answer = questionAnswers.front();
  questionAnswers.pop_front();
  return answer;
}

}  // namespace skyvex::testing
