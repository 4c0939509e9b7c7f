// The recipe book on the kitchen, offscreen: its shape, the grouping cycle, the group buttons,
// a group's dishes in browse mode and the way back.
#include <QBitmap>
#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

#include "bento/qt_geometry.h"
#include "bento/recipe_windows.h"
#include "bento/reizouko.h"
#include "bento/resipi_form.h"
#include "kitchen_fixture.h"
#include "platform/qt/qtext.h"
#include "scripted_prompt.h"

namespace {

struct NoHost : nv::ReizoukoHost {
  QImage dishImage(const std::string&) override { return {}; }
  bool hasHowToMake(const std::string&) override { return false; }
  void dropDish(const std::string&, QPoint) override {}
  void addDishAtCentre(const std::string&) override {}
  void showHowToMake(const std::string&) override {}
};

// The book as it shows over the kitchen: only the pixels inside its shape.
void shot(nv::TBentoubakoForm& kitchen, nv::TResipiForm& book, const char* name) {
  const std::string dir = nvtest::shotFolder();
  if (dir.empty()) return;
  QImage out = kitchen.grab().toImage();
  QPainter p(&out);
  const QPoint at = book.pos() - kitchen.pos();
  p.setClipRegion(book.mask().translated(at));
  p.drawPixmap(at, book.grab());
  p.end();
  out.save(QString::fromStdString(dir + "/" + name));
}

class RecipeBookTest : public nvtest::KitchenTest {
 protected:
  static void click(QWidget* w, QPoint at = {4, 4}) {
    send(w, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    send(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  }
};

TEST_F(RecipeBookTest, GroupingsGroupButtonsADishGridAndBack) {
  nv::RecipeWindows recipes;
  ports.recipes = &recipes;
  working();
  const QPoint bookArea = centreOf(form->areas().bookWorking);
  clickKitchen(bookArea, bookArea);
  nv::TResipiForm* book = recipes.book();
  ASSERT_NE(book, nullptr);
  EXPECT_TRUE(book->isVisible());
  EXPECT_EQ(book->size(), QSize(819, 500));
  // Shaped: the white corner of the picture is not part of the window, the pages are.
  EXPECT_FALSE(book->mask().contains(QPoint(1, 1)));
  EXPECT_TRUE(book->mask().contains(QPoint(200, 250)));
  EXPECT_EQ(nvtest::unnamedControls(book), std::vector<std::string>{});
  for (QToolButton* b : book->findChildren<QToolButton*>()) {
    if (b->isVisibleTo(book)) {
      EXPECT_FALSE(b->accessibleDescription().isEmpty()) << b->text().toStdString();
    }
  }
  // Dragged by its body.
  const QPoint centred = book->pos();
  book->move(100, 100);
  send(book, QEvent::MouseButtonPress, {300, 200}, Qt::LeftButton, Qt::LeftButton);
  send(book, QEvent::MouseMove, {320, 210}, Qt::NoButton, Qt::LeftButton);
  send(book, QEvent::MouseButtonRelease, {320, 210}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(book->pos(), QPoint(120, 110));
  book->move(centred);

  const nv::BookLists lists = nv::bookListsOf(form->kitchenData());
  const QRect frame = book->Bevel1->geometry();
  const char* const files[] = {"book_category.png", "book_placement.png", "book_storage.png",
                               "book_reading.png"};
  for (int g = 0; g < 4; ++g) {
    const nv::NameList& names = nv::groupNames(lists, book->grouping());
    ASSERT_EQ(book->groupButtons().size(), names.size()) << g;
    const auto rects = nv::groupButtonRects(nv::kRect(frame), int(names.size()));
    for (size_t i = 0; i < names.size(); ++i) {
      EXPECT_EQ(nv::kRect(book->groupButtons()[i]->geometry()), rects[i]);
      EXPECT_EQ(nv::fromQ(book->groupButtons()[i]->text()), names[i]);
    }
    shot(*form, *book, files[g]);
    click(book->L_Tukurikata);
  }
  EXPECT_EQ(book->grouping(), nv::BookGrouping::Category);
  EXPECT_EQ(nv::fromQ(book->L_Tukurikata->text()), nv::sj("作り方"));

  // A category: its dishes in a 7 x 3 grid in browse mode over the second frame.
  book->groupButtons()[0]->click();
  const nv::NameList dishes =
      nv::bookDishes(form->kitchenData(), nv::BookGrouping::Category, lists.categories[0]);
  nv::TReizouko* view = book->dishView();
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->browseMode());
  EXPECT_EQ(view->cells().size(), 21u);
  EXPECT_EQ(view->names(), dishes);
  EXPECT_TRUE(book->Bevel2->geometry().contains(view->cells().back()->geometry()));
  EXPECT_EQ(nv::fromQ(book->L_Shurui->text()), std::to_string(dishes.size()) + nv::sj("種類"));
  EXPECT_EQ(nv::fromQ(book->L_Point->text()),
            nv::sj("作り方（") + lists.categories[0] + nv::sj("）"));
  EXPECT_TRUE(book->SB_Modoru->isVisible());
  EXPECT_FALSE(book->SB_Kiso->isVisible());
  EXPECT_FALSE(book->groupButtons()[0]->isVisible());
  shot(*form, *book, "book_dishes.png");

  // A cell opens that dish's recipe, above the book.
  QWidget* owner = nullptr;
  nvtest::whenModal([&](QWidget* w) {
    owner = w ? w->parentWidget() : nullptr;
    if (w) w->close();
  });
  click(view->cells()[0], {10, 10});
  EXPECT_EQ(owner, book);

  click(book->SB_Modoru);
  EXPECT_EQ(book->dishView(), nullptr);
  EXPECT_TRUE(book->groupButtons()[0]->isVisible());
  EXPECT_FALSE(book->L_Shurui->isVisible());
  EXPECT_EQ(nv::fromQ(book->L_Point->text()), nv::sj("お弁当作りのポイント"));

  // Opening an appliance closes the book.
  form->openAppliance(nv::LayoutSection::Oven);
  EXPECT_EQ(recipes.book(), nullptr);
}

TEST(RecipeBook, NoNamesNoButtons) {
  nvtest::kitchenApp();
  nvtest::ScriptedPrompt prompts;
  prompts.expectBox("分類名がないのでボタンを作れません", "内部エラーだと思われます",
                    nv::Icon::Stop);
  nv::TDaidokoro empty;
  NoHost host;
  nv::TResipiForm book(empty, {}, host, "", 12, "", nullptr, 1024);
  EXPECT_TRUE(book.groupButtons().empty());

  // The book's look stays on its own buttons: a dialog it opens (a viewer, the print dialog
  // with its "…" button) keeps the ordinary look.
  book.SB_Close->ensurePolished();
  EXPECT_EQ(book.SB_Close->font().pixelSize(), 16);
  QDialog dialog(&book);
  auto* browse = new QToolButton(&dialog);
  browse->setText(QStringLiteral("…"));
  browse->ensurePolished();
  EXPECT_NE(browse->font().pixelSize(), 16);
}

}  // namespace
