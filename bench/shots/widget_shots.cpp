// Renders Qt's own boxes and dialogs as the program shows them, for a person to look at. Runs
// only when NV_SHOT_DIR names a folder; the pictures are not part of the checks.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/dialogs.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_prompt.h"
#include "platform/text.h"
#include "widgets_test_app.h"

using namespace Qt::StringLiterals;

using nv::sj;

namespace {

void save(QWidget& w, const char* name) {
  w.show();
  QApplication::processEvents();
  const QString dir = qEnvironmentVariable("NV_SHOT_DIR");
  EXPECT_TRUE(w.grab().save(QDir(dir).filePath(QString::fromLatin1(name))));
  w.close();
}

TEST(WidgetShots, MessageBoxAndSaveDialog) {
  if (qEnvironmentVariableIsEmpty("NV_SHOT_DIR")) GTEST_SKIP() << "NV_SHOT_DIR not set";
  nvtest::widgetsApp();
  QMessageBox box(nv::qtIcon(nv::Icon::Question), QString(), QString(),
                  nv::qtButtons(nv::Buttons::YesNoCancel));
  const QString caption = u"内容が変更されています。保存しますか？"_s;
  box.setWindowTitle(caption);
  nv::setHeadedText(box, caption, u"/home/taro/献立/はなこ.nvu"_s);
  save(box, "message_box_yes_no_cancel.png");

  nv::FileRequest r;
  r.title = sj("名前を付けて保存");
  r.filter = sj("NVデータファイル(*.nvu)|*.nvu|全てのファイル(*.*)|*.*");
  r.defaultExt = "nvu";
  r.fileName = sj("はなこ");
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  nv::prepareFileDialog(dialog, r);
  dialog.resize(640, 420);
  save(dialog, "save_dialog.png");

  QPrinter printer;
  QPrintDialog print(&printer);
  save(print, "print_dialog.png");
}

}  // namespace
