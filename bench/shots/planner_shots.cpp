// Renders the windows offscreen to PNG files for a person to look at. Runs only when
// NV_SHOT_DIR names a folder; the pictures are not part of the checks.
#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>
#include <QSlider>
#include <QTabWidget>

#include "fake_planner_host.h"
#include "planner_test_app.h"
#include "platform/text.h"
#include "teacher/edit_kondate_form.h"
#include "widgets/balloon_hint.h"

using namespace Qt::StringLiterals;

using nv::sj;

namespace {

QString shotDir() { return qEnvironmentVariable("NV_SHOT_DIR"); }

void save(QWidget& w, const char* name) {
  QApplication::processEvents();
  EXPECT_TRUE(w.grab().save(QDir(shotDir()).filePath(QString::fromLatin1(name))));
}

TEST(Screenshots, ChosenMenuGraphAndQuantityDialog) {
  if (shotDir().isEmpty()) GTEST_SKIP() << "NV_SHOT_DIR not set";
  nvtest::plannerApp();
  nvtest::FakePlannerHost host;
  host.sel->resize(600, 129);
  host.sel->show();
  host.graph->resize(232, 340);
  host.graph->show();
  host.selectMealTab(0);
  host.sel->AddDish(sj("ごはん"), sj("ごはん"), true);
  host.sel->AddDish(sj("飲み物"), sj("牛乳"), true);
  host.sel->AddDish(sj("魚のおかず"), sj("さけのしおやき"), true);
  host.sel->SetChartTitles(sj("たろう"));
  save(*host.sel, "selform_chosen_menu.png");
  save(*host.graph, "selform_graph.png");
  host.selectMealTab(3);
  save(*host.sel, "selform_chosen_menu_day.png");
  save(*host.graph, "selform_graph_day.png");
  host.byNutrient = false;
  host.sel->refresh();
  save(*host.graph, "selform_graph_groups.png");
  host.patterns = true;  // PatternBars=1
  host.sel->refresh();
  save(*host.graph, "selform_graph_groups_patterns.png");
  host.byNutrient = true;
  host.sel->refresh();
  save(*host.graph, "selform_graph_patterns.png");
  host.patterns = false;

  nv::EditKondateRequest r;
  const nv::SelDish& d = host.sel->menu().dishes(0)[2];
  r.caption = d.caption;
  r.hint = d.hint;
  r.color = host.sel->backColor(0);
  r.standardTotal = d.standardWeight;
  r.foods = d.usedFoods;
  r.showDelete = true;
  nv::TEditKondateForm dialog(r, &host.foods, [&host, &r](QAbstractButton& b, double ratio) {
    host.setDishGlyph(b, r.caption, ratio);
  });
  dialog.show();
  dialog.TrackBar1->setValue(15000);
  save(dialog, "selform_quantity.png");

  nv::TBalloonHintWindow balloon;
  const QString text = u"朝食：さけのしおやき"_s;
  QRect rect = balloon.calcHintRect(300, text);
  rect.moveTopLeft(QPoint(10, 10));
  balloon.activateHint(rect, text);
  save(balloon, "selform_balloon.png");
}

}  // namespace
