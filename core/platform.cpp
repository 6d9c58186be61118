#include "core/platform.h"

#include "core/refusal.h"

namespace skyvex {

bool runShowingRefusal(Platform& platform, const std::function<void()>& command) {
  try {
    command();
  } catch (const Refusal& refusal) {
    platform.showMessage(refusal.what(), MessageIcon::Critical);
    return false;
  }
  return true;
}

}  // namespace skyvex
