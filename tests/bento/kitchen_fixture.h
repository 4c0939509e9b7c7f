#pragma once
// The kitchen window over the distribution's pictures and lunch-box data, in a program
// folder of its own (so NV.ini and saved boxes stay in a temporary folder), on the offscreen
// platform; helpers that press, drag and release as a child's mouse does.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bento/bentoubako_form.h"
#include "bento/model/bento_save.h"
#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "temp_dir.h"

namespace nvtest {

inline QApplication& kitchenApp() {
  static int argc = 1;
  static char name[] = "test_bento";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

// Runs `act` on the modal dialog that the next exec() opens, once its loop runs.
inline void whenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}

// What a shell command writes on stdout (the PDF checks run poppler's tools).
inline std::string commandOutput(const std::string& cmd) {
  std::string out;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  pclose(p);
  return out;
}

// The controls under `root` a screen reader could not name: every visible button, slider,
// scroll bar, text field or focusable widget whose accessible name is empty (Qt's own
// scroll-area parts aside), as "class objectName".
inline std::vector<std::string> unnamedControls(QWidget* root) {
  std::vector<std::string> out;
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(root) || w->objectName().startsWith(QLatin1String("qt_"))) continue;
    const bool control = w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w) ||
                         qobject_cast<QAbstractSlider*>(w);
    if (!control) continue;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
      out.push_back(std::string(w->metaObject()->className()) + " " +
                    w->objectName().toStdString());
  }
  return out;
}

// The folder NV_SHOT_DIR names for pictures a person looks at; empty when none is named, and
// then no test writes a picture.
// The kitchen's menu command with that caption (UTF-8), or null: the tests reach the commands
// as the child does, by what they say.
inline QAction* kitchenAction(QWidget& kitchen, const char* caption) {
  for (QAction* a : kitchen.findChildren<QAction*>())
    if (a->text() == QString::fromUtf8(caption)) return a;
  return nullptr;
}

inline std::string shotFolder() { return qEnvironmentVariable("NV_SHOT_DIR").toStdString(); }

// build/dist beside nvtool's build/bin.
inline std::filesystem::path distFolder() {
  return std::filesystem::path(NV_TOOL_PATH).parent_path().parent_path() / "dist";
}

// Records what the kitchen asks of the rice ball.
struct FakeRiceBall : nv::RiceBallPort {
  std::vector<int> moods;
  int closes = 0;
  void show(nv::TBentoubakoForm&, int mood) override { moods.push_back(mood); }
  void close() override { ++closes; }
};

class KitchenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    kitchenApp();
    const auto dist = distFolder();
    if (!std::filesystem::exists(dist / "NV.nvb")) GTEST_SKIP() << "build the dist target";
    std::filesystem::create_directory_symlink(dist / "bentou", nv::toFsPath(dir.file("bentou")));
    std::filesystem::create_symlink(dist / "NV.nvb", nv::toFsPath(dir.file("NV.nvb")));
    previousFolder_ = nv::programFolder();
    nv::setProgramFolder(dir.path());
    profile.setName(nv::sj("host"));
  }
  void TearDown() override {
    if (form) {
      form->document().setModified(false);
      form.reset();
    }
    if (!previousFolder_.empty()) nv::setProgramFolder(previousFolder_);
  }

  // The kitchen at that size, shown; the name dialog confirms "はなこ".
  nv::TBentoubakoForm& make(QSize size = QSize(1024, 768)) {
    nv::KitchenPorts wired = ports;
    if (!wired.riceBall) wired.riceBall = &riceBall;
    form = std::make_unique<nv::TBentoubakoForm>(profile, gunName, nv::sj("host"), wired, size);
    form->profileDialog = [](nv::TKojinData& k, QWidget*) {
      k.setName(nv::sj("はなこ"));
      return true;
    };
    form->show();
    return *form;
  }
  // Straight to the working view.
  nv::TBentoubakoForm& working(QSize size = QSize(1024, 768)) {
    make(size).switchToWorkingView();
    return *form;
  }

  static void send(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button,
                   Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  static void key(QWidget* w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, k, mods);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, k, mods);
    QApplication::sendEvent(w, &release);
  }
  static void doubleClick(QWidget* w, QPoint local) {
    send(w, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton);
    send(w, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton);
    send(w, QEvent::MouseButtonDblClick, local, Qt::LeftButton, Qt::LeftButton);
    send(w, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton);
  }
  // Press and release on the kitchen at two points (window pixels).
  void clickKitchen(QPoint press, QPoint release, Qt::MouseButton b = Qt::LeftButton) {
    send(form.get(), QEvent::MouseButtonPress, press, b, b);
    send(form.get(), QEvent::MouseButtonRelease, release, b, Qt::NoButton);
  }
  static QPoint centreOf(const nv::KRect& r) {
    return {r.left + r.width() / 2, r.top + r.height() / 2};
  }
  // A dish where a child can see it in the box: between the box's sides, its bottom edge
  // inside the box and not behind the front rim.
  bool keptInBox(const QRect& r) const {
    const nv::KRect box = form->areas().largeBox;
    const int bottom = r.top() + r.height();
    return r.left() >= box.left && r.left() + r.width() <= box.right && bottom > box.top &&
           bottom <= form->areas().boxFront.top;
  }
  // Drags a widget (a cell or a placed dish) so that the point grabbed lands on `target`
  // (kitchen pixels), moving in a few steps as a hand does.
  static void drag(QWidget* w, QPoint target) {
    const QPoint grab(w->width() / 2, w->height() / 2);
    send(w, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    const QPoint start = w->pos() + grab;
    for (int i = 1; i <= 4; ++i) {
      const QPoint at = start + (target - start) * i / 4;
      send(w, QEvent::MouseMove, at - w->pos(), Qt::NoButton, Qt::LeftButton);
    }
    send(w, QEvent::MouseButtonRelease, target - w->pos(), Qt::LeftButton, Qt::NoButton);
  }

  TempDir dir;
  nv::TKojinData profile;
  nv::TGunName gunName;
  FakeRiceBall riceBall;
  // The windows the next make() hands the kitchen; the rice ball defaults to riceBall.
  nv::KitchenPorts ports;
  std::unique_ptr<nv::TBentoubakoForm> form;

 private:
  std::string previousFolder_;
};

}  // namespace nvtest
