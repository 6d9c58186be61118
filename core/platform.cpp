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

}  // namespace skyvex
