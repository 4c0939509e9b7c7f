// The kitchen played with the keyboard alone: a focused cell's dish into the box, and the whole
// game from the start screen to the judgement, every step a key sent where the focus is.
#include <QKeyEvent>

#include "bento/selected_bentou_item.h"
#include "kitchen_fixture.h"
#include "planner/get_jidoumei_form.h"

namespace {

using nv::KitchenArea;
using nv::LayoutSection;

class KitchenKeyboardTest : public nvtest::KitchenTest {};

TEST_F(KitchenKeyboardTest, KeyboardAddsTheFocusedCell) {
  working();
  form->openAppliance(LayoutSection::RiceCooker);
  nv::TBentouItem* cell = form->applianceView()->cells()[1];
  cell->setFocus();
  key(cell, Qt::Key_Return);
  EXPECT_EQ(form->placedNames(), nv::NameList{cell->dishName()});
  // Double-clicks add too, each dish at the next free place of the box: none on another,
  // left to right.
  doubleClick(cell, {5, 5});
  doubleClick(form->applianceView()->cells()[0], {5, 5});
  ASSERT_EQ(form->placedNames().size(), 3u);
  const auto items = form->placedItems();
  for (size_t i = 0; i < items.size(); ++i) {
    EXPECT_TRUE(keptInBox(items[i]->geometry())) << i;
    for (size_t j = 0; j < i; ++j)
      EXPECT_FALSE(items[i]->geometry().intersects(items[j]->geometry())) << i << " on " << j;
  }
  EXPECT_GT(items[2]->x(), items[1]->x());
}

// The whole game without a mouse: start, the box, the name, the refrigerator, a dish, the
// dishes in the box, the judgement; every step a key, sent where the keyboard focus is.
TEST_F(KitchenKeyboardTest, KeyboardPlaysTheWholeGame) {
  struct Judge : nv::ResultPort {
    int shown = 0;
    void showResult(nv::TBentoubakoForm&) override { ++shown; }
    void showPreview(nv::TBentoubakoForm&) override {}
  } judge;
  ports.result = &judge;
  make();
  form->profileDialog = [](nv::TKojinData& k, QWidget* parent) {
    return nv::editProfile(k, parent);
  };
  // Keys go where the keyboard focus is: the dialog on top, else the kitchen.
  const auto focused = [&] {
    QWidget* top = QApplication::activeModalWidget();
    if (!top) top = form.get();
    if (!top->focusWidget()) {
      top->activateWindow();
      QApplication::processEvents();
    }
    return top->focusWidget() ? top->focusWidget() : top;
  };
  const auto press = [&](int k, Qt::KeyboardModifiers m = Qt::NoModifier) { key(focused(), k, m); };
  using F = nv::KitchenFocus;
  const auto frameShown = [&](const nv::KRect& r) {
    const QImage shot = form->grab().toImage();
    return shot.pixelColor(r.left + r.width() / 2, std::max(r.top, 2)) == QColor(255, 110, 0);
  };

  // The overview: the small box first, Tab and the arrows go round, no frame before a key.
  EXPECT_EQ(form->keyFocus(), F::of(KitchenArea::SmallBox));
  EXPECT_FALSE(frameShown(form->areas().smallBox));
  press(Qt::Key_Tab);
  EXPECT_EQ(form->keyFocus(), F::of(KitchenArea::RecipeBook));
  press(Qt::Key_Right);
  EXPECT_EQ(form->keyFocus().kind, F::Kind::Exit);
  press(Qt::Key_Right);
  press(Qt::Key_Backtab, Qt::ShiftModifier);
  press(Qt::Key_Up);
  press(Qt::Key_Down);
  EXPECT_EQ(form->keyFocus().kind, F::Kind::Exit);
  press(Qt::Key_Tab);
  EXPECT_EQ(form->keyFocus(), F::of(KitchenArea::SmallBox));
  EXPECT_TRUE(frameShown(form->areas().smallBox));

  // Enter: the name dialog, typed and confirmed with keys.
  nvtest::whenModal([&](QWidget*) {
    press(Qt::Key_A, Qt::ControlModifier);  // over the name it offers
    for (const QString& c : {QStringLiteral("た"), QStringLiteral("ろ"), QStringLiteral("う")}) {
      QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, c);
      QApplication::sendEvent(focused(), &e);
    }
    press(Qt::Key_Return);
  });
  press(Qt::Key_Return);
  ASSERT_FALSE(form->overviewMode());
  EXPECT_EQ(form->profile().name(), nv::sj("たろう"));

  // The working view: the arrows walk the appliances to the refrigerator; Enter opens it and
  // its first dish has the focus.
  while (form->keyFocus() != F::of(KitchenArea::Refrigerator)) {
    press(Qt::Key_Right);
    ASSERT_NE(form->keyFocus().kind, F::Kind::RiceBall) << "the refrigerator was skipped";
  }
  EXPECT_TRUE(frameShown(form->areas().appliance(KitchenArea::Refrigerator)));
  // A screen reader hears what the painted appliance is and what Enter does.
  EXPECT_EQ(form->accessibleDescription(),
            QString::fromUtf8("冷蔵庫：Enterで開いて、中の料理を見ます"));
  press(Qt::Key_Return);
  ASSERT_NE(form->applianceView(), nullptr);
  EXPECT_EQ(form->openSection(), LayoutSection::Refrigerator);
  const auto& cells = form->applianceView()->cells();
  EXPECT_EQ(form->focusWidget(), cells[0]);
  press(Qt::Key_Return);  // adds the focused dish
  press(Qt::Key_Tab);
  EXPECT_EQ(form->focusWidget(), cells[1]);
  press(Qt::Key_Return);
  ASSERT_EQ(form->placedNames(), (nv::NameList{cells[0]->dishName(), cells[1]->dishName()}));
  // Every control of the kitchen has a name; the dishes say what Enter does with them.
  EXPECT_EQ(nvtest::unnamedControls(form.get()), std::vector<std::string>{});
  EXPECT_EQ(cells[0]->accessibleDescription(), QString::fromUtf8("Enterでお弁当箱に入れます"));
  EXPECT_FALSE(form->placedItems()[0]->accessibleDescription().isEmpty());

  // Escape: back in the kitchen on the refrigerator; Tab reaches the dishes in the box.
  press(Qt::Key_Escape);
  EXPECT_EQ(form->applianceView(), nullptr);
  EXPECT_EQ(form->focusWidget(), form.get());
  EXPECT_EQ(form->keyFocus(), F::of(KitchenArea::Refrigerator));
  press(Qt::Key_Tab);  // the freezer
  press(Qt::Key_Tab);
  const auto items = form->placedItems();
  EXPECT_EQ(form->keyFocus(), F::dish(items[0]->Serial()));
  EXPECT_TRUE(form->dishHasKeyFocus(items[0]->Serial()));
  // The arrows move the dish with the focus, and keep it in the box.
  const QPoint at = items[0]->pos();
  press(Qt::Key_Right);
  press(Qt::Key_Down);
  EXPECT_GT(items[0]->x(), at.x());
  EXPECT_GE(items[0]->y(), at.y());
  for (int i = 0; i < 100; ++i) press(Qt::Key_Down);
  EXPECT_TRUE(keptInBox(items[0]->geometry()));
  EXPECT_EQ(form->keyFocus(), F::dish(items[0]->Serial()));
  // Delete takes the focused dish out; the focus goes on.
  press(Qt::Key_Tab);
  const int32_t second = items[1]->Serial();
  press(Qt::Key_Delete);
  form->fireTimers();
  EXPECT_EQ(form->placedNames().size(), 1u);
  EXPECT_EQ(form->placedItem(second), nullptr);
  EXPECT_EQ(form->keyFocus().kind, F::Kind::RiceBall);

  // The rice ball judges the box.
  EXPECT_EQ(form->accessibleDescription(),
            QString::fromUtf8("おにぎりくん：Enterでお弁当のできばえがわかります"));
  press(Qt::Key_Return);
  EXPECT_EQ(judge.shown, 1);
}

}  // namespace
