#include "planner/pages/menu_charts.h"

#include <QFontMetrics>
#include <algorithm>

#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "planner/model/chart_values.h"
#include "planner/model/selected_menu.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "widgets/grid_printer.h"

using namespace Qt::StringLiterals;

namespace nv {

QString mealChartTitle(const std::string& childName, int node) {
  return toQ(childName) + u" さんの"_s + toQ(SelectedMenu::nodeNames()[size_t(node)]) +
         u"の栄養バランス(％)"_s;
}

PaperChart mealPaperChart(const MealTotals& totals, int node, const TKojinData& profile,
                          const TGunName& gun, bool byNutrient) {
  std::vector<ChartBar> bars;
  if (byNutrient) {
    Nutrients requirement{};
    for (int k = 0; k < kNutrientCount; ++k) requirement[size_t(k)] = profile.Requirement(node, k);
    bars = nutrientBars(totals.nutrients, requirement);
  } else {
    std::array<double, kFoodGroupCount> requirement{};
    std::array<std::string, kFoodGroupCount> names;
    for (int g = 0; g < kFoodGroupCount; ++g) {
      requirement[size_t(g)] = profile.GroupRequirement(node, g);
      names[size_t(g)] = gun.name(g);
    }
    bars = groupBars(totals.groups, requirement, names);
  }
  PaperChart chart;
  chart.title = mealChartTitle(profile.name(), node);
  for (const ChartBar& b : bars) {
    const Rgb c = gun.rgb(b.colourIndex);
    chart.bars.push_back({toQ(b.label), b.value, QColor(c.r, c.g, c.b), b.colourIndex});
  }
  return chart;
}

QFont nutrientGridFont() {
  QFont f;
  f.setFamilies({u"ＭＳ ゴシック"_s, QStringLiteral("IPAGothic"), QStringLiteral("monospace")});
  f.setPixelSize(12);
  return f;
}

std::vector<std::vector<QString>> toQCells(const TextRows& rows) {
  std::vector<std::vector<QString>> cells;
  cells.reserve(rows.size());
  for (const TextRow& row : rows) {
    std::vector<QString>& out = cells.emplace_back();
    for (const std::string& cell : row) out.push_back(toQ(cell));
  }
  return cells;
}

void setGridPrinterCells(TStrGridPrinter& printer, std::vector<std::vector<QString>> cells) {
  const QFont font = nutrientGridFont();
  std::vector<int> widths = gridColumnWidths(cells, QFontMetrics(font));
  printer.setGrid(std::move(cells), std::move(widths), 16, font);
  // 番号, 食事, 献立名 and 食品名 say what a row is.
  printer.setRepeatedColumns(4);
}

void setGridPrinterRows(TStrGridPrinter& printer, const TextRows& rows) {
  setGridPrinterCells(printer, toQCells(rows));
}

}  // namespace nv
