#include "widgets/bar_chart.h"

#include <gtest/gtest.h>

#include <QImage>

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
