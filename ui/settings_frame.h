// What every settings window shares: its name, caption and modality, F1 for
// its help topic, and the names of its indexed controls.
#pragma once

#include <QDialog>
#include <QString>

#include "core/platform.h"
#include "core/working_state.h"
#include "ui/help_window.h"

namespace skyvex::ui {

// The object name of control i of an indexed set: "txtPlane(3)".
[[nodiscard]] inline QString indexed(const char* name, int i) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

// A modal settings window named name, captioned caption, whose F1 opens the
// help page's helpTopic.
inline void frameSettingsWindow(QDialog* window, const char* name, const char* caption, const char* helpTopic,
                                const WorkingState& state, Platform& platform) {
  window->setObjectName(QLatin1String(name));
  window->setWindowTitle(QLatin1String(caption));
  window->setModal(true);
  addHelpKey(window, helpTopic, state.programFolder, platform);
}

}  // namespace skyvex::ui
