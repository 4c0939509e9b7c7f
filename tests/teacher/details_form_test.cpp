#include "teacher/details_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

#include "../planner/planner_test_app.h"
#include "core/kondate_data.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
#include "teacher/model/bmp_image.h"
#include "temp_dir.h"

using nv::sj;

namespace {

nv::DetailsSettings sample(const nvtest::TempDir& dir) {
  nv::DetailsSettings s;
  s.dataBaseFileName = dir.file("NV.nv");
  s.addKondateFileName = dir.file("NV_ADD.nv");
  s.bmpFolder = dir.file("bmp") + "/";
  s.meals = {{sj("朝食"), 16777113},
             {sj("昼食"), 16702936},
             {sj("夕食"), 12910591},
             {sj("１日分"), 10533116}};
  s.gunColors = {255, 65535, 65280, 16776960, 16711680, 16711935};
  s.kaitenShuuki = 180;
  return s;
}

struct FormFixture {
  FormFixture() {
    nvtest::plannerApp();
    form = std::make_unique<nv::TDetailsForm>(sample(dir));
    form->setOpenDocument([this](const std::string& p) { opened.push_back(p); });
    form->setDotsPerInch(96);
    form->show();
  }
  nvtest::TempDir dir;
  std::vector<std::string> opened;
  std::unique_ptr<nv::TDetailsForm> form;
};

nv::RgbImage picture(int w, int h) {
  nv::RgbImage im;
  im.width = w;
  im.height = h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      im.rgb.insert(im.rgb.end(), {uint8_t(x * 255 / w), uint8_t(y * 255 / h), uint8_t(90)});
  return im;
}

}  // namespace

TEST(DetailsForm, OpensWithTheValuesAndOkDisabledUntilAChange) {
  FormFixture f;
  nv::TDetailsForm& d = *f.form;
  EXPECT_EQ(nv::fromQ(d.windowTitle()), sj("詳細設定"));
  ASSERT_EQ(d.PageControl1->count(), 4);
  EXPECT_EQ(d.PageControl1->tabText(3), QString::fromUtf8("環境"));
  EXPECT_FALSE(d.OkBtn->isEnabled());
  EXPECT_EQ(d.FileName2->text(), d.FileName->text());
  EXPECT_FALSE(d.FileName->isEnabled());
  EXPECT_EQ(d.KaitenGroup->title(), QString::fromUtf8("回転寿司での１周に要する時間（180秒）"));
  EXPECT_EQ(d.KondateIconSize->maximum(), 400);
  EXPECT_EQ(d.KondateIconSize->singleStep(), 4);
  EXPECT_EQ(d.SelIconSize->maximum(), 200);
  EXPECT_EQ(d.FontSize->minimum(), 6);
  EXPECT_EQ(d.FontSize->maximum(), 72);
  EXPECT_EQ(d.TB_KaitenShuuki->minimum(), 30);
  EXPECT_EQ(d.TB_KaitenShuuki->pageStep(), 5);
  ASSERT_EQ(d.mealColorButtons.size(), 4u);
  EXPECT_EQ(d.mealColorButtons[3]->text(), QString::fromUtf8("１日分の背景色"));
  EXPECT_EQ(d.result().settings, sample(f.dir));  // untouched: the same values back
  EXPECT_FALSE(d.result().reloadData());

  d.TB_KaitenShuuki->setValue(200);
  EXPECT_EQ(d.KaitenGroup->title(), QString::fromUtf8("回転寿司での１周に要する時間（200秒）"));
  EXPECT_TRUE(d.OkBtn->isEnabled());
  EXPECT_EQ(d.result().settings.kaitenShuuki, 200);
}

TEST(DetailsForm, ColourButtonsFollowTheTabWidth) {
  FormFixture f;
  nv::TDetailsForm& d = *f.form;
  d.PageControl1->setCurrentIndex(3);
  d.TabSheet4->resize(640, 400);
  EXPECT_EQ(d.mealColorButtons[1]->geometry(), QRect(10 + 156, 106, 150, 47));
  EXPECT_EQ(d.GunColor[1]->x(), 114);
  EXPECT_EQ(d.GunColor[5]->width(), 100);
  EXPECT_EQ(d.SetAddKondateFileNameBtn->geometry().right() + 1, 640 - 4);

  nvtest::ScriptedDialogs dialogs;
  dialogs.expectColor(123456).expectCancel(nvtest::DialogCall::Color);
  d.mealColorButtons[2]->click();
  EXPECT_EQ(dialogs.calls()[0].initialColor, 12910591);
  d.GunColor[0]->click();  // cancelled: nothing changes
  EXPECT_EQ(d.result().settings.meals[2].color, 123456);
  EXPECT_EQ(d.result().settings.gunColors[0], 255);
  EXPECT_TRUE(d.OkBtn->isEnabled());
}

TEST(DetailsForm, ChoosersAskWithTheirTitlesAndMarkWhatChanged) {
  FormFixture f;
  nv::TDetailsForm& d = *f.form;
  nvtest::ScriptedDialogs dialogs;
  dialogs.expectOpen("/school/csv/foods.csv")
      .expectOpen("/school/my.nv")
      .expectOpen("/school/pics/default");
  d.SetFoodDataFile1Btn->click();
  const nv::FileRequest& food = dialogs.calls()[0].request;
  EXPECT_EQ(food.title, sj("食品ファイルの元になるファイルを指定して下さい"));
  EXPECT_EQ(food.filter, sj("食品ファイル(*.csv)|*.csv"));
  EXPECT_EQ(food.defaultExt, "csv");
  EXPECT_EQ(food.initialDir, nv::programFolder());  // empty value: the program's folder
  EXPECT_EQ(d.FoodDataFile->text(), QStringLiteral("/school/csv/foods.csv"));
  EXPECT_TRUE(d.OkBtn->isEnabled());
  EXPECT_FALSE(d.result().reloadData());

  d.SetAddKondateFileNameBtn->click();
  const nv::FileRequest& add = dialogs.calls()[1].request;
  EXPECT_EQ(add.filter, sj("献立ファイル(*.nv)|*.nv"));
  EXPECT_EQ(add.initialDir, f.dir.path());
  EXPECT_EQ(add.fileName, "NV_ADD.nv");
  EXPECT_TRUE(d.result().addFileChanged);

  d.SelTargetBmpFolderBtn->click();
  const nv::FileRequest& pics = dialogs.calls()[2].request;
  EXPECT_EQ(pics.title, sj("画像ファイルの保存先を指定して下さい"));
  EXPECT_EQ(pics.fileName, "default");
  EXPECT_EQ(d.TargetBmpFolder->text(), QStringLiteral("/school/pics/"));
  EXPECT_TRUE(d.result().bmpFolderChanged);
  EXPECT_EQ(d.result().settings.bmpFolder, "/school/pics/");
}

TEST(DetailsForm, TheAddedDishFileIsNeverTheDataFileOrAnotherKindOfFile) {
  FormFixture f;
  nv::TDetailsForm& d = *f.form;
  nvtest::writeBytes(f.dir.file("NV.nv"), "Nuvelta Food Data");  // the data file
  nvtest::writeBytes(f.dir.file("memo.nv"), "not dish data");
  nvtest::ScriptedDialogs dialogs;
  dialogs.expectOpen(nv::cp932ToUtf8(f.dir.file("NV.nv")))
      .expectOpen(nv::cp932ToUtf8(f.dir.file("memo.nv")))
      .expectOpen(nv::cp932ToUtf8(f.dir.file("新しい.nv")));
  {
    nvtest::ScriptedPrompt p;
    p.expectBox(nv::cp932ToUtf8(f.dir.file("NV.nv")),
                "データファイル（NV.nv）は追加献立ファイルにできません", nv::Icon::Stop);
    p.expectBox(nv::cp932ToUtf8(f.dir.file("memo.nv")),
                "追加献立のデータではないファイルは追加献立ファイルにできません", nv::Icon::Stop);
    d.SetAddKondateFileNameBtn->click();
    d.SetAddKondateFileNameBtn->click();
  }
  EXPECT_EQ(nv::fromQ(d.AddKondateFileName->text()), f.dir.file("NV_ADD.nv"));
  EXPECT_FALSE(d.result().addFileChanged);
  EXPECT_FALSE(d.OkBtn->isEnabled());
  // A file still to be made is a fine choice: the chooser must let it be named.
  d.SetAddKondateFileNameBtn->click();
  EXPECT_FALSE(dialogs.calls()[2].request.mustExist);
  EXPECT_EQ(nv::fromQ(d.AddKondateFileName->text()), f.dir.file("新しい.nv"));
  EXPECT_TRUE(d.result().addFileChanged);

  // Named by hand in NV.ini all the same, the data file is not written over.
  nv::TKondateData dishes;
  nvtest::ScriptedPrompt p;
  dishes.findOrAppendOrder(sj("ごはん")).added.push_back(nv::TKondate::make(100001, sj("x")));
  dishes.setModified(true);
  p.expectBox(nv::cp932ToUtf8(f.dir.file("NV.nv")) +
                  "\n\nこのファイルは追加献立のデータではないため、上書きしません。",
              "追加献立ファイルに書き込めません", nv::Icon::Stop);
  EXPECT_FALSE(dishes.writeAddFile(f.dir.file("NV.nv")));
  EXPECT_EQ(nvtest::readBytes(f.dir.file("NV.nv")), "Nuvelta Food Data");
  EXPECT_TRUE(dishes.modified());
}

TEST(DetailsForm, AnInstalledProgramConvertsIntoTheUsersDataFolderAndSaysSo) {
  FormFixture f;
  nvtest::TempDir program, dataHome;
  const std::string previous = nv::programFolder();
  nv::setProgramFolder(program.path());
  nvtest::writeBytes(program.file("packaged"), "x\n");
  const QByteArray oldData = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dataHome.path()));
  nv::DetailsSettings s = sample(f.dir);
  s.dataBaseFileName = program.file("NV.nv");
  nv::TDetailsForm d(s);
  d.show();
  d.FoodDataFile->setText(QStringLiteral(NV_TEST_DATA_DIR "/foods.csv"));
  nvtest::writeBytes(f.dir.file("dishes.csv"), nvtest::readBytes(NV_TEST_DATA_DIR "/dishes.csv"));
  d.KondateDataFile->setText(nv::toQ(f.dir.file("dishes.csv")));
  const std::string converted = dataHome.path() + "/Nuvelta/NV.nv";
  {
    nvtest::ScriptedPrompt p;
    p.expectBox(nv::cp932ToUtf8(converted), "変換したデータファイルは次の場所に保存しました",
                nv::Icon::Information);
    d.TransBtn->click();
  }
  EXPECT_TRUE(nv::fileExists(converted));
  EXPECT_FALSE(nv::fileExists(program.file("NV.nv")));
  EXPECT_EQ(nv::fromQ(d.FileName->text()), converted);
  EXPECT_EQ(d.result().settings.dataBaseFileName, converted);
  EXPECT_TRUE(d.result().fileNameChanged);
  if (oldData.isNull())
    qunsetenv("XDG_DATA_HOME");
  else
    qputenv("XDG_DATA_HOME", oldData);
  nv::setProgramFolder(previous);
}

TEST(DetailsForm, ConversionAndCheck) {
  FormFixture f;
  nv::TDetailsForm& d = *f.form;
  d.FoodDataFile->setText(QStringLiteral(NV_TEST_DATA_DIR "/foods.csv"));
  d.KondateDataFile->setText(nv::toQ(f.dir.file("missing.csv")));
  {
    nvtest::ScriptedPrompt p;
    p.expectBox(nv::cp932ToUtf8(f.dir.file("missing.csv")), "ファイルを読み込めません",
                nv::Icon::Stop);
    d.TransBtn->click();
  }
  EXPECT_GT(d.ListView1->topLevelItemCount(), 300);
  EXPECT_EQ(d.ListView2->topLevelItemCount(), 0);
  EXPECT_FALSE(nv::fileExists(f.dir.file("NV.nv")));
  EXPECT_FALSE(d.OkBtn->isEnabled());

  nvtest::writeBytes(f.dir.file("dishes.csv"), nvtest::readBytes(NV_TEST_DATA_DIR "/dishes.csv"));
  d.KondateDataFile->setText(nv::toQ(f.dir.file("dishes.csv")));
  nvtest::ScriptedPrompt p;
  d.CheckKondateDataFileBtn->click();
  EXPECT_FALSE(nv::fileExists(f.dir.file("NV.nv")));  // a check writes nothing
  EXPECT_EQ(f.opened, std::vector<std::string>{f.dir.file("dishes.txt")});
  d.TransBtn->click();
  EXPECT_TRUE(nv::fileExists(f.dir.file("NV.nv")));
  EXPECT_EQ(d.ListView2->topLevelItemCount(), 240);
  EXPECT_TRUE(d.OkBtn->isEnabled());
  EXPECT_TRUE(d.result().fileNameChanged);

  d.ShowBdFileBtn->click();
  EXPECT_EQ(d.ListView4->topLevelItemCount(), 240);
  EXPECT_EQ(d.KondateLabel->text(), QString::fromUtf8("献立数：240"));
  EXPECT_EQ(d.ListView3->columnCount(), 14);
}

TEST(DetailsForm, PictureConversionShrinksReportsSkippedFilesAndEnablesOk) {
  FormFixture f;
  nv::TDetailsForm& d = *f.form;
  nvtest::TempDir src;
  ASSERT_TRUE(QDir().mkpath(nv::toQ(f.dir.file("bmp"))));
  nvtest::writeBytes(src.file("ぶどう.bmp"), nv::writeBmp24(picture(400, 200)));
  nvtest::writeBytes(src.file("damaged.bmp"), "BM broken");
  d.SourceBmpFolder->setText(nv::toQ(src.path()));
  {
    nvtest::ScriptedPrompt p;
    p.expectBox("damaged.bmp（画像の形式が読み取れません）\n",
                "変換できなかった画像ファイルがあります", nv::Icon::Warning);
    d.Button3->click();
  }
  EXPECT_EQ(d.TransLabel->text(), QString::fromUtf8("処理ファイル：ぶどう.bmp"));
  EXPECT_TRUE(d.OkBtn->isEnabled());
  // Another reader sees the 8-bit picture at 112 x 56, close to the original.
  QImage shrunk(nv::toQ(f.dir.file("bmp/ぶどう.bmp")));
  ASSERT_FALSE(shrunk.isNull());
  EXPECT_EQ(shrunk.size(), QSize(112, 56));
  EXPECT_EQ(shrunk.depth() == 8 || shrunk.format() == QImage::Format_Indexed8, true);
  const QColor mid = shrunk.pixelColor(56, 28);
  EXPECT_NEAR(mid.red(), 127, 12);
  EXPECT_NEAR(mid.green(), 127, 12);

  nvtest::ScriptedPrompt p;  // unchanged: the damaged file is copied, nothing skipped
  d.Button1->click();
  EXPECT_EQ(QImage(nv::toQ(f.dir.file("bmp/ぶどう.bmp"))).size(), QSize(400, 200));
  EXPECT_EQ(nvtest::readBytes(f.dir.file("bmp/damaged.bmp")), "BM broken");
}

TEST(DetailsForm, PlacementIsKeptWithThePage) {
  FormFixture f;
  nv::TDetailsForm& d = *f.form;
  nv::DetailsPlacement p;
  p.left = 30, p.top = 40, p.width = 700, p.height = 500, p.stored = true, p.page = 2;
  nv::placeDetailsForm(d, p);
  EXPECT_EQ(d.PageControl1->currentIndex(), 2);
  const nv::DetailsPlacement back = nv::detailsPlacementOf(d);
  EXPECT_EQ(back.width, 700);
  EXPECT_EQ(back.page, 2);
  p.page = 9;  // a page that does not exist opens the first
  nv::placeDetailsForm(d, p);
  EXPECT_EQ(d.PageControl1->currentIndex(), 0);

  // Stored on a larger screen: placed on this one whole, OK and CANCEL within reach.
  p.left = 1300, p.top = 700, p.width = 666, p.height = 484;
  nv::placeDetailsForm(d, p);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(screen.contains(d.geometry())) << d.geometry().x() << "," << d.geometry().y();
  p.left = -2000, p.width = 4000;
  nv::placeDetailsForm(d, p);
  EXPECT_TRUE(screen.contains(d.geometry()));
}

TEST(DetailsForm, Screenshots) {
  const QString dir = qEnvironmentVariable("NV_SHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "NV_SHOT_DIR not set";
  FormFixture f;
  nv::TDetailsForm& d = *f.form;
  d.FoodDataFile->setText(QStringLiteral(NV_TEST_DATA_DIR "/foods.csv"));
  nvtest::writeBytes(f.dir.file("dishes.csv"), nvtest::readBytes(NV_TEST_DATA_DIR "/dishes.csv"));
  d.KondateDataFile->setText(nv::toQ(f.dir.file("dishes.csv")));
  nvtest::ScriptedPrompt p;
  d.TransBtn->click();
  d.ShowBdFileBtn->click();
  d.SourceBmpFolder->setText(QStringLiteral("/home/teacher/photos/"));
  for (int page = 0; page < 4; ++page) {
    d.PageControl1->setCurrentIndex(page);
    QApplication::processEvents();
    EXPECT_TRUE(
        d.grab().save(QDir(dir).filePath(QStringLiteral("details_form_tab%1.png").arg(page + 1))));
  }
}
