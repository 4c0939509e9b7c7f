#pragma once
// The main window's commands, menus and tool bar are its own; a test reaches them by name, as
// a user reaches them by caption.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QToolBar>

namespace nvtest {

inline QAction* action(const QObject& window, const char* name) {
  auto* a = window.findChild<QAction*>(QString::fromLatin1(name));
  EXPECT_NE(a, nullptr) << name;
  return a;
}
inline QMenu* menu(const QObject& window, const char* name) {
  auto* m = window.findChild<QMenu*>(QString::fromLatin1(name));
  EXPECT_NE(m, nullptr) << name;
  return m;
}
inline QToolBar* toolBar(const QObject& window) {
  return window.findChild<QToolBar*>(QStringLiteral("ToolBar1"));
}

}  // namespace nvtest
