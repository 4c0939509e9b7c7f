#include "widgets/bar_chart.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <cmath>
#include <set>

#include "widgets/paper_chart.h"
#include "widgets_test_app.h"

TEST(BarChart, DrawsBarsFromZeroTheRedLineAt100AndClipsAbove200) {
  nvtest::widgetsApp();
  nv::BarChart chart;
  chart.resize(240, 320);
  chart.setTitle(QStringLiteral("はなこ さんの昼食の栄養バランス(％)"));
  chart.setBars({{QStringLiteral("A"), 50, QColor(0, 0, 255)},
                 {QStringLiteral("B"), 100, QColor(0, 200, 0)},
                 {QStringLiteral("C"), 900, QColor(255, 0, 255)},
                 {QStringLiteral("D"), 0, QColor(0, 0, 0)}});
  QImage image = chart.grab().toImage();
  if (qEnvironmentVariableIsSet("NV_SHOTS")) image.save(QStringLiteral("/tmp/nv_bar_chart.png"));
  const QRect area = chart.plotArea();
  const double slot = area.width() / 4.0;
  auto centreX = [&](int i) { return area.left() + int(slot * i + slot / 2); };

  // The 100 % line is red across the plotting area, between the bars too.
  const int y100 = chart.yOfValue(100);
  EXPECT_EQ(y100, area.bottom() - area.height() / 2);
  EXPECT_EQ(image.pixelColor(area.left() + 2, y100), QColor(255, 0, 0));
  // Bar A reaches half the line's height; bar C fills the axis to the top.
  EXPECT_EQ(image.pixelColor(centreX(0), chart.yOfValue(25)), QColor(0, 0, 255));
  EXPECT_NE(image.pixelColor(centreX(0), chart.yOfValue(75)), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(centreX(2), area.top() + 2), QColor(255, 0, 255));
  EXPECT_NE(image.pixelColor(centreX(2), area.top() - 3), QColor(255, 0, 255));
  // A bar of 0 draws nothing.
  EXPECT_NE(image.pixelColor(centreX(3), chart.yOfValue(10)), QColor(0, 0, 0));
}

TEST(BarChart, WrapsALongTitleOnTwoLinesAndElidesTheRest) {
  nvtest::widgetsApp();
  nv::BarChart chart;
  chart.resize(232, 320);
  const QString title = QStringLiteral("はなこ さんの一日の栄養バランス(％)");
  chart.setTitle(title);
  QFontMetrics fm(chart.font());
  const QStringList narrow = chart.titleLines(fm.horizontalAdvance(title) / 2 + 20);
  ASSERT_EQ(narrow.size(), 2);
  EXPECT_EQ(narrow.join(QString()).remove(QLatin1Char(' ')),
            QString(title).remove(QLatin1Char(' ')));
  // Far too narrow: still two lines, the second ending in an ellipsis.
  const QStringList tiny = chart.titleLines(fm.horizontalAdvance(title) / 4 + 12);
  ASSERT_EQ(tiny.size(), 2);
  EXPECT_TRUE(tiny[1].endsWith(QChar(0x2026)));
  // Wide enough: one line, and the plot starts lower when the title takes two.
  EXPECT_EQ(chart.titleLines(fm.horizontalAdvance(title) + 40).size(), 1);
  const int topOneLine = chart.plotArea().top();
  chart.resize(fm.horizontalAdvance(title) / 2 + 20, 320);
  EXPECT_EQ(chart.plotArea().top(),
            topOneLine + (chart.titleLines(chart.width()).size() == 2 ? fm.height() : 0));
}

namespace {

// The graph window's ten nutrient labels as stored, fixed-width padding included.
std::vector<nv::BarChart::Bar> nutrientBars() {
  const QStringList labels = {QStringLiteral("エネルギー"), QStringLiteral("蛋白質 "),
                              QStringLiteral(" 脂肪  "),    QStringLiteral(" ｶﾙｼｳﾑ "),
                              QStringLiteral(" 鉄分  "),    QStringLiteral("ﾋﾞﾀﾐﾝA "),
                              QStringLiteral("ﾋﾞﾀﾐﾝB1"),    QStringLiteral("ﾋﾞﾀﾐﾝB2"),
                              QStringLiteral("ﾋﾞﾀﾐﾝC "),    QStringLiteral(" 塩分  ")};
  std::vector<nv::BarChart::Bar> bars;
  for (int k = 0; k < labels.size(); ++k) bars.push_back({labels[k], 40.0 + 10 * k, Qt::blue});
  return bars;
}

bool isInk(QColor c) { return c.lightness() < 128; }

// Dark pixels inside a rectangle of an image.
int inkIn(const QImage& image, const QRect& r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += isInk(image.pixelColor(x, y));
  return n;
}

}  // namespace

TEST(BarChart, EveryBarHasItsNameUnderTheAxisTurnedWhenNarrow) {
  nvtest::widgetsApp();
  nv::BarChart chart;
  chart.setBars(nutrientBars());
  chart.resize(232, 340);  // the graph window's width: the names do not fit across
  ASSERT_EQ(chart.layout().nameMode, nv::BarNames::Turned);
  EXPECT_LE(chart.layout().names.height(), 340 / 4);
  EXPECT_GT(chart.layout().names.top(), chart.plotArea().bottom());
  EXPECT_GT(chart.layout().legend.top(), chart.layout().names.bottom());
  const QImage image = chart.grab().toImage();
  const double slot = chart.layout().slotWidth(10);
  for (int i = 0; i < 10; ++i) {
    const QRect column(chart.plotArea().left() + int(slot * i) + 1, chart.layout().names.top(),
                       int(slot) - 2, chart.layout().names.height());
    EXPECT_GT(inkIn(image, column), 10) << "no name under bar " << i;
  }

  // Wide enough for every name across: one line of names.
  chart.resize(900, 340);
  EXPECT_EQ(chart.layout().nameMode, nv::BarNames::Across);
  EXPECT_LE(chart.layout().names.height(), QFontMetrics(chart.font()).height() + 2);
}

TEST(BarChart, LegendShowsTheLabelsExactlyAsStored) {
  nvtest::widgetsApp();
  // The first text pixel right of the swatch: leading spaces push it further right.
  auto textStart = [](const QString& label) {
    nv::BarChart chart;
    chart.resize(232, 300);
    chart.setBars({{label, 50, Qt::blue}});
    const QImage image = chart.grab().toImage();
    const QRect legend = chart.layout().legend;
    for (int x = legend.left() + 6 + 10 + 2; x < legend.right(); ++x)
      if (inkIn(image, QRect(x, legend.top(), 1, legend.height()))) return x;
    return -1;
  };
  const int plain = textStart(QStringLiteral("脂肪"));
  ASSERT_GT(plain, 0);
  EXPECT_GT(textStart(QStringLiteral("  脂肪")), plain + 4);
}

TEST(BarChartPaint, PaperIsWhiteWithoutLegendInsideItsRectangleWithFontsToScale) {
  nvtest::widgetsApp();
  nv::BarChartData data;
  data.title = QStringLiteral("たろう さんの昼食の栄養バランス(％)");
  data.bars = nutrientBars();
  QImage page(700, 900, QImage::Format_RGB32);
  page.fill(QColor(128, 128, 128));
  const QRect rect(50, 60, 600, 800);
  {
    QPainter p(&page);
    nv::paintBarChart(p, rect, data, nv::BarChartStyle::forPaper(QFont()));
  }
  const nv::BarChartLayout l = nv::layoutBarChart(rect, data, nv::BarChartStyle::forPaper(QFont()));
  EXPECT_TRUE(l.legend.isEmpty());
  EXPECT_EQ(l.textFont.pixelSize(), 800 / 24);
  EXPECT_EQ(l.nameMode, nv::BarNames::Stacked);
  // Nothing outside the rectangle; white page corners and below the names.
  EXPECT_EQ(page.pixelColor(rect.left() - 1, rect.top() + 10), QColor(128, 128, 128));
  EXPECT_EQ(page.pixelColor(rect.right() + 1, rect.bottom()), QColor(128, 128, 128));
  EXPECT_EQ(page.pixelColor(rect.left() + 1, rect.bottom() - 1), QColor(Qt::white));
  EXPECT_EQ(inkIn(page, QRect(rect.left(), l.names.bottom() + 2, rect.width(),
                              rect.bottom() - l.names.bottom() - 2)),
            0);
  EXPECT_EQ(page.pixelColor(l.plot.left() + 2, l.yOf(100)), QColor(255, 0, 0));
  // The page function is the same picture.
  QImage again(700, 900, QImage::Format_RGB32);
  again.fill(QColor(128, 128, 128));
  {
    QPainter p(&again);
    nv::paintPaperChart(p, rect, data);
  }
  EXPECT_EQ(again, page);
}

TEST(BarChartPaint, StackedNamesKeepMarksAndLatinRunsTogether) {
  EXPECT_EQ(nv::stackedPieces(QStringLiteral(" ﾋﾞﾀﾐﾝB12 ")),
            (QStringList{QStringLiteral("ﾋﾞ"), QStringLiteral("ﾀ"), QStringLiteral("ﾐ"),
                         QStringLiteral("ﾝ"), QStringLiteral("B12")}));
  EXPECT_EQ(nv::stackedPieces(QStringLiteral("エネルギー")).back(), QString(QChar(0xFF5C)));
}

// Each bar says its percentage at its end, also when it runs off the top; the screen reader
// hears the same values.
TEST(BarChart, EachBarWritesItsPercentageAtItsEnd) {
  nvtest::widgetsApp();
  EXPECT_EQ(nv::barValueText(87.9), QStringLiteral("87%"));
  EXPECT_EQ(nv::barValueText(-0.5), QStringLiteral("0%"));
  EXPECT_EQ(nv::barValueText(std::nan("")), QStringLiteral("0%"));
  EXPECT_EQ(nv::barValueText(1e300), QStringLiteral("1000000000000000%"));
  nv::BarChart chart;
  chart.resize(240, 320);
  chart.setTitle(QStringLiteral("はなこ さんの昼食の栄養バランス(％)"));
  chart.setBars({{QStringLiteral("エネルギー"), 87.6, Qt::white},
                 {QStringLiteral("蛋白質 "), 104, Qt::white},
                 {QStringLiteral("塩分"), 900, Qt::white}});
  EXPECT_EQ(chart.accessibleName(), chart.title());
  EXPECT_EQ(chart.accessibleDescription(),
            QStringLiteral("エネルギー 87%、蛋白質 104%、塩分 900%"));
  const QImage image = chart.grab().toImage();
  const QRect area = chart.plotArea();
  const int slot = area.width() / 3;
  const int textHeight = QFontMetrics(chart.layout().valueFont).height();
  auto above = [&](int i, int top) {
    return QRect(area.left() + slot * i + 1, top - textHeight, slot - 2, textHeight);
  };
  EXPECT_GT(inkIn(image, above(0, chart.yOfValue(87.6))), 5);
  EXPECT_GT(inkIn(image, above(1, chart.yOfValue(104))), 5);
  EXPECT_GT(inkIn(image, above(2, area.top())), 5);  // over the clipped bar, under the title
  EXPECT_GE(area.top() - textHeight, chart.layout().titleTop + QFontMetrics(chart.font()).height());
}

// The six food groups' hatching: drawn when asked (PatternBars=1) and always on paper printed
// in grey, never otherwise; each group's hatching differs from the others.
TEST(BarChartPaint, FoodGroupsCarryTheirHatchingWhenAskedAndOnGreyPaper) {
  nvtest::widgetsApp();
  nv::BarChartData data;
  for (int g = 1; g <= 6; ++g) data.bars.push_back({QStringLiteral("g"), 150, Qt::white, g});
  const QRect rect(0, 0, 600, 400);
  auto paint = [&](bool patterns) {
    data.patterns = patterns;
    QImage image(rect.size(), QImage::Format_RGB32);
    QPainter p(&image);
    nv::paintBarChart(p, rect, data, nv::BarChartStyle::screen(QFont()));
    return image;
  };
  const nv::BarChartLayout l = nv::layoutBarChart(rect, data, nv::BarChartStyle::screen(QFont()));
  const double slot = l.slotWidth(6);
  auto inside = [&](int i) {
    const int x = l.plot.left() + int(slot * i + slot * 0.3);
    return QRect(x, l.yOf(120), int(slot * 0.4), l.yOf(40) - l.yOf(120));
  };
  const QImage plain = paint(false), hatched = paint(true);
  std::set<QByteArray> looks;
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(inkIn(plain, inside(i)), 0) << i;
    EXPECT_GT(inkIn(hatched, inside(i)), 20) << i;
    const QImage piece = hatched.copy(inside(i)).convertToFormat(QImage::Format_Mono);
    looks.insert(QByteArray(reinterpret_cast<const char*>(piece.constBits()), piece.sizeInBytes()));
  }
  EXPECT_EQ(looks.size(), 6u);

  data.patterns = false;
  QPrinter grey(QPrinter::ScreenResolution), colour(QPrinter::ScreenResolution);
  grey.setColorMode(QPrinter::GrayScale);
  colour.setColorMode(QPrinter::Color);
  QImage screen(10, 10, QImage::Format_RGB32);
  EXPECT_TRUE(nv::drawsPatterns(data, &grey));
  EXPECT_FALSE(nv::drawsPatterns(data, &colour));
  EXPECT_FALSE(nv::drawsPatterns(data, &screen));
  data.patterns = true;
  EXPECT_TRUE(nv::drawsPatterns(data, &colour));
}
