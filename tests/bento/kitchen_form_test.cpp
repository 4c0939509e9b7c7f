// The kitchen driven as a child drives it: the overview, the name, the appliances, dragging
// dishes into the box, removing them, saving and opening, and the close question.
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "bento/selected_bentou_item.h"
#include "kitchen_fixture.h"
#include "planner/get_jidoumei_form.h"
#include "platform/ini.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"

namespace {

using nv::KitchenArea;
using nv::LayoutSection;
using nvtest::KitchenTest;

class KitchenFormTest : public KitchenTest {
 protected:
  std::string firstOf(const char* storageUtf8, bool box = true) {
    nv::NameList names;
    form->kitchenData().dishesOfStorage(nv::sj(storageUtf8), names);
    for (const std::string& n : names)
      if ((form->kitchenData().placementName(n) == nv::sj("弁当箱")) == box) return n;
    return {};
  }
};

TEST_F(KitchenFormTest, SmallBoxAndTheNameDialogLeadToTheWorkingView) {
  make();
  // The real name dialog, confirmed with OK.
  form->profileDialog = [](nv::TKojinData& k, QWidget* parent) {
    return nv::editProfile(k, parent);
  };
  nvtest::whenModal([](QWidget* w) {
    auto* dialog = qobject_cast<nv::TGetJidoumeiForm*>(w);
    ASSERT_NE(dialog, nullptr);
    dialog->Edit1->setText(QString::fromUtf8("たろう"));
    dialog->OkBtn->click();
  });
  EXPECT_TRUE(form->overviewMode());
  EXPECT_FALSE(form->RiceBallButton->isVisible());
  clickKitchen(centreOf(form->areas().smallBox), centreOf(form->areas().smallBox));
  EXPECT_FALSE(form->overviewMode());
  EXPECT_TRUE(form->RiceBallButton->isVisible());
  EXPECT_TRUE(form->BoxFront->isVisible());
  EXPECT_EQ(form->profile().name(), nv::sj("たろう"));
  EXPECT_EQ(nv::fileNameOf(form->document().fileName()), nv::sj("たろう.nvub"));
  // In the working view the exit sign does nothing.
  clickKitchen({1000, 20}, {1000, 20});
  EXPECT_TRUE(form->isVisible());
}

TEST_F(KitchenFormTest, ExitSignClosesTheOverviewWhateverWasPressed) {
  make();
  clickKitchen(centreOf(form->areas().smallBox), {1000, 20});
  EXPECT_FALSE(form->isVisible());
  // A cancelled name keeps the overview.
  make();
  form->profileDialog = [](nv::TKojinData&, QWidget*) { return false; };
  clickKitchen(centreOf(form->areas().smallBox), centreOf(form->areas().smallBox));
  EXPECT_TRUE(form->overviewMode());
}

TEST_F(KitchenFormTest, RefrigeratorOpensWithItsDoorAndPages) {
  working();
  const QPoint fridge = centreOf(form->areas().appliance(KitchenArea::Refrigerator));
  const QPoint freezer = centreOf(form->areas().appliance(KitchenArea::Freezer));
  clickKitchen(fridge, fridge);
  ASSERT_NE(form->applianceView(), nullptr);
  EXPECT_EQ(form->openSection(), LayoutSection::Refrigerator);
  ASSERT_NE(form->doorView(), nullptr);  // the distribution stores drinks in the door
  nv::TReizouko& door = *form->doorView();
  ASSERT_NE(door.ForwardButton, nullptr);  // five drinks, four cells
  // The paging arrows are whole: on the screen and above every cell and picture.
  for (QToolButton* b : {door.BackButton, door.ForwardButton}) {
    EXPECT_TRUE(form->rect().contains(b->geometry())) << b->x() << "," << b->y();
    for (QPoint corner :
         {b->geometry().topLeft(), b->geometry().bottomRight(), b->geometry().center()})
      EXPECT_EQ(form->childAt(corner), b) << corner.x() << "," << corner.y();
    // The arrow is drawn whole: the kitchen shows all of it, nothing lies over it.
    const auto orange = [](const QImage& img) {
      int n = 0;
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
          const QColor c = img.pixelColor(x, y);
          n += c.red() > 200 && c.green() > 90 && c.green() < 190 && c.blue() < 90;
        }
      return n;
    };
    const int own = orange(b->grab().toImage());
    EXPECT_GE(own, 12);
    EXPECT_EQ(orange(form->grab(b->geometry()).toImage()), own);
  }
  EXPECT_EQ(door.cells()[0]->accessibleName().toStdString(), nv::cp932ToUtf8(door.names()[0]));
  door.ForwardButton->click();
  EXPECT_EQ(door.firstIndex(), 4);
  EXPECT_EQ(door.cells()[0]->dishName(), door.names()[4]);
  EXPECT_TRUE(door.cells()[1]->dishName().empty());
  door.ForwardButton->click();  // the last page stays
  EXPECT_EQ(door.firstIndex(), 4);
  door.BackButton->click();
  door.BackButton->click();
  EXPECT_EQ(door.firstIndex(), 0);

  // Pressing on the freezer and releasing on the refrigerator closes the open appliance.
  clickKitchen(freezer, fridge);
  EXPECT_EQ(form->applianceView(), nullptr);
  EXPECT_EQ(form->doorView(), nullptr);
  // The freezer has no door.
  clickKitchen(freezer, freezer);
  EXPECT_EQ(form->openSection(), LayoutSection::Freezer);
  EXPECT_EQ(form->doorView(), nullptr);
}

// The hint beside the rice ball never covers an open appliance, at any screen size; on a
// narrow screen it wraps instead.
TEST_F(KitchenFormTest, RiceBallHintLeavesTheOpenApplianceFree) {
  for (QSize size : {QSize(960, 540), QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080)}) {
    SCOPED_TRACE(size.width());
    working(size);
    form->addDish(firstOf("炊飯器"), centreOf(form->areas().largeBox));
    for (LayoutSection section : {LayoutSection::Cupboard, LayoutSection::Refrigerator}) {
      form->openAppliance(section);
      ASSERT_TRUE(form->StatusLine->isVisible());
      EXPECT_FALSE(form->StatusLine->geometry().intersects(form->openApplianceRect()))
          << form->StatusLine->geometry().right() << " " << form->openApplianceRect().left();
    }
    form->closeAppliance();
    EXPECT_EQ(form->openApplianceRect(), QRect());
    form->document().setModified(false);
  }
}

TEST_F(KitchenFormTest, ScrollBarStylesPageFromTheirPosition) {
  nv::Ini ini(dir.file("NV.ini"));
  ini.writeInteger("Bentoubako", "ReizoukoScrollBarStyle", 2);
  ini.writeInteger(nv::sj("冷蔵庫"), "MaxRaw", 2);
  ASSERT_TRUE(ini.save());
  working();
  form->openAppliance(LayoutSection::Refrigerator);
  nv::TReizouko& view = *form->applianceView();
  ASSERT_NE(view.ScrollBar, nullptr);
  EXPECT_EQ(view.ScrollBar->orientation(), Qt::Vertical);
  EXPECT_EQ(view.ScrollBar->pageStep(), 6);
  EXPECT_EQ(view.ScrollBar->maximum(), int(view.names().size()) - 1);
  view.ScrollBar->setValue(7);
  EXPECT_EQ(view.cells()[0]->dishName(), view.names()[7]);
}

TEST_F(KitchenFormTest, DraggingACellPutsTheDishIntoTheBox) {
  working();
  form->openAppliance(LayoutSection::Refrigerator);
  nv::TBentouItem* cell = form->applianceView()->cells()[0];
  const QPoint home = cell->pos();
  const std::string dish = cell->dishName();
  ASSERT_EQ(form->kitchenData().placementName(dish), nv::sj("弁当箱"));

  // Dropped back on its home: nothing is added.
  drag(cell, home + QPoint(cell->width() / 2, cell->height() / 2));
  EXPECT_TRUE(form->placedNames().empty());

  const QPoint drop = centreOf(form->areas().largeBox) - QPoint(100, 0);
  drag(cell, drop);
  EXPECT_EQ(cell->pos(), home);
  ASSERT_EQ(form->placedNames(), nv::NameList{dish});
  nv::TSelectedBentouItem* placed = form->placedItems()[0];
  EXPECT_TRUE(keptInBox(placed->geometry())) << placed->x() << "," << placed->y();
  // Landed where it was dropped (the drop point is not scaled).
  EXPECT_EQ(placed->geometry().center().x(), drop.x());
  EXPECT_TRUE(form->document().isModified());
  EXPECT_EQ(placed->accessibleName().toStdString(), nv::cp932ToUtf8(dish));

  // Dragged far outside, it is pulled back into the box.
  drag(placed, {5, 5});
  EXPECT_TRUE(keptInBox(placed->geometry()));
  // Let go low, a small dish stays above the rim: its picture and name are not hidden.
  const nv::KRect box = form->areas().largeBox;
  drag(placed, {box.left + box.width() / 2, box.bottom - 5});
  EXPECT_TRUE(keptInBox(placed->geometry()));
  EXPECT_EQ(placed->y() + placed->height(), form->areas().boxFront.top);
}

TEST_F(KitchenFormTest, ADrinkDroppedOnTheBoxStandsOnTheCoaster) {
  working();
  const std::string drink = firstOf("扉", false);
  ASSERT_FALSE(drink.empty());
  form->addDish(drink, centreOf(form->areas().largeBox));
  const QRect r = form->placedItems()[0]->geometry();
  const nv::KRect area = form->areas().coasterArea;
  EXPECT_GE(r.left(), area.left);
  EXPECT_LE(r.left() + r.width(), area.right);
  EXPECT_GE(r.top() + r.height(), area.top);
  EXPECT_LE(r.top() + r.height(), area.bottom);
}

TEST_F(KitchenFormTest, CapacityRefusesAndTheRiceBallShowsItIsFull) {
  working();
  profile.lunchBoxCapacity = 1;  // even the first dish is bigger
  const std::string rice = firstOf("炊飯器");
  form->addDish(rice, centreOf(form->areas().largeBox));
  EXPECT_EQ(form->placedNames().size(), 1u);
  EXPECT_TRUE(riceBall.moods.empty());
  form->addDish(rice, centreOf(form->areas().largeBox));
  EXPECT_EQ(form->placedNames().size(), 1u);
  EXPECT_EQ(riceBall.moods, std::vector<int>{nv::RiceBallPort::kFullMood});

  // With the usual capacity the box fills up and then refuses.
  profile.lunchBoxCapacity = 900;
  size_t before = 0;
  for (int i = 0; i < 50 && form->placedNames().size() != before; ++i) {
    before = form->placedNames().size();
    form->addDish(rice, centreOf(form->areas().largeBox));
  }
  EXPECT_GT(form->placedNames().size(), 1u);
  EXPECT_LT(form->kitchenData().volumeSum(form->placedNames()), 900);
  EXPECT_EQ(riceBall.moods.size(), 2u);
}

TEST_F(KitchenFormTest, DeleteShiftDeleteAndBringToFront) {
  working();
  const std::string a = firstOf("炊飯器"), b = firstOf("フライパン"), c = firstOf("オーブン");
  for (const std::string& n : {a, b, c}) form->addDish(n, centreOf(form->areas().largeBox));
  ASSERT_EQ(form->placedNames(), (nv::NameList{a, b, c}));
  QMenu* menu = form->bringToFrontMenu();
  ASSERT_EQ(menu->actions().size(), 3);
  EXPECT_TRUE(menu->menuAction()->isVisible());

  menu->actions()[0]->trigger();  // the first dish to the front
  form->fireTimers();
  EXPECT_EQ(form->placedNames(), (nv::NameList{b, c, a}));

  // Delete takes the top-most dish, after its timer.
  form->document().setModified(false);
  key(form.get(), Qt::Key_Delete);
  EXPECT_EQ(form->placedNames().size(), 3u);
  form->fireTimers();
  EXPECT_EQ(form->placedNames(), (nv::NameList{b, c}));
  EXPECT_TRUE(form->document().isModified());
  EXPECT_GE(riceBall.closes, 1);

  key(form.get(), Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_TRUE(form->placedNames().empty());
  EXPECT_FALSE(menu->menuAction()->isVisible());
}

TEST_F(KitchenFormTest, SavedBoxOpensWithTheSameRectangles) {
  nvtest::ScriptedPrompt prompts;
  nvtest::ScriptedDialogs dialogs;
  working();
  const std::string a = firstOf("炊飯器"), b = firstOf("冷蔵庫");
  form->addDish(a, centreOf(form->areas().largeBox) + QPoint(-120, 0));
  form->addDish(b, centreOf(form->areas().largeBox) + QPoint(120, 0));
  std::vector<QRect> before;
  for (auto* item : form->placedItems()) before.push_back(item->geometry());

  profile.setName(nv::sj("はなこ"));
  const std::string path = nv::cp932ToUtf8(dir.file("box.nvub"));
  dialogs.expectSave(path);
  ASSERT_TRUE(form->Save());  // the default name asks for one
  EXPECT_FALSE(form->document().isModified());
  form->New();
  EXPECT_TRUE(form->overviewMode());
  EXPECT_TRUE(form->placedNames().empty());
  EXPECT_EQ(form->document().fileName(), nv::defaultBentoSaveName());
  EXPECT_EQ(form->profile().name(), nv::sj("host"));

  dialogs.expectOpen(path);
  nvtest::kitchenAction(*form, "開く(&O)...")->trigger();  // Ctrl+O
  EXPECT_FALSE(form->overviewMode());
  ASSERT_EQ(form->placedNames(), (nv::NameList{a, b}));
  for (size_t i = 0; i < before.size(); ++i)
    EXPECT_EQ(form->placedItems()[i]->geometry(), before[i]);
  EXPECT_FALSE(form->document().isModified());
  EXPECT_EQ(form->profile().name(), nv::sj("はなこ"));
}

TEST_F(KitchenFormTest, CloseQuestionAnswers) {
  const std::string text = "お弁当のデータが変更されています。保存しますか？";
  nvtest::ScriptedPrompt prompts;
  nvtest::ScriptedDialogs dialogs;
  working();
  form->addDish(firstOf("炊飯器"), centreOf(form->areas().largeBox));

  prompts.expectBox(text, "確認", nv::Icon::Question, nv::Buttons::YesNoCancel, nv::Answer::Cancel);
  EXPECT_FALSE(form->close());
  // Yes on a box without a name: Save As, cancelled, keeps the window open.
  prompts.expectBox(text, "確認", nv::Icon::Question, nv::Buttons::YesNoCancel, nv::Answer::Yes);
  dialogs.expectCancel(nvtest::DialogCall::Save);
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->document().isModified());
  // Yes with a name chosen saves and closes.
  prompts.expectBox(text, "確認", nv::Icon::Question, nv::Buttons::YesNoCancel, nv::Answer::Yes);
  dialogs.expectSave(nv::cp932ToUtf8(dir.file("yes.nvub")));
  EXPECT_TRUE(form->close());
  EXPECT_TRUE(std::filesystem::exists(nv::toFsPath(dir.file("yes.nvub"))));

  working();
  form->addDish(firstOf("炊飯器"), centreOf(form->areas().largeBox));
  prompts.expectBox(text, "確認", nv::Icon::Question, nv::Buttons::YesNoCancel, nv::Answer::No);
  EXPECT_TRUE(form->close());
}

TEST_F(KitchenFormTest, OpenAsksBeforeDroppingChangesAndFailedSavesStayMarked) {
  const std::string text = "お弁当のデータが変更されています。保存しますか？";
  nvtest::ScriptedPrompt prompts;
  nvtest::ScriptedDialogs dialogs;
  working();
  form->addDish(firstOf("炊飯器"), centreOf(form->areas().largeBox));
  // Cancelling the question keeps the box and opens no dialog.
  prompts.expectBox(text, "確認", nv::Icon::Question, nv::Buttons::YesNoCancel, nv::Answer::Cancel);
  form->Open();
  EXPECT_EQ(form->placedNames().size(), 1u);

  // A file that cannot be written is reported and the box stays unsaved, under the name it
  // had: the next save does not go to the file that was never made.
  const std::string name = form->document().fileName();
  const std::string bad = nv::cp932ToUtf8(dir.file("missing/box.nvub"));
  dialogs.expectSave(bad);
  prompts.expectBox(bad, "お弁当のデータを保存できません", nv::Icon::None);
  EXPECT_FALSE(form->SaveAs());
  EXPECT_TRUE(form->document().isModified());
  EXPECT_EQ(form->document().fileName(), name);
}

// A new box named after a child who already has one: saving asks before replacing the other
// file, and says where the box went.
TEST_F(KitchenFormTest, SaveAsksBeforeReplacingAnotherBoxAndSaysWhereItWent) {
  nvtest::ScriptedPrompt prompts;
  nvtest::ScriptedDialogs dialogs;
  const std::string taro = dir.file("やまだ たろう.nvub");
  nv::TKojinData earlier;
  ASSERT_TRUE(nv::writeBentoSaveFile(taro, earlier, 1.0,
                                     {{"a", 1, 1, 1, 1}, {"b", 1, 1, 1, 1}, {"c", 1, 1, 1, 1}})
                  .ok());
  const auto dishesIn = [](const std::string& path) {
    nv::TKojinData k;
    nv::PlacedDishRecords r;
    return nv::openBentoSaveFile(path, 1.0, k, r).ok() ? r.size() : 0u;
  };
  working();
  EXPECT_FALSE(form->StatusLine->isVisible());
  form->addDish(firstOf("炊飯器"), centreOf(form->areas().largeBox));
  // With a dish in the box the child is told what to do next.
  EXPECT_TRUE(form->StatusLine->isVisible());
  EXPECT_EQ(form->StatusLine->text(),
            QString::fromUtf8("おにぎりくんをクリックすると、お弁当のできばえがわかるよ"));
  form->document().setFileName(taro);  // what naming the child does

  const std::string question = "「やまだ たろう.nvub」はもうあります。上書きしますか？";
  prompts.expectBox(question, "確認", nv::Icon::Question, nv::Buttons::YesNoCancel,
                    nv::Answer::Cancel);
  EXPECT_FALSE(form->Save());
  EXPECT_EQ(dishesIn(taro), 3u);
  EXPECT_TRUE(form->document().isModified());
  // No: another name.
  const std::string other = nv::cp932ToUtf8(dir.file("たろう2.nvub"));
  prompts.expectBox(question, "確認", nv::Icon::Question, nv::Buttons::YesNoCancel, nv::Answer::No);
  dialogs.expectSave(other);
  EXPECT_TRUE(form->Save());
  EXPECT_EQ(dishesIn(taro), 3u);
  EXPECT_EQ(dishesIn(nv::utf8ToCp932(other)), 1u);
  EXPECT_EQ(form->StatusLine->text(), QString::fromUtf8("「たろう2.nvub」に保存しました"));
  // Its own file is saved again without a question; Yes replaces the other.
  form->document().setModified(true);
  EXPECT_TRUE(form->Save());
  form->document().setFileName(taro);
  prompts.expectBox(question, "確認", nv::Icon::Question, nv::Buttons::YesNoCancel,
                    nv::Answer::Yes);
  EXPECT_TRUE(form->Save());
  EXPECT_EQ(dishesIn(taro), 1u);
}

TEST_F(KitchenFormTest, PartPositionsResetKeepsOtherSettings) {
  nv::Ini ini(dir.file("NV.ini"));
  ini.writeInteger(nv::sj("戸棚"), "iLeft", 5);
  ini.writeInteger("Bentoubako", "ReizoukoScrollBarStyle", 3);
  ASSERT_TRUE(ini.save());
  ASSERT_TRUE(nv::TBentoubakoForm::resetPartPositions(dir.file("NV.ini")));
  nv::Ini after(dir.file("NV.ini"));
  EXPECT_FALSE(after.hasKey(nv::sj("戸棚"), "iLeft"));
  EXPECT_EQ(after.readInteger("Bentoubako", "ReizoukoScrollBarStyle", 0), 3);
}

}  // namespace
