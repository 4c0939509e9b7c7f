#pragma once
// Helpers for window tests: answering the next modal dialog from inside its event loop, and
// reaching a window's parts by object name. Header-only, so the Qt-free support library stays
// free of Qt.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace nvtest {

// Runs `act` on the modal dialog that the next exec() opens, once its loop runs. Whatever `act`
// leaves open (a step that does not close it, or an assertion that returned early) is rejected
// afterwards, so a failing test fails instead of waiting for a click that never comes.
inline void whenModal(std::function<void(QWidget*)> act, int triesLeft = 200) {
  QTimer::singleShot(triesLeft == 200 ? 0 : 10, [act, triesLeft] {
    QWidget* w = QApplication::activeModalWidget();
    if (w == nullptr) {
      if (triesLeft > 0) {
        whenModal(act, triesLeft - 1);
      } else {
        ADD_FAILURE() << "no modal dialog opened";
      }
      return;
    }
    QPointer<QWidget> open(w);
    act(w);
    if (!open || !open->isVisible()) return;
    if (auto* dialog = qobject_cast<QDialog*>(open.data())) {
      dialog->reject();
    } else {
      open->close();
    }
  });
}

// The child of `parent` with that object name and type; a test failure when there is none.
template <typename T>
T* child(const QObject* parent, const char* name) {
  T* found = parent->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << "no child named " << name;
  return found;
}

}  // namespace nvtest
