// The kitchen's graph, recipe hooks, browse mode and save files from other screens.
#include <QImage>
#include <QMenu>
#include <QPainter>

#include "bento/evaluation_graph.h"
#include "bento/kitchen_pictures.h"
#include "bento/qt_geometry.h"
#include "bento/selected_bentou_item.h"
#include "kitchen_fixture.h"
#include "scripted_prompt.h"

namespace {

using nv::KitchenArea;
using nv::LayoutSection;

struct FakeRecipes : nv::RecipePort {
  int books = 0, closes = 0;
  std::vector<std::string> shown;
  void openBook(nv::TBentoubakoForm&) override { ++books; }
  void closeBook() override { ++closes; }
  void showHowToMake(nv::TBentoubakoForm&, const std::string& dish) override {
    shown.push_back(dish);
  }
};

class KitchenViewsTest : public nvtest::KitchenTest {};

TEST(EvaluationGraph, BarsStopAtTheRightEdgeAndTheRedLineMarksOneHundredPercent) {
  nvtest::kitchenApp();
  std::vector<nv::GraphRow> rows(2);
  rows[0].label = "a";
  rows[0].ratio = 0.5;
  rows[0].percentText = "50%";
  rows[0].colorGroup = 1;
  rows[1].label = "b";
  rows[1].ratio = 3.0;
  rows[1].percentText = "300%";
  rows[1].colorGroup = 2;
  std::array<int32_t, 7> colors{};
  colors.fill(nv::kWinColorWhite);
  colors[1] = 255;       // red
  colors[2] = 16711680;  // blue
  QImage img(400, 100, QImage::Format_RGB32);
  img.fill(Qt::gray);
  QPainter p(&img);
  nv::paintEvaluationGraph(p, QRect(0, 0, 400, 100), 8, rows, colors);
  p.end();
  // The 100 % line: the red column right of the labels, in the half of the first row that
  // no bar reaches.
  int red = -1;
  for (int x = 399; x > 0 && red < 0; --x)
    if (img.pixelColor(x, 25) == QColor(Qt::red)) red = x;
  ASSERT_GT(red, 100);
  ASSERT_LT(red, 300);
  // The second bar runs past 200 % and stops at the right edge.
  EXPECT_EQ(img.pixelColor(red + 5, 75), QColor(Qt::blue));
  EXPECT_EQ(img.pixelColor(380, 60), QColor(Qt::blue));
  // The first ends halfway to the line.
  EXPECT_EQ(img.pixelColor(red - 2, 10), QColor(Qt::white));
}

// A name too long for its cell takes a second line instead of being cut.
TEST(DishPixmap, LongNamesTakeTwoLines) {
  nvtest::kitchenApp();
  const auto plateHeight = [](const QString& name) {
    const QImage img = nv::renderDishPixmap({}, QSize(80, 80), name, false, false, 12).toImage();
    int rows = 0;
    for (int y = 79; y >= 0 && qAlpha(img.pixel(2, y)) + qAlpha(img.pixel(40, y)) > 0; --y) ++rows;
    return rows;
  };
  QFont small;
  small.setBold(true);
  small.setPixelSize(9);  // two thirds of 12, the smallest a name is drawn
  const int line = QFontMetrics(small).height();
  EXPECT_LT(plateHeight(QString::fromUtf8("みかん")), 2 * line);
  EXPECT_EQ(plateHeight(QString::fromUtf8("ほうれんそうのごま和え")), 2 * line);
}

// The overview's words stay on the wall tiles, sized with the kitchen: on a 1920 x 1080
// screen at scale factors 1, 1.5 and 2 (a window of 1920 x 1080, 1280 x 720, 960 x 540) they
// lie where they lie at 1024 x 768, clear of the cupboard, the recipe book and the small box.
TEST_F(KitchenViewsTest, OverviewWordsFitTheWallAtEveryScale) {
  const auto relative = [](const nv::KitchenAreas& a, const QRect& r) {
    return QRectF(double(r.left() - a.originX) / a.layoutWidth,
                  double(r.top() - a.originY) / a.layoutHeight, double(r.width()) / a.layoutWidth,
                  double(r.height()) / a.layoutHeight);
  };
  make();
  const std::array<QRect, 2> design = form->overviewTextRects();
  const nv::KitchenAreas four3 = form->areas();
  for (QSize size : {QSize(1920, 1080), QSize(1280, 720), QSize(960, 540)}) {
    SCOPED_TRACE(size.width());
    make(size);
    const nv::KitchenAreas& a = form->areas();
    const QRect cupboard =
        nv::qRect(a.place(nv::scaledRect(nv::applianceDesignRect(KitchenArea::Cupboard), a.s)));
    const std::array<QRect, 2> lines = form->overviewTextRects();
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_TRUE(nv::qRect(a.layout()).contains(lines[i]));
      for (const QRect& other : {cupboard, nv::qRect(a.bookOverview), nv::qRect(a.smallBox)})
        EXPECT_FALSE(lines[i].intersects(other)) << i;
      const QRectF r = relative(a, lines[i]), d = relative(four3, design[i]);
      EXPECT_NEAR(r.top(), d.top(), 0.01) << i;
      EXPECT_NEAR(r.height(), d.height(), 0.01) << i;
      EXPECT_NEAR(r.center().x(), d.center().x(), 0.01) << i;
    }
  }
}

TEST_F(KitchenViewsTest, GraphMenuFlipsTheKindInTheGraphArea) {
  working();
  form->setShowGraph(true);
  const QPoint g = centreOf(form->areas().graph);
  clickKitchen(g, g, Qt::RightButton);
  EXPECT_TRUE(form->graphMenu()->isVisible());
  EXPECT_FALSE(nvtest::kitchenAction(*form, "グラフを６群で表示する")->isEnabled());
  EXPECT_TRUE(nvtest::kitchenAction(*form, "グラフを栄養素で表示する")->isEnabled());
  nvtest::kitchenAction(*form, "グラフを栄養素で表示する")->trigger();
  form->graphMenu()->hide();
  EXPECT_EQ(form->graphKind(), nv::GraphKind::Nutrients);
  // A left click there only closes the open appliance.
  form->openAppliance(LayoutSection::Oven);
  clickKitchen(g, g);
  EXPECT_EQ(form->applianceView(), nullptr);
}

TEST_F(KitchenViewsTest, RecipeBookAndHowToMakeGoThroughTheRecipePort) {
  FakeRecipes recipes;
  ports.recipes = &recipes;
  working();
  const QPoint book = centreOf(form->areas().bookWorking);
  clickKitchen(book, book);
  EXPECT_EQ(recipes.books, 1);

  // Browse mode: a click shows how the dish is made and adds nothing.
  form->openAppliance(LayoutSection::Refrigerator);
  nv::TReizouko& view = *form->applianceView();
  view.setBrowseMode(true);
  nv::TBentouItem* cell = view.cells()[0];
  send(cell, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  send(cell, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
  doubleClick(cell, {5, 5});  // one window for one double-click
  EXPECT_TRUE(form->placedNames().empty());
  EXPECT_EQ(recipes.shown.size(), 2u);
  EXPECT_EQ(recipes.shown[0], cell->dishName());
  view.setBrowseMode(false);
  doubleClick(cell, {5, 5});
  EXPECT_EQ(form->placedNames().size(), 1u);

  // Without recipe windows a plain message names the dish.
  const std::string dish = cell->dishName();
  ports.recipes = nullptr;
  working();
  nvtest::ScriptedPrompt prompts;
  prompts.expectMessage(nv::cp932ToUtf8(dish));
  form->showHowToMake(dish);
}

// A box saved on one screen opens on another with every dish in the box, in the same places
// relative to it.
TEST_F(KitchenViewsTest, BoxSavedAtOneSizeOpensInsideTheBoxAtAnother) {
  const std::string path = dir.file("taro.nvub");
  const auto relative = [&](const QRect& r) {
    const nv::KRect box = form->areas().largeBox;
    return QPointF(double(r.left() - box.left) / box.width(),
                   double(r.top() - box.top) / box.height());
  };
  std::vector<QPointF> places;
  {
    working();
    const nv::KRect box = form->areas().largeBox;
    for (const char* storage : {"炊飯器", "フライパン", "鍋"}) {
      nv::NameList names;
      form->kitchenData().dishesOfStorage(nv::sj(storage), names);
      form->addDishAtNextPlace(names.front());
    }
    form->addDish(nv::sj("卵焼き"), {box.left + box.width() / 2, box.bottom - 5});  // let go low
    for (auto* item : form->placedItems()) places.push_back(relative(item->geometry()));
    form->document().setFileName(path);
    ASSERT_TRUE(form->Save());
  }
  for (QSize size : {QSize(1920, 1080), QSize(1366, 768), QSize(1280, 800)}) {
    SCOPED_TRACE(size.width());
    working(size);
    ASSERT_TRUE(form->loadFile(path));
    const auto items = form->placedItems();
    ASSERT_EQ(items.size(), places.size());
    for (size_t i = 0; i < items.size(); ++i) {
      EXPECT_TRUE(keptInBox(items[i]->geometry())) << i;
      EXPECT_NEAR(relative(items[i]->geometry()).x(), places[i].x(), 0.01);
      EXPECT_NEAR(relative(items[i]->geometry()).y(), places[i].y(), 0.01);
    }
    EXPECT_FALSE(form->document().isModified());
  }
  // And back: saved on the wide screen, opened at 1024 x 768.
  form->document().setModified(true);
  ASSERT_TRUE(form->Save());
  working();
  ASSERT_TRUE(form->loadFile(path));
  for (auto* item : form->placedItems()) EXPECT_TRUE(keptInBox(item->geometry()));
}

TEST_F(KitchenViewsTest, OlderFilesFollowTheLayoutAndUnknownDishesStayLabelled) {
  nvtest::ScriptedPrompt prompts;
  nv::TKojinData child;
  child.setName(nv::sj("じろう"));
  nv::NameList rice;
  {
    working();
    form->kitchenData().dishesOfStorage(nv::sj("炊飯器"), rice);
    form.reset();
  }
  // Written on a 1024 x 768 screen; the second dish sank behind the rim there.
  const std::string path = dir.file("small.nvub");
  ASSERT_TRUE(nv::writeBentoSaveFile(
                  path, child, 1.0,
                  {{rice[0], 300, 500, 100, 80}, {nv::sj("もうないおかず"), 400, 650, 64, 64}})
                  .ok());
  working(QSize(1920, 1080));
  // Judging the opened box names the dish the data no longer has.
  prompts.expectMessage("料理名が見つかりませんでした:もうないおかず");
  ASSERT_TRUE(form->loadFile(path));
  ASSERT_EQ(form->placedItems().size(), 2u);
  // x 1.40625 and moved with the kitchen, which starts 240 pixels from the left.
  EXPECT_EQ(form->placedItems()[0]->geometry(), QRect(240 + 421, 703, 140, 112));
  EXPECT_EQ(form->placedItems()[1]->geometry(), QRect(240 + 562, 946 - 90, 90, 90));
  EXPECT_EQ(form->placedItems()[1]->toolTip().toStdString(), "もうないおかず");
  EXPECT_EQ(form->profile().name(), nv::sj("じろう"));
  EXPECT_FALSE(form->overviewMode());
  EXPECT_EQ(form->document().fileName(), path);
  // A damaged file leaves the box as it was.
  nvtest::writeBytes(dir.file("bad.nvub"), "x");
  prompts.expectBox(nv::cp932ToUtf8(dir.file("bad.nvub")), "お弁当のデータが壊れています",
                    nv::Icon::Warning);
  EXPECT_FALSE(form->loadFile(dir.file("bad.nvub")));
  EXPECT_EQ(form->placedItems().size(), 2u);
  EXPECT_EQ(form->document().fileName(), path);
}

}  // namespace
