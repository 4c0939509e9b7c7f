#include "teacher/bentou_details_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include "../planner/planner_test_app.h"
#include "bento/model/bento_csv.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "teacher/change_file_name_form.h"
#include "teacher/reizouko_form.h"
#include "temp_dir.h"

using nv::sj;

namespace {

struct BuilderFixture {
  BuilderFixture() {
    nvtest::plannerApp();
    // NV.nvb from the bundled sources; pictures in a folder of their own.
    nvtest::writeBytes(dir.file("bento.csv"), nvtest::readBytes(NV_TEST_DATA_DIR "/bento.csv"));
    nvtest::ScriptedPrompt quiet;
    const std::string none = dir.file("nopictures");
    EXPECT_TRUE(nv::convertBentoCsv(NV_TEST_DATA_DIR "/foods.csv", dir.file("bento.csv"),
                                    dir.file("NV.nvb"), &none));
    QDir().mkpath(nv::toQ(dir.file("pics/daidokoro")));
    nvtest::writeBytes(dir.file("pics/ごはん.bmp"), "x");
    nvtest::writeBytes(dir.file("pics/ごはんs.bmp"), "x");  // the small picture is not listed
    nvtest::writeBytes(dir.file("pics/おにぎりー.bmp"), "x");
    nvtest::writeBytes(dir.file("NV.ini"), "[Bentoubako]\r\nReizoukoScrollBarStyle=2\r\n");
    settings.dataBaseFileName = dir.file("NV.nvb");
    settings.bmpFolder = dir.file("pics") + "/";
    settings.scrollBarStyle = 2;
    form = std::make_unique<nv::TBentouDetailsForm>(settings, dir.file("NV.ini"), nullptr);
    form->show();
  }
  QStringList items(QListWidget* list) const {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
  }
  nvtest::TempDir dir;
  nv::KitchenSettings settings = nv::KitchenSettings::defaults();
  std::unique_ptr<nv::TBentouDetailsForm> form;
};

}  // namespace

TEST(BentouDetailsForm, PictureCheckListsAndRename) {
  BuilderFixture f;
  nv::TBentouDetailsForm& d = *f.form;
  EXPECT_EQ(nv::fromQ(d.windowTitle()), sj("お弁当箱モードの詳細設定"));
  EXPECT_EQ(d.PageControl1->tabText(2), QString::fromUtf8("保存場所"));
  d.CheckKondateDataFileBtn->click();
  EXPECT_EQ(f.items(d.ListBox1), QStringList{QString::fromUtf8("おにぎりー")});
  EXPECT_TRUE(d.ListBox2->findItems(QString::fromUtf8("おにぎり"), Qt::MatchExactly).size() == 1);
  EXPECT_TRUE(d.ListBox2->findItems(QString::fromUtf8("ごはん"), Qt::MatchExactly).empty());

  d.ListBox1->setCurrentRow(0);
  nvtest::whenModal([](QWidget* w) {
    auto* rename = qobject_cast<nv::TChangeFileNameForm*>(w);
    ASSERT_NE(rename, nullptr);
    EXPECT_EQ(rename->OldName->text(), QString::fromUtf8("おにぎりー"));
    EXPECT_TRUE(rename->OldName->isReadOnly());
    rename->NewName->setText(QString::fromUtf8("おにぎり"));
    rename->OkBtn->click();
  });
  d.renamePicture();
  EXPECT_TRUE(nv::fileExists(f.dir.file("pics/おにぎり.bmp")));
  EXPECT_EQ(d.ListBox1->count(), 0);  // checked again
  EXPECT_TRUE(d.ListBox2->findItems(QString::fromUtf8("おにぎり"), Qt::MatchExactly).empty());
}

TEST(BentouDetailsForm, ThePreviewHandsBackWhereItWasMovedAndSized) {
  BuilderFixture f;
  nv::TBentouDetailsForm& d = *f.form;
  nv::ApplianceLayout pot = d.layoutOf(nv::LayoutSection::Pot);
  pot.iLeft = 100, pot.iTop = 50, pot.iRight = 200, pot.iBottom = 100;
  pot.raLeft = 20, pot.raTop = 10, pot.raRight = 180, pot.raBottom = 90;
  d.setLayout(nv::LayoutSection::Pot, pot);
  nvtest::whenModal([](QWidget* w) {
    auto* preview = qobject_cast<nv::TReizoukoForm*>(w);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->geometry(), QRect(100, 50, 200, 100));
    preview->setGeometry(130, 70, 400, 200);  // twice the size
    preview->accept();
  });
  d.showAppliance(nv::LayoutSection::Pot);
  const nv::ApplianceLayout back = d.layoutOf(nv::LayoutSection::Pot);
  EXPECT_EQ(back.iLeft, 130);
  EXPECT_EQ(back.iTop, 70);
  EXPECT_EQ(back.iRight, 400);
  EXPECT_EQ(back.iBottom, 200);
  EXPECT_EQ(back.raLeft, 40);
  EXPECT_EQ(back.raRight, 360);
  EXPECT_EQ(back.raBottom, 180);
}

TEST(BentouDetailsForm, CancelLeavesNvIniAloneAndOkWritesTheLayouts) {
  BuilderFixture f;
  const std::string before = nvtest::readBytes(f.dir.file("NV.ini"));
  nv::TBentouDetailsForm& d = *f.form;
  d.layouts[size_t(nv::LayoutSection::Oven)].columns->setValue(7);
  d.CancelBtn->click();
  EXPECT_EQ(nvtest::readBytes(f.dir.file("NV.ini")), before);

  nv::TBentouDetailsForm again(f.settings, f.dir.file("NV.ini"), nullptr);
  EXPECT_EQ(again.result().scrollBarStyle, 2);
  again.layouts[size_t(nv::LayoutSection::Oven)].columns->setValue(7);
  again.OkBtn->click();
  EXPECT_EQ(nv::readLayout(nv::Ini(f.dir.file("NV.ini")), nv::LayoutSection::Oven).maxCol, 7);
}

TEST(BentouDetailsForm, Screenshots) {
  const QString shots = qEnvironmentVariable("NV_SHOT_DIR");
  if (shots.isEmpty()) GTEST_SKIP() << "NV_SHOT_DIR not set";
  BuilderFixture f;
  nv::TBentouDetailsForm& d = *f.form;
  d.CheckKondateDataFileBtn->click();
  for (int page = 0; page < 3; ++page) {
    d.PageControl1->setCurrentIndex(page);
    QApplication::processEvents();
    d.grab().save(QDir(shots).filePath(QStringLiteral("bentou_details_tab%1.png").arg(page + 1)));
  }
  // Previews of the bundled rice cooker, shaped and not.
  QString dist = qEnvironmentVariable("NV_DIST_DIR");
  if (dist.isEmpty()) dist = QStringLiteral(NV_TEST_DATA_DIR "/../build/dist");
  const std::string cooker = nv::fromQ(dist) + sj("/bentou/daidokoro/おかま.bmp");
  for (bool shaped : {false, true}) {
    nv::TReizoukoForm preview(cooker, 0, shaped, f.dir.file("pics") + "/");
    preview.setTitle(sj("炊飯器"));
    preview.setPicture(QRect(50, 50, 300, 260));
    preview.setMain({40, 60, 260, 220}, 3, 2, {sj("ごはん"), sj("おにぎり")});
    preview.show();
    QApplication::processEvents();
    preview.grab().save(QDir(shots).filePath(shaped ? QStringLiteral("reizouko_preview_shaped.png")
                                                    : QStringLiteral("reizouko_preview.png")));
  }
}
