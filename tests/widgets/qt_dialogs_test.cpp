#include "platform/qt/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QTimer>

#include "platform/text.h"
#include "temp_dir.h"
#include "widgets_test_app.h"

using nv::sj;

TEST(QtDialogs, TurnsClassicFiltersIntoQtFilters) {
  EXPECT_EQ(nv::qtNameFilters(sj("お弁当のデータ|*.nvub|全てのファイル(*.*)|*.*")),
            (QStringList{QStringLiteral("お弁当のデータ (*.nvub)"),
                         QStringLiteral("全てのファイル (*.*)")}));
  // Several patterns; the description's own pattern list is not repeated.
  EXPECT_EQ(nv::qtNameFilters(sj("画像ファイル(*.jpg;*.png)|*.jpg;*.png")),
            QStringList{QStringLiteral("画像ファイル (*.jpg *.png)")});
  // ポ ends in the byte of '|' in CP932; a dangling description is dropped.
  EXPECT_EQ(nv::qtNameFilters(sj("ポテト|*.csv|ひとつだけ")),
            QStringList{QStringLiteral("ポテト (*.csv)")});
  EXPECT_TRUE(nv::qtNameFilters("").isEmpty());
}

TEST(QtDialogs, PreparesTheFileDialogFromTheRequest) {
  nvtest::widgetsApp();
  nv::FileRequest r;
  r.title = sj("献立ファイルを指定して下さい");
  r.filter = sj("NVデータファイル(*.nvu)|*.nvu|全てのファイル(*.*)|*.*");
  r.filterIndex = 2;
  r.defaultExt = ".nvu";
  QFileDialog d;
  d.setOption(QFileDialog::DontUseNativeDialog);
  nv::prepareFileDialog(d, r);
  EXPECT_EQ(d.windowTitle(), QStringLiteral("献立ファイルを指定して下さい"));
  EXPECT_EQ(d.nameFilters().size(), 2);
  EXPECT_EQ(d.selectedNameFilter(), QStringLiteral("全てのファイル (*.*)"));
  EXPECT_EQ(d.defaultSuffix(), QStringLiteral("nvu"));
}

TEST(QtDialogs, SaveReturnsTheChosenPathAsCp932) {
  nvtest::widgetsApp();
  nvtest::TempDir dir;
  nv::FileRequest r;
  r.filter = sj("NVデータファイル(*.nvu)|*.nvu");
  r.defaultExt = "nvu";
  r.initialDir = dir.path();
  r.fileName = sj("はなこ");
  QTimer::singleShot(0, [] {
    if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
      static_cast<QDialog*>(d)->accept();
  });
  nv::QtDialogs dialogs;
  std::string path;
  ASSERT_TRUE(dialogs.saveFile(r, path));
  EXPECT_EQ(path, dir.path() + "/" + sj("はなこ.nvu"));
}

TEST(QtDialogs, OpenTakesTheFolderPresetDefaultWhenTheFileNeedNotExist) {
  nvtest::widgetsApp();
  nvtest::TempDir dir;  // an empty folder: nothing to pick but the preset name
  nv::FileRequest r;
  r.filter = sj("画像ファイル(*.bmp)|*.bmp");
  r.initialDir = dir.path();
  r.fileName = "default";
  r.mustExist = false;
  QTimer::singleShot(0, [] {
    auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!d) return;
    // A refusal would come as a message of its own: closed, and the chooser given up.
    QTimer::singleShot(100, [] {
      QWidget* top = QApplication::activeModalWidget();
      if (top && !qobject_cast<QFileDialog*>(top)) top->close();
    });
    static_cast<QDialog*>(d)->accept();
    if (d->isVisible()) static_cast<QDialog*>(d)->reject();
  });
  nv::QtDialogs dialogs;
  std::string path;
  ASSERT_TRUE(dialogs.openFile(r, path));
  EXPECT_EQ(path, dir.path() + "/default");
}

// Colours cross the seam as Windows values (red in the low byte): a swapped order would turn
// every chosen colour's red into blue.
TEST(QtDialogs, ChooseColorKeepsTheWindowsByteOrder) {
  nvtest::widgetsApp();
  QColor offered;
  QTimer::singleShot(0, [&offered] {
    auto* d = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
    if (!d) return;
    offered = d->currentColor();
    d->setCurrentColor(QColor(0x01, 0x02, 0x03));
    d->accept();
  });
  nv::QtDialogs dialogs;
  int32_t chosen = 0;
  ASSERT_TRUE(dialogs.chooseColor(0x00123456, chosen));
  EXPECT_EQ(offered, QColor(0x56, 0x34, 0x12));
  EXPECT_EQ(chosen, 0x00030201);
}
