// Driving a real window in a test: showing it with the keyboard focus, and
// finding its controls by their object names.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace morvane::testing {

// Shows `window` and makes it the active window, so that keys reach its focused control.
inline void ShowActive(QWidget& window) {
  window.show();
  QApplication::setActiveWindow(&window);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

// The close button of the window's title bar: a close request through the
// platform, as the window manager sends it.
inline void CloseFromTitleBar(QWidget& window) { window.windowHandle()->close(); }

// The control of `window` with that object name; fails the test when there is none.
template <typename Widget>
Widget* Control(const QWidget& window, const char* name) {
  auto* widget = window.findChild<Widget*>(QString::fromUtf8(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

}  // namespace morvane::testing
