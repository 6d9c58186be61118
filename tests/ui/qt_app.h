// One QApplication for the window tests, created on first use (offscreen
// unless a platform was chosen), so listing the tests needs no display.
#pragma once

#include <QApplication>

namespace skyvex::testing {

QApplication& qtApplication();

}  // namespace skyvex::testing
