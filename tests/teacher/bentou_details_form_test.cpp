#include "teacher/bentou_details_form.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include "../planner/planner_test_app.h"
#include "accessible_names.h"
#include "bento/model/bento_csv.h"
#include "bento/model/bento_data.h"
#include "bento/model/bento_data_file.h"
#include "core/food.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "shown.h"
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
    EXPECT_TRUE(nvtest::shown(nv::convertBentoCsv(
        NV_TEST_DATA_DIR "/foods.csv", dir.file("bento.csv"), dir.file("NV.nvb"), &none)));
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
  EXPECT_EQ(nvtest::controlsWithoutJapaneseNames(f.form.get()).join(u'\n').toStdString(), "");
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

TEST(BentouDetailsForm, ThePreviewShowsTheKitchensScaleAndHandsBackDesignNumbers) {
  BuilderFixture f;
  nv::TBentouDetailsForm& d = *f.form;
  nv::ApplianceLayout pot = d.layoutOf(nv::LayoutSection::Pot);
  pot.iLeft = 100, pot.iTop = 50, pot.iRight = 200, pot.iBottom = 100;
  pot.raLeft = 20, pot.raTop = 10, pot.raRight = 180, pot.raBottom = 90;
  d.setLayout(nv::LayoutSection::Pot, pot);
  // 1366 wide: a scale whose pixels do not divide back evenly. Left alone, nothing changes.
  d.setPreviewScale(1366 / 1024.0, QPoint(0, 0));
  nvtest::whenModal([](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
  d.showAppliance(nv::LayoutSection::Pot);
  EXPECT_EQ(d.layoutOf(nv::LayoutSection::Pot), pot);

  // 1920 wide on a screen right of another: where and as large as the kitchen draws it.
  d.setPreviewScale(1.875, QPoint(1024, 0));
  nvtest::whenModal([](QWidget* w) {
    auto* preview = qobject_cast<nv::TReizoukoForm*>(w);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->geometry(), QRect(1024 + 187, 93, 375, 187));
    EXPECT_TRUE(preview->windowTitle().contains(QString::fromUtf8("（表示倍率 1.88）")));
    preview->setGeometry(1024 + 244, 131, 750, 375);  // to (130, 70), twice the size
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

TEST(BentouDetailsForm, ShapedPreviewFollowsItsSizeAndTheToolWindowNamesEveryArea) {
  BuilderFixture f;
  // A white picture with a block in its middle: only the block belongs to the window.
  QImage picture(100, 50, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter(&picture).fillRect(25, 10, 50, 30, Qt::blue);
  ASSERT_TRUE(picture.save(nv::toQ(f.dir.file("pics/daidokoro/冷蔵庫２.bmp")), "BMP"));
  nv::TFoodData foods;
  nv::TDaidokoro kitchen;
  ASSERT_TRUE(
      nvtest::shown(nv::parseBentoData(nvtest::readBytes(f.dir.file("NV.nvb")), foods, kitchen)));
  nv::TBentouDetailsForm d(f.settings, f.dir.file("NV.ini"), &kitchen);
  d.setPreviewScale(1, QPoint(0, 0));
  const nv::ApplianceLayout fridge = d.layoutOf(nv::LayoutSection::Refrigerator);
  const nv::ApplianceLayout door = d.layoutOf(nv::LayoutSection::Door);

  d.CB_UseRegion->setChecked(true);
  nvtest::whenModal([](QWidget* w) {
    auto* preview = qobject_cast<nv::TReizoukoForm*>(w);
    ASSERT_NE(preview, nullptr);
    EXPECT_NE(preview->doorView(), nullptr);
    EXPECT_TRUE(preview->mask().contains(QPoint(212, 242)));
    EXPECT_FALSE(preview->mask().contains(QPoint(5, 5)));
    preview->resize(200, 484);
    EXPECT_TRUE(preview->mask().contains(QPoint(100, 242)));
    EXPECT_FALSE(preview->mask().contains(QPoint(160, 242)));  // no longer inside the block
    preview->resize(424, 484);
    preview->accept();
  });
  d.showAppliance(nv::LayoutSection::Refrigerator);
  EXPECT_EQ(d.layoutOf(nv::LayoutSection::Refrigerator), fridge);
  EXPECT_EQ(d.layoutOf(nv::LayoutSection::Door), door);

  d.CB_UseRegion->setChecked(false);
  nvtest::whenModal([](QWidget* w) {
    const QString caption = w->windowTitle();
    EXPECT_TRUE(caption.startsWith(QString::fromUtf8("冷蔵庫 "))) << caption.toStdString();
    EXPECT_TRUE(caption.contains(QString::fromUtf8(" 扉 5種類 L=2 T=26 W=98 H=322")))
        << caption.toStdString();
    static_cast<QDialog*>(w)->accept();
  });
  d.showAppliance(nv::LayoutSection::Refrigerator);
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
  const std::string oven = sj("[オーブン]") +
                           "\r\niLeft=526\r\niTop=1\r\niRight=506\r\niBottom=422\r\nraLeft=60\r\n"
                           "raTop=78\r\nraRight=417\r\nraBottom=326\r\nMaxCol=7\r\nMaxRaw=2\r\n"
                           "data=526,1,506,422,60,78,417,326,7,2\r\n";
  EXPECT_NE(nvtest::readBytes(f.dir.file("NV.ini")).find(oven), std::string::npos);

  // Resetting the positions shows the built-in layouts; CANCEL keeps what NV.ini holds.
  const std::string stored = nvtest::readBytes(f.dir.file("NV.ini"));
  const nv::ApplianceLayout builtIn = nv::defaultLayout(nv::LayoutSection::Oven);
  {
    nv::TBentouDetailsForm reset(f.settings, f.dir.file("NV.ini"), nullptr);
    reset.Btn_InitialBuhinPosition->click();
    EXPECT_EQ(reset.layoutOf(nv::LayoutSection::Oven), builtIn);
    EXPECT_EQ(nvtest::readBytes(f.dir.file("NV.ini")), stored);
    reset.CancelBtn->click();
  }
  EXPECT_EQ(nvtest::readBytes(f.dir.file("NV.ini")), stored);
  EXPECT_EQ(nv::readLayout(nv::Ini(f.dir.file("NV.ini")), nv::LayoutSection::Oven).maxCol, 7);
  nv::TBentouDetailsForm reset(f.settings, f.dir.file("NV.ini"), nullptr);
  reset.Btn_InitialBuhinPosition->click();
  reset.OkBtn->click();
  EXPECT_EQ(nv::readLayout(nv::Ini(f.dir.file("NV.ini")), nv::LayoutSection::Oven), builtIn);

  // A write-protected NV.ini: OK says the positions were not stored instead of doing nothing.
  ::chmod(nv::toFsPath(f.dir.file("NV.ini")).c_str(), 0444);
  nv::TBentouDetailsForm locked(f.settings, f.dir.file("NV.ini"), nullptr);
  locked.show();
  locked.layouts[size_t(nv::LayoutSection::Oven)].columns->setValue(5);
  nvtest::ScriptedPrompt p;
  p.expectBox(nv::cp932ToUtf8(f.dir.file("NV.ini")) + "\n" +
                  "上書きしようとしているファイルが書き込み禁止になっています。",
              "部品の位置を保存できません", nv::Icon::Stop);
  locked.OkBtn->click();
  EXPECT_EQ(locked.result().scrollBarStyle, 2);
  EXPECT_FALSE(locked.isVisible());
  EXPECT_EQ(nv::readLayout(nv::Ini(f.dir.file("NV.ini")), nv::LayoutSection::Oven), builtIn);
}

TEST(BentouDetailsForm, Screenshots) {
  const QString shots = qEnvironmentVariable("NV_SHOT_DIR");
  if (shots.isEmpty()) GTEST_SKIP() << "NV_SHOT_DIR not set";
  BuilderFixture f;
  QString dist = qEnvironmentVariable("NV_DIST_DIR");
  if (dist.isEmpty()) dist = QStringLiteral(NV_TEST_DATA_DIR "/../build/dist");
  // The bundled dishes and pictures, so that the refrigerator shows its door too.
  nv::TFoodData foods;
  nv::TDaidokoro kitchen;
  ASSERT_TRUE(
      nvtest::shown(nv::parseBentoData(nvtest::readBytes(f.dir.file("NV.nvb")), foods, kitchen)));
  nv::KitchenSettings settings = f.settings;
  settings.bmpFolder = nv::fromQ(dist) + "/bentou/";
  nv::TBentouDetailsForm d(settings, f.dir.file("NV.ini"), &kitchen);
  d.show();
  d.CheckKondateDataFileBtn->click();
  for (int page = 0; page < 3; ++page) {
    d.PageControl1->setCurrentIndex(page);
    QApplication::processEvents();
    d.grab().save(QDir(shots).filePath(QStringLiteral("bentou_details_tab%1.png").arg(page + 1)));
  }
  // A grab shows neither the caption nor the shape: the caption goes on a strip above, and
  // only the window's shape is painted over a grey backdrop.
  auto save = [&](nv::TReizoukoForm* w, const QString& name) {
    const QPixmap inside = w->grab();
    QImage out(std::max(inside.width(), 760), inside.height() + 24, QImage::Format_RGB32);
    out.fill(QColor(90, 90, 90));
    QPainter p(&out);
    p.setPen(Qt::white);
    p.drawText(QRect(4, 0, out.width() - 8, 24), Qt::AlignVCenter, w->windowTitle());
    if (!w->mask().isEmpty()) p.setClipRegion(w->mask().translated(0, 24));
    p.drawPixmap(0, 24, inside);
    p.end();
    out.save(QDir(shots).filePath(name));
  };
  for (bool shaped : {false, true}) {
    d.CB_UseRegion->setChecked(shaped);
    nvtest::whenModal([&](QWidget* w) {
      auto* preview = qobject_cast<nv::TReizoukoForm*>(w);
      ASSERT_NE(preview, nullptr);
      QApplication::processEvents();
      const QString base =
          shaped ? QStringLiteral("reizouko_preview_shaped") : QStringLiteral("reizouko_preview");
      save(preview, base + QStringLiteral(".png"));
      preview->resize(preview->width() * 3 / 4, preview->height());
      QApplication::processEvents();
      save(preview, base + QStringLiteral("_resized.png"));
      preview->accept();
    });
    d.showAppliance(nv::LayoutSection::Refrigerator);
  }
  d.PageControl1->setCurrentIndex(2);
  QApplication::processEvents();
  d.grab().save(QDir(shots).filePath(QStringLiteral("bentou_details_tab3_after_preview.png")));
}
