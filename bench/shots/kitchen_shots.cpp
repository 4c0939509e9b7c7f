// Pictures of the kitchen for people to look at: NV_SHOT_DIR names a folder; the pictures
// are not part of the checks.
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "bento/bento_page.h"
#include "bento/onigiri_bouya_form.h"
#include "kitchen_fixture.h"

namespace {

QString shotDir() { return qEnvironmentVariable("NV_SHOT_DIR"); }

class KitchenShots : public nvtest::KitchenTest {
 protected:
  void shoot(const char* name) {
    QApplication::processEvents();
    const QString file = QDir(shotDir()).filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
    EXPECT_TRUE(form->grab().save(file));
  }
  void run(QSize size) {
    const std::string tag = std::to_string(size.width()) + "x" + std::to_string(size.height());
    make(size);
    shoot((tag + "-overview").c_str());
    form->switchToWorkingView();
    shoot((tag + "-working").c_str());
    form->openAppliance(nv::LayoutSection::Refrigerator);
    shoot((tag + "-fridge-door").c_str());
    form->closeAppliance();
    const nv::KRect box = form->areas().largeBox;
    const int y = box.top + box.height() / 2;
    int i = 0;
    for (const char* storage : {"炊飯器", "フライパン", "鍋", "オーブン", "冷蔵庫"}) {
      nv::NameList names;
      form->kitchenData().dishesOfStorage(nv::sj(storage), names);
      form->addDish(names.front(), {box.left + box.width() * (1 + 2 * i) / 10, y});
      ++i;
    }
    // Two more added without a drop point, and one let go low in the box.
    for (const char* storage : {"戸棚", "冷凍庫"}) {
      nv::NameList names;
      form->kitchenData().dishesOfStorage(nv::sj(storage), names);
      form->addDishAtNextPlace(names.front());
    }
    form->addDish(nv::sj("卵焼き"), {box.left + box.width() / 2, box.bottom - 5});
    // The keyboard's frame: on an appliance, then on a dish in the box.
    for (int k = 0; k < 4; ++k) key(form.get(), Qt::Key_Tab);
    shoot((tag + "-keyboard-focus-cupboard").c_str());
    for (int k = 0; k < 5; ++k) key(form.get(), Qt::Key_Tab);
    shoot((tag + "-keyboard-focus-dish").c_str());
    form->setShowGraph(true);
    shoot((tag + "-dishes-groups").c_str());
    form->setGraphKind(nv::GraphKind::Nutrients);
    form->openAppliance(nv::LayoutSection::Cupboard);
    shoot((tag + "-dishes-nutrients-cupboard").c_str());
    // The printed page of this kitchen, A4 landscape at 150 dpi.
    QImage page(1754, 1240, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(5906);
    page.setDotsPerMeterY(5906);
    QPainter p(&page);
    nv::paintBentoPage(p, page.size(), nv::bentoPageData(*form));
    p.end();
    EXPECT_TRUE(page.save(QDir(shotDir()).filePath(QString::fromStdString(tag + "-page.png"))));
    // And on paper, as the print dialog's PDF file gets it.
    QPdfWriter pdf(QDir(shotDir()).filePath(QString::fromStdString(tag + "-page.pdf")));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    pdf.setResolution(300);
    EXPECT_TRUE(nv::printBentoPages(pdf, {nv::bentoPageData(*form)}));
    form->setModified(false);
  }
};

TEST_F(KitchenShots, SmallAndWideScreens) {
  if (shotDir().isEmpty()) GTEST_SKIP() << "NV_SHOT_DIR not set";
  run(QSize(1024, 768));
  run(QSize(1366, 768));
  run(QSize(1920, 1080));
  // What a 1920 x 1080 screen at a scale factor of 2 gives the window (run with
  // QT_SCALE_FACTOR=2 to see its real pixels).
  run(QSize(960, 540));
}

// The rice ball of each grade and of the full box where it stands over the kitchen: the
// windows are separate on the screen, so the picture lays the ball's masked window over the
// kitchen's.
TEST_F(KitchenShots, RiceBallOverTheKitchen) {
  if (shotDir().isEmpty()) GTEST_SKIP() << "NV_SHOT_DIR not set";
  for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)}) {
    working(size);
    nv::NameList names;
    form->kitchenData().dishesOfStorage(nv::sj("炊飯器"), names);
    form->addDish(names.front(), centreOf(form->areas().largeBox));
    nv::RiceBall ball;
    for (const int mood : {0, 1, 2, 3, 10}) {
      ball.show(*form, mood);
      nv::TOnigiriBouyaForm* w = ball.window();
      ASSERT_NE(w, nullptr);
      QApplication::processEvents();
      QImage shot = form->grab().toImage();
      QPainter p(&shot);
      p.setClipRegion(w->mask().translated(w->pos()));
      p.drawPixmap(w->pos(), w->grab());
      p.end();
      const QString name = QStringLiteral("riceball-%1x%2-mood%3.png")
                               .arg(size.width())
                               .arg(size.height())
                               .arg(mood);
      EXPECT_TRUE(shot.save(QDir(shotDir()).filePath(name)));
    }
    ball.close();
    form->setModified(false);
    form.reset();
  }
}

}  // namespace
