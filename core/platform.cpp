#include "core/platform.h"

#include "core/refusal.h"

namespace skyvex {

bool runShowingRefusal(Platform& platform, const std::function<bool()>& command) {
  try {
    return command();
  } catch (const Refusal& refusal) {
    platform.showMessage(refusal.what(), MessageIcon::Critical);
  } catch (const std::exception& failure) {
    platform.showMessage(std::string("Error: ") + failure.what(), MessageIcon::Critical);
  }
  return false;
}

bool openChosenFile(Platform& platform, const FileDialogRequest& request,
                    const std::function<void(const std::string&)>& open) {
  const std::optional<std::string> chosen = platform.openFileDialog(request);
  if (!chosen) return false;
  return runShowingRefusal(platform, [&] {
    open(*chosen);
    return true;
  });
}

}  // namespace skyvex
