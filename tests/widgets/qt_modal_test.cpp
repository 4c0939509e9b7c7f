#include "qt_modal.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>

#include "widgets_test_app.h"

// A hook that leaves its dialog open (a forgotten click, or an assertion that returned early)
// must not leave the test waiting: the dialog is rejected after the hook.
TEST(WhenModal, RejectsADialogTheHookLeftOpen) {
  nvtest::widgetsApp();
  QDialog dialog;
  bool ran = false;
  nvtest::whenModal([&](QWidget* w) {
    ran = true;
    EXPECT_EQ(w, &dialog);
  });
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  EXPECT_TRUE(ran);
  EXPECT_FALSE(dialog.isVisible());

  // A hook that closes its dialog keeps the answer it gave.
  nvtest::whenModal([](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

TEST(WhenModal, FindsPartsByObjectName) {
  nvtest::widgetsApp();
  QDialog dialog;
  auto* ok = new QPushButton(&dialog);
  ok->setObjectName(QStringLiteral("OkBtn"));
  EXPECT_EQ(nvtest::child<QPushButton>(&dialog, "OkBtn"), ok);
}
