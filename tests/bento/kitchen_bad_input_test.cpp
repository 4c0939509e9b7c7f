// Crafted lunch boxes and pictures in the kitchen: names that leave the picture folder, a FIFO
// where a picture should be, dishes larger than the kitchen, many spellings of one picture,
// and an empty box saved.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImage>

#include "bento/kitchen_pictures.h"
#include "bento/selected_bentou_item.h"
#include "kitchen_fixture.h"
#include "platform/ini.h"
#include "platform/qt/qtext.h"
#include "scripted_prompt.h"

namespace {

using nvtest::KitchenTest;

void mkfifoAt(const std::string& cp932Path) {
  ASSERT_EQ(::mkfifo(nv::toFsPath(cp932Path).c_str(), 0600), 0);
}

void savePicture(const std::string& cp932Path, int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  ASSERT_TRUE(image.save(nv::toQ(cp932Path), "BMP"));
}

TEST_F(KitchenTest, CraftedBoxesShowTheirDishesAndNeverBlock) {
  nvtest::TempDir pictures;
  std::filesystem::create_directory(nv::toFsPath(pictures.file("bmp")));
  mkfifoAt(pictures.file("bmp/fifo.bmp"));
  mkfifoAt(pictures.file("bmp/fifos.bmp"));
  savePicture(pictures.file("secret.bmp"), 8, 8, Qt::red);
  nv::Ini ini(dir.file("NV.ini"));
  ini.writeString("Bentoubako", "BmpFolder", pictures.file("bmp/"));
  ASSERT_TRUE(ini.save());
  working();

  // A FIFO where the picture is, a name reaching out of the folder, and a dish twice the
  // kitchen's width: each shows as a labelled item no larger than the kitchen.
  const std::string path = dir.file("crafted.nvub");
  ASSERT_TRUE(nv::writeBentoSaveFile(path, profile, 1.0,
                                     {{"fifo", 10, 10, 50, 50},
                                      {"../secret", 60, 10, 50, 50},
                                      {nv::sj("ごはん"), 0, 0, 2048, 2048}})
                  .ok());
  ::alarm(30);  // a load blocked on the FIFO ends the test program instead of hanging it
  ASSERT_TRUE(form->loadFile(path));
  ::alarm(0);
  EXPECT_EQ(form->placedNames(), (nv::NameList{"fifo", "../secret", nv::sj("ごはん")}));
  for (const nv::TSelectedBentouItem* item : form->placedItems()) {
    EXPECT_LE(item->width(), form->width());
    EXPECT_LE(item->height(), form->height());
  }
  EXPECT_TRUE(form->dishImage(nv::dishPicturePath(pictures.file("bmp/"), "../secret")).isNull());
  if (const std::string shots = nvtest::shotFolder(); !shots.empty())
    form->grab().save(QString::fromStdString(shots + "/crafted_box.png"));

  // An empty box is not saved, and the child is told so.
  form->New();
  nvtest::ScriptedPrompt prompts;
  prompts.expectMessage("お弁当箱に何も入っていないので、保存しませんでした。");
  EXPECT_TRUE(form->Save());
  EXPECT_FALSE(form->document().isModified());
}

TEST(PictureCache, OneEntryPerFileAndABoundedSize) {
  nvtest::kitchenApp();
  nvtest::TempDir d;
  std::filesystem::create_directory(nv::toFsPath(d.file("sub")));
  savePicture(d.file("a.bmp"), 4, 4, Qt::blue);
  nv::PictureCache cache;
  for (const char* spelling : {"a.bmp", "./a.bmp", "sub/../a.bmp", "sub/.././/a.bmp"})
    EXPECT_FALSE(cache.transparent(d.file(spelling)).isNull()) << spelling;
  EXPECT_EQ(cache.size(), 1);

  // A FIFO is no picture and does not block.
  mkfifoAt(d.file("fifo.bmp"));
  ::alarm(30);
  EXPECT_TRUE(cache.transparent(d.file("fifo.bmp")).isNull());
  ::alarm(0);

  // Pictures of 9 MB each: the oldest go once the cache would pass its budget.
  for (int i = 0; i < 9; ++i) {
    const std::string name = d.file("big" + std::to_string(i) + ".bmp");
    savePicture(name, 1500, 1500, QColor(i * 20, 0, 0));
    EXPECT_EQ(cache.transparent(name).size(), QSize(1500, 1500));
    EXPECT_LE(cache.bytes(), nv::PictureCache::kBudgetBytes);
  }
  EXPECT_LT(cache.size(), 9);
}

}  // namespace
