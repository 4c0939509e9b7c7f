#pragma once
// What the printed pages need besides the menu: each meal's chart as the graph window shows
// it, and the nutrient table laid out as the print dialog's grid.
#include <QFont>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "core/rows.h"
#include "widgets/grid_columns.h"
#include "widgets/paper_chart.h"

class QFontMetrics;

namespace nv {

struct MealTotals;
class TGunName;
class TKojinData;
class TStrGridPrinter;

// childName + " さんの" + node name + "の栄養バランス(％)".
QString mealChartTitle(const std::string& childName, int node);
// The balance chart of a meal node by nutrient or by food group, from the node's totals
// (SelectedMenu::totals; the caller shows what they told).
PaperChart mealPaperChart(const MealTotals& totals, int node, const TKojinData& profile,
                          const TGunName& gun, bool byNutrient);

// The grid's font: a fixed-width Gothic face at 12 pixels.
QFont nutrientGridFont();
std::vector<std::vector<QString>> toQCells(const TextRows& rows);
// The table's printer: the cells (row 0 the header), widths by the grid's rule in the grid
// font, 16-pixel rows, the row's number, meal and names repeated on continuation bands.
void setGridPrinterCells(TStrGridPrinter& printer, std::vector<std::vector<QString>> cells);
void setGridPrinterRows(TStrGridPrinter& printer, const TextRows& rows);

}  // namespace nv
