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

#include "kitchen_fixture.h"

namespace {

class BentoPage : public nvtest::KitchenTest {
 protected:
  void fill() {
    working();
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
  std::vector<std::string> said;
  QImage page(3001, 2000, QImage::Format_RGB32);
  page.fill(Qt::white);
  QPainter p(&page);
  nv::paintBentoPage(p, page.size(), data, [&](const std::string& s) { said.push_back(s); });
  p.end();
  ASSERT_EQ(said.size(), 1 + 5 + 3 + 5 + 1u);
  EXPECT_EQ(said.front(), nv::sj("印刷開始"));
  EXPECT_EQ(said[1], nv::sj("お弁当の中：") + data.dishes[0].name);
  EXPECT_EQ(said[6], nv::sj("お弁当箱手前の印刷"));
  EXPECT_EQ(said[7], nv::sj("グラフの印刷"));
  EXPECT_EQ(said[8], nv::sj("おにぎりくん"));
  // The list starts with the top-most dish.
  EXPECT_EQ(said[9], nv::sj("一覧：") + data.dishes[4].name);
  EXPECT_EQ(said.back(), nv::sj("プリンターを閉じています"));
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

TEST_F(BentoPage, OnePageToPdfTiming) {
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
}

}  // namespace
