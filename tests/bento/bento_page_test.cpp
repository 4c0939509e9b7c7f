// The printed lunch-box page composed from a kitchen with dishes: what it says while it is
// composed, what lands on paper, and how long one page takes.
#include "bento/bento_page.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <iterator>
#include <sstream>

#include "bento/kitchen_pictures.h"
#include "bento/kitchen_scene.h"
#include "bento/lunch_box_document.h"
#include "bento/model/bento_page_geometry.h"
#include "bento/model/bento_pictures.h"
#include "bento/selected_bentou_item.h"
#include "kitchen_fixture.h"
#include "platform/qt/qtext.h"

namespace {

class BentoPage : public nvtest::KitchenTest {
 protected:
  void fill(QSize size = QSize(1024, 768)) {
    working(size);
    const nv::KRect box = form->areas().largeBox;
    const int y = box.top + box.height() * 2 / 3;
    int i = 0;
    for (const char* storage : {"炊飯器", "フライパン", "鍋", "オーブン", "冷蔵庫"}) {
      nv::NameList names;
      form->kitchenData().dishesOfStorage(nv::sj(storage), names);
      form->addDish(names.front(), {box.left + box.width() * (1 + 2 * i) / 10, y});
      ++i;
    }
    form->computeGrade();
  }
};

TEST_F(BentoPage, StatusTextsFollowTheDrawingOrder) {
  fill();
  const nv::BentoPageData data = nv::bentoPageData(*form);
  ASSERT_EQ(data.dishes.size(), 5u);
  EXPECT_EQ(data.childName, nv::sj("host"));
  std::vector<QString> said;
  QImage page(3001, 2000, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter p(&page);
  nv::paintBentoPage(p, page.size(), data, [&](const QString& s) { said.push_back(s); });
  p.end();
  ASSERT_EQ(said.size(), 1 + 5 + 3 + 5 + 1u);
  EXPECT_EQ(said.front(), QString::fromUtf8("印刷開始"));
  EXPECT_EQ(said[1], QString::fromUtf8("お弁当の中：") + nv::toQ(data.dishes[0].name));
  EXPECT_EQ(said[6], QString::fromUtf8("お弁当箱手前の印刷"));
  EXPECT_EQ(said[7], QString::fromUtf8("グラフの印刷"));
  EXPECT_EQ(said[8], QString::fromUtf8("おにぎりくん"));
  // The list starts with the top-most dish.
  EXPECT_EQ(said[9], QString::fromUtf8("一覧：") + nv::toQ(data.dishes[4].name));
  EXPECT_EQ(said.back(), QString::fromUtf8("プリンターを閉じています"));
  // Something was drawn in the box's place and in the list's first cell.
  auto inked = [&](QRect r) {
    for (int y = r.top(); y <= r.bottom(); y += 3)
      for (int x = r.left(); x <= r.right(); x += 3)
        if (page.pixel(x, y) != qRgb(255, 255, 255)) return true;
    return false;
  };
  EXPECT_TRUE(inked(QRect(690 - 135 * 0 + 700, 1500, 600, 90)));  // the box above yb = 1595
  const int cell = std::min(2550 / 10, 405), margin = int((3001 - 5 * cell) * 0.5);
  EXPECT_TRUE(inked(QRect(margin, 1595, cell, cell)));
  EXPECT_FALSE(inked(QRect(0, 1595, margin - 1, 400)));
  if (!qEnvironmentVariable("NV_SHOT_DIR").isEmpty())
    page.save(QDir(qEnvironmentVariable("NV_SHOT_DIR")).filePath(QStringLiteral("page.png")));
}

// A kitchen on a 16:9 screen prints its dishes in the box, not above it.
TEST_F(BentoPage, DishesOfAWideKitchenLandInTheBox) {
  fill(QSize(1920, 1080));
  const nv::BentoPageData data = nv::bentoPageData(*form);
  QImage page(3001, 2000, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter p(&page);
  nv::paintBentoPage(p, page.size(), data);
  p.end();
  const nv::PageArea area = nv::pageArea(3001, 2000);
  const QImage boxPicture =
      nv::loadBmp(nv::kitchenPicturePath(data.bmpFolder, nv::KitchenPicture::Box));
  const nv::KRect box = nv::pageBoxRect(area, {boxPicture.width(), boxPicture.height()});
  ASSERT_GT(box.height(), 0);
  for (const nv::BentoPageDish& d : data.dishes) {
    const nv::KRect r = nv::pageDishRect(box, data.kitchenBox, d.rect);
    EXPECT_GE(r.left, box.left);
    EXPECT_LE(r.right, box.right);
    EXPECT_GT(r.bottom, box.top + box.height() / 4);
    EXPECT_LT(r.bottom, box.bottom);
  }
  // Between the graph and the box's top edge the page stays white.
  const QRect above(box.left + 50, 600, box.width() - 100, box.top - 610);
  for (int y = above.top(); y <= above.bottom(); y += 4)
    for (int x = above.left(); x <= above.right(); x += 4)
      ASSERT_EQ(page.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
}

// On paper the small pictures are as sharp as the printer: each is embedded at the page's
// resolution, not as a 64-pixel picture that the printer or viewer enlarges block by block.
TEST_F(BentoPage, OnePageToPdfIsSharpAndQuick) {
  fill();
  const nv::BentoPageData data = nv::bentoPageData(*form);
  std::vector<qint64> ms;
  for (int i = 0; i < 7; ++i) {
    QElapsedTimer t;
    t.start();
    QPdfWriter writer(QString::fromStdString(dir.path() + "/one.pdf"));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    writer.setResolution(300);
    ASSERT_TRUE(nv::printBentoPages(writer, {data}));
    ms.push_back(t.elapsed());
  }
  std::sort(ms.begin(), ms.end());
  std::printf("one lunch-box page to PDF: median %lld ms\n", static_cast<long long>(ms[3]));
  EXPECT_LT(ms[3], 2000);

  if (std::system("pdfimages -v > /dev/null 2>&1") != 0) return;
  std::istringstream list(nvtest::commandOutput("pdfimages -list '" + dir.path() + "/one.pdf'"));
  std::string line;
  int images = 0;
  while (std::getline(list, line)) {
    std::istringstream row(line);
    std::vector<std::string> f{std::istream_iterator<std::string>(row), {}};
    if (f.size() < 14 || f[2] != "image") continue;
    ++images;
    EXPECT_GE(std::stoi(f[12]), 250) << line;  // x-ppi on a 300 dpi page
  }
  EXPECT_GE(images, 7);  // box, front, rice ball and the dishes
}

// A saved box prints the same from its document in a window-free kitchen as from the kitchen
// window that opened it: placed, graded and graphed by the one kitchen code.
TEST_F(BentoPage, ADocumentPrintsAsTheKitchenWindowShowsIt) {
  nv::TKojinData saved;
  saved.setName(nv::sj("たろう"));
  const std::string path = dir.file("たろう.nvub");
  // Saved at another scale: the dishes move with the layout, one beside the box is brought
  // back into it, the drink stands on the coaster.
  ASSERT_TRUE(nv::writeBentoSaveFile(path, saved, 1.5,
                                     {{nv::sj("ごはん"), 420, 700, 150, 120},
                                      {nv::sj("いちご"), 30, 200, 90, 90},
                                      {nv::sj("牛乳"), 600, 800, 90, 120}})
                  .ok());
  const QSize size(1366, 768);
  make(size);
  ASSERT_TRUE(form->loadFile(path));
  form->setGraphKind(nv::GraphKind::Nutrients);
  const nv::BentoPageData shown = nv::bentoPageData(*form);

  nv::TKojinData child;
  nv::LunchBoxDocument box(child, nv::sj("host"));
  nv::KitchenScene scene;
  scene.layOut(size);
  scene.readSettingsAndData();
  ASSERT_TRUE(box.load(path, scene.areas.s,
                       [&](const nv::PlacedDishRecord& r) { return scene.placeStored(r); })
                  .ok());
  const nv::BentoPageData printed =
      nv::bentoPageData(box, scene, nv::GraphKind::Nutrients, gunName);

  EXPECT_EQ(printed.childName, nv::sj("たろう"));
  EXPECT_EQ(printed.bmpFolder, shown.bmpFolder);
  EXPECT_EQ(printed.kitchenBox, shown.kitchenBox);
  ASSERT_EQ(printed.dishes.size(), 3u);
  ASSERT_EQ(shown.dishes.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(printed.dishes[i].name, shown.dishes[i].name);
    EXPECT_EQ(printed.dishes[i].rect, shown.dishes[i].rect) << i;
    const QRect onScreen = form->placedItems()[i]->geometry();
    EXPECT_EQ(printed.dishes[i].rect, (nv::KRect{onScreen.left(), onScreen.top(),
                                                 onScreen.right() + 1, onScreen.bottom() + 1}));
  }
  EXPECT_GT(printed.dishes[0].rect.left, scene.areas.largeBox.left);  // moved with the layout
  EXPECT_EQ(printed.grade, shown.grade);
  EXPECT_EQ(printed.grade, form->grade());
  ASSERT_EQ(printed.graphRows.size(), shown.graphRows.size());
  for (size_t i = 0; i < printed.graphRows.size(); ++i) {
    EXPECT_EQ(printed.graphRows[i].label, shown.graphRows[i].label);
    EXPECT_EQ(printed.graphRows[i].percentText, shown.graphRows[i].percentText);
  }
  EXPECT_EQ(printed.groupColors, shown.groupColors);
}

}  // namespace
