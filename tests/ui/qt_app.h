// What the window tests share: one QApplication, created on first use
// (offscreen unless a platform was chosen, so listing the tests needs no
// display), and a way to act on a modal window while it is up.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <functional>

namespace skyvex::testing {

QApplication& qtApplication();

// Runs open, which is to show a modal window; act gets that window while it is
// up, and the window is closed after act if act left it open. The window's
// caption, or "" when no modal window came up.
QString withModalWindow(const std::function<void()>& open, const std::function<void(QWidget*)>& act = {});

// Types text into a box and leaves it, as a user does.
void typeIn(QLineEdit* box, const QString& text);
// Clicks the window's button of that caption.
void clickButton(const QWidget& window, const char* caption);

}  // namespace skyvex::testing
