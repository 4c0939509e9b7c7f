// The dish search dialog's handlers and hand-back, and the About box's scrolling list.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "core/kondate_data.h"
#include "planner/about_box.h"
#include "planner/search_order_form.h"
#include "planner_test_app.h"
#include "platform/files.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "scripted_prompt.h"
#include "temp_dir.h"

using nv::sj;
using nv::toQ;

namespace {

nv::TKondateData dishes() {
  nv::TKondateData db;
  nv::TOrder& rice = db.findOrAppendOrder(sj("ごはん"));
  rice.base.push_back(nv::TKondate::make(1, sj("カレーライス")));
  rice.base.push_back(nv::TKondate::make(2, sj("わかめごはん")));
  rice.base.push_back(nv::TKondate::make(3, sj("五目ごはん")));
  nv::TOrder& soup = db.findOrAppendOrder(sj("汁物"));
  soup.base.push_back(nv::TKondate::make(4, sj("かきたま汁")));
  soup.added.push_back(nv::TKondate::make(100001, sj("ワンタンスープ")));
  return db;
}

QStringList listed(const nv::TSearchOrderForm& form) {
  QStringList out;
  for (int i = 0; i < form.ListView2->topLevelItemCount(); ++i)
    out << form.ListView2->topLevelItem(i)->text(0) + QLatin1Char('/') +
               form.ListView2->topLevelItem(i)->text(1);
  return out;
}

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

TEST(SearchOrderForm, HandlersRefillTheListAndOkFollowsTheSelection) {
  nvtest::plannerApp();
  const nv::TKondateData db = dishes();
  nv::TSearchOrderForm form(db);
  form.setCategories({sj("ごはん"), sj("汁物")});
  form.show();
  QApplication::processEvents();
  EXPECT_EQ(form.ComboBox2->currentText(), q("あいうえお"));
  EXPECT_EQ(listed(form), (QStringList{q("ごはん/カレーライス"), q("ごはん/わかめごはん"),
                                       q("ごはん/五目ごはん")}));
  EXPECT_FALSE(form.OkBtn->isEnabled());

  form.ComboBox2->setCurrentIndex(1);
  form.ComboBox2Change();
  EXPECT_EQ(listed(form), (QStringList{q("ごはん/カレーライス"), q("汁物/かきたま汁")}));
  form.ListView2->topLevelItem(1)->setSelected(true);
  EXPECT_TRUE(form.OkBtn->isEnabled());

  // Typing after a syllabary row: the prefix matches replace the list and OK waits again.
  form.Edit1->setText(q("わか"));
  EXPECT_EQ(listed(form), (QStringList{q("ごはん/わかめごはん")}));
  EXPECT_FALSE(form.OkBtn->isEnabled());
  form.Edit2->setText(q("ごはん"));
  EXPECT_EQ(listed(form), (QStringList{q("ごはん/わかめごはん"), q("ごはん/五目ごはん")}));

  form.ComboBox2->setCurrentIndex(8);
  form.ComboBox2Change();
  EXPECT_EQ(listed(form), (QStringList{q("ごはん/わかめごはん"), q("*汁物/ワンタンスープ")}));
  form.ComboBox2->setCurrentIndex(9);
  form.ComboBox2Change();
  EXPECT_EQ(listed(form), (QStringList{q("ごはん/五目ごはん")}));
  form.ShowAddKondateDataBtn->click();
  EXPECT_EQ(listed(form), (QStringList{q("*汁物/ワンタンスープ")}));
  form.ComboBox1->setCurrentIndex(1);
  EXPECT_EQ(listed(form), (QStringList{q("汁物/かきたま汁"), q("汁物/ワンタンスープ")}));
}

TEST(SearchOrderForm, AnAddedDishReturnsItsCategoryWithoutTheStar) {
  nvtest::plannerApp();
  const nv::TKondateData db = dishes();
  std::string category, dish;
  nvtest::whenModal([](QWidget* w) {
    auto* form = qobject_cast<nv::TSearchOrderForm*>(w);
    ASSERT_NE(form, nullptr);
    form->ShowAddKondateDataBtn->click();
    // A double click on the row is OK.
    QTreeWidgetItem* item = form->ListView2->topLevelItem(0);
    item->setSelected(true);
    emit form->ListView2->itemDoubleClicked(item, 0);
  });
  EXPECT_TRUE(nv::TSearchOrderForm::run(
      db, {sj("ごはん"), sj("汁物")},
      [&](const std::string& c, const std::string& d) {
        category = c;
        dish = d;
        return true;
      },
      nullptr));
  EXPECT_EQ(category, sj("汁物"));
  EXPECT_EQ(dish, sj("ワンタンスープ"));

  nvtest::whenModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
  EXPECT_FALSE(nv::TSearchOrderForm::run(
      db, {}, [](auto&, auto&) { return true; }, nullptr));
}

TEST(AboutBox, ListScrollsEverySecondAndStartsAgainAfterItsRest) {
  nvtest::plannerApp();
  nvtest::TempDir dir;
  std::string text = sj("[About]\r\nMaker=テスト工房\r\nMail=nv@example.jp\r\n[Contributors]\r\n");
  for (int i = 1; i <= 8; ++i)
    text += nv::cformat("%d=", i) + sj("ひかり小学校　") + char('0' + i) + "\r\n";
  nvtest::writeBytes(dir.file("about.txt"), text);
  nv::TAboutBox box(dir.path());
  QStringList opened;
  box.openUrl = [&](const QString& url) { opened << url; };
  box.show();
  QApplication::processEvents();
  EXPECT_EQ(box.Version->text(), toQ(nv::aboutVersionText()));
  EXPECT_TRUE(box.Timer2->isActive());
  EXPECT_EQ(box.Timer2->interval(), 1000);
  ASSERT_EQ(box.ListBox1->count(), 8);

  for (int i = 1; i <= 4; ++i) box.Timer2Timer();
  EXPECT_EQ(box.scroller().top(), 4);
  EXPECT_TRUE(box.Timer2->isActive());
  box.Timer2Timer();  // top 5 = 8 - 3: rests
  EXPECT_FALSE(box.Timer2->isActive());
  EXPECT_TRUE(box.RestTimer->isActive());
  EXPECT_EQ(box.RestTimer->interval(), 500);
  QElapsedTimer waited;
  waited.start();
  while (box.RestTimer->isActive() && waited.elapsed() < 3000) QApplication::processEvents();
  EXPECT_EQ(box.scroller().top(), 0);
  EXPECT_TRUE(box.Timer2->isActive());

  box.MailLinkClick();
  box.ProgramIconClick();
  ASSERT_EQ(opened.size(), 2);
  EXPECT_TRUE(opened[0].startsWith(QStringLiteral("mailto:nv@example.jp?subject=")));
  EXPECT_TRUE(opened[1].endsWith(QStringLiteral("HTML/index.html")));

  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&box, &escape);
  EXPECT_FALSE(box.isVisible());
  EXPECT_FALSE(box.Timer2->isActive());
}
