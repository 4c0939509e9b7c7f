#pragma once
// A PlannerHost over a small food table and dish database, with the three page controls
// kept together as the main window keeps them, and percent charts of its own.
#include <QAbstractButton>
#include <QPainter>
#include <QPixmap>
#include <array>
#include <memory>
#include <vector>

#include "core/food.h"
#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "core/kondate_data.h"
#include "planner/graph_form.h"
#include "planner/menu_document.h"
#include "planner/planner_host.h"
#include "planner/sel_kondate_form.h"
#include "platform/text.h"
#include "widgets/bar_chart.h"

namespace nvtest {

class FakePlannerHost : public nv::PlannerHost {
 public:
  FakePlannerHost() {
    auto food = [](int32_t n, const char* name, int group, double kcal, double calcium) {
      nv::TFood f;
      f.number = n;
      f.name = nv::sj(name);
      f.group = group;
      f.colorClass = 1 + n % 3;
      f.nutrients[nv::kEnergy] = kcal;
      f.nutrients[nv::kCalcium] = calcium;
      return f;
    };
    foods.setFoods({food(1, "ごはん", 5, 156, 3), food(2, "牛乳", 2, 61, 110),
                    food(3, "さけ", 1, 133, 14), food(4, "ほうれんそう", 3, 20, 49)});
    auto dish = [](int32_t n, const char* name, nv::TUsedFoodList list) {
      nv::TKondate k = nv::TKondate::make(n, nv::sj(name));
      k.foods = list;
      k.standardWeight = nv::totalAmount(list);
      return k;
    };
    dishes.findOrAppendOrder(nv::sj("ごはん")).base.push_back(dish(1, "ごはん", {{1, 150, 150}}));
    dishes.findOrAppendOrder(nv::sj("飲み物")).base.push_back(dish(2, "牛乳", {{2, 200, 200}}));
    dishes.findOrAppendOrder(nv::sj("魚のおかず"))
        .base.push_back(dish(3, "さけのしおやき", {{3, 80, 80}, {4, 40, 40}}));
    doc.setDishes(&dishes);
    for (auto& c : percent) c = std::make_unique<nv::BarChart>();
    graph = std::make_unique<nv::TGraphForm>(*this);
    sel = std::make_unique<nv::TSelKondateForm>(*this, graph.get());
  }

  nv::TFoodData& foodData() override { return foods; }
  nv::TKondateData& kondateData() override { return dishes; }
  nv::TKojinData& profile() override { return kojin; }
  nv::MenuDocument& document() override { return doc; }
  nv::TGunName& gunName() override { return gun; }

  void selectMealTab(int index) override {
    tabCalls.push_back(index);
    if (switching) return;
    switching = true;
    sel->setActivePage(index);
    graph->setActivePage(index);
    sel->refresh();
    switching = false;
  }
  bool graphByNutrient() const override { return byNutrient; }
  bool patternBars() const override { return patterns; }
  nv::BarChart* percentChart(int node) override {
    return node >= 0 && node < 4 ? percent[size_t(node)].get() : nullptr;
  }
  int selIconSize() const override { return iconSize; }
  int selIconFontSize() const override { return 6; }
  void setDishGlyph(QAbstractButton& button, const std::string& dishName, double factor) override {
    lastGlyphDish = dishName;
    lastGlyphFactor = factor;
    // A plate whose size follows the factor, as a dish picture would.
    QPixmap pm(button.iconSize());
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const int d = std::max(4, std::min(pm.width(), int(pm.width() * factor / 2)));
    p.setBrush(QColor(240, 160, 60));
    p.setPen(Qt::darkGray);
    p.drawEllipse((pm.width() - d) / 2, (pm.height() - d) / 2, d, d);
    p.end();
    button.setIcon(QIcon(pm));
  }
  void pauseConveyor() override {}
  void resumeConveyor() override {}
  void refreshView() override { ++refreshCount; }

  nv::TFoodData foods;
  nv::TKondateData dishes;
  nv::TKojinData kojin;
  nv::MenuDocument doc{kojin, "host"};
  nv::TGunName gun;
  std::array<std::unique_ptr<nv::BarChart>, 4> percent;
  std::unique_ptr<nv::TGraphForm> graph;
  std::unique_ptr<nv::TSelKondateForm> sel;
  bool byNutrient = true;
  bool patterns = false;
  int iconSize = 64;
  bool switching = false;
  std::vector<int> tabCalls;
  int refreshCount = 0;
  std::string lastGlyphDish;
  double lastGlyphFactor = 0;
};

}  // namespace nvtest
