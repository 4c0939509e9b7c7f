#include "widgets/bar_chart_paint.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace nv {
namespace {

constexpr int kScreenMargin = 6;
constexpr int kAxisLabelGap = 4;
constexpr int kLegendSwatch = 10;
constexpr int kLegendGap = 8;
// Turned names take at most this share of the chart's height; longer ones are abbreviated.
constexpr int kTurnedShare = 4;

QFont sizedFont(const QFont& face, int pixels, bool bold) {
  QFont f = face;
  f.setPixelSize(std::max(1, pixels));
  f.setBold(bold);
  return f;
}

int legendHeight(const std::vector<BarChartData::Bar>& bars, const QFontMetrics& fm, int width) {
  if (bars.empty()) return 0;
  int x = kScreenMargin, rows = 1;
  for (const auto& b : bars) {
    const int w = kLegendSwatch + 3 + fm.horizontalAdvance(b.label) + kLegendGap;
    if (x + w > width - kScreenMargin && x > kScreenMargin) {
      ++rows;
      x = kScreenMargin;
    }
    x += w;
  }
  return rows * (fm.height() + 2) + kScreenMargin;
}

bool namesFitAcross(const std::vector<BarChartData::Bar>& bars, const QFontMetrics& fm,
                    double slot) {
  for (const auto& b : bars)
    if (fm.horizontalAdvance(barName(b.label)) > int(slot * 0.95)) return false;
  return true;
}

int widestName(const std::vector<BarChartData::Bar>& bars, const QFontMetrics& fm) {
  int widest = 0;
  for (const auto& b : bars) widest = std::max(widest, fm.horizontalAdvance(barName(b.label)));
  return widest;
}

void drawName(QPainter& p, const BarChartLayout& l, const QRect& slot, const QString& name) {
  const QFontMetrics fm(p.font());
  switch (l.nameMode) {
    case BarNames::Across:
      p.drawText(slot, Qt::AlignHCenter | Qt::AlignTop, name);
      return;
    case BarNames::Stacked: {
      int y = slot.top();
      for (const QString& piece : stackedPieces(name)) {
        if (y + fm.height() > slot.bottom() + 1) break;
        p.drawText(QRect(slot.left(), y, slot.width(), fm.height()), Qt::AlignCenter, piece);
        y += fm.height() * 9 / 10;
      }
      return;
    }
    case BarNames::Turned: {
      // Read top to bottom from just under the axis, as a name set sideways in a column.
      const int length = slot.height();
      p.save();
      p.translate(slot.center().x(), slot.top());
      p.rotate(90);
      p.drawText(QRect(0, -fm.height() / 2, length, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                 fm.elidedText(name, Qt::ElideRight, length));
      p.restore();
      return;
    }
  }
}

// The percentages' face: a little smaller than the names, smaller still until "200%" fits a
// bar's column (never below 6 pixels). The values change on every slider move; the layout
// does not.
QFont valueFontFor(const QFont& text, double slot) {
  QFont f = text;
  int pixels = std::max(6, QFontInfo(text).pixelSize() * 9 / 10);
  f.setPixelSize(pixels);
  const QString sample = QStringLiteral("200%");
  while (pixels > 6 && QFontMetrics(f).horizontalAdvance(sample) > int(slot))
    f.setPixelSize(--pixels);
  return f;
}

}  // namespace

QString barValueText(double value) {
  if (!std::isfinite(value)) return QStringLiteral("0%");
  const double t = std::trunc(value);
  const long long n = t > 1e15    ? 1000000000000000LL
                      : t < -1e15 ? -1000000000000000LL
                                  : (long long)t;
  return QString::number(n) + u'%';
}

QString chartDescription(const BarChartData& data) {
  QStringList parts;
  for (const auto& b : data.bars) parts << barName(b.label) + u' ' + barValueText(b.value);
  return parts.join(QChar(0x3001));  // 、
}

bool drawsPatterns(const BarChartData& data, const QPaintDevice* device) {
  if (data.patterns) return true;
  if (!device || device->devType() != QInternal::Printer) return false;
  return static_cast<const QPrinter*>(device)->colorMode() == QPrinter::GrayScale;
}

void paintHatch(QPainter& p, const QRect& rect, int pattern, int spacing, int lineWidth) {
  if (pattern < 1 || pattern > 6 || rect.isEmpty()) return;
  spacing = std::max(2, spacing);
  p.save();
  p.setClipRect(rect, Qt::IntersectClip);
  p.setPen(QPen(QColor(0, 0, 0), std::max(1, lineWidth), Qt::SolidLine, Qt::FlatCap));
  const int w = rect.width(), h = rect.height();
  auto diagonals = [&](bool rising) {
    for (int d = -h; d < w + h; d += spacing) {
      const int x = rect.left() + d;
      if (rising) {
        p.drawLine(x, rect.bottom(), x + h, rect.bottom() - h);
      } else {
        p.drawLine(x, rect.top(), x + h, rect.top() + h);
      }
    }
  };
  auto horizontals = [&] {
    for (int y = rect.top() + spacing / 2; y <= rect.bottom(); y += spacing)
      p.drawLine(rect.left(), y, rect.right(), y);
  };
  auto verticals = [&] {
    for (int x = rect.left() + spacing / 2; x <= rect.right(); x += spacing)
      p.drawLine(x, rect.top(), x, rect.bottom());
  };
  switch (pattern) {
    case 1:
      diagonals(true);
      break;
    case 2:
      diagonals(false);
      break;
    case 3:
      horizontals();
      break;
    case 4:
      verticals();
      break;
    case 5:
      horizontals();
      verticals();
      break;
    case 6:
      diagonals(true);
      diagonals(false);
      break;
  }
  p.restore();
}

QString barName(const QString& label) { return label.trimmed(); }

QStringList stackedPieces(const QString& label) {
  QStringList pieces;
  for (const QChar ch : label) {
    if (ch.isSpace()) continue;
    const char16_t u = ch.unicode();
    const bool mark = u == 0xFF9E || u == 0xFF9F || (u >= 0x3099 && u <= 0x309C);
    const bool latin = u < 0x80 && ch.isLetterOrNumber();
    if (!pieces.isEmpty() && (mark || (latin && pieces.back().back().unicode() < 0x80))) {
      pieces.back() += ch;
      continue;
    }
    pieces << ((u == 0x30FC || u == 0xFF70) ? QString(QChar(0xFF5C)) : QString(ch));
  }
  return pieces;
}

QStringList chartTitleLines(const QString& title, const QFont& font, int width) {
  QStringList lines;
  if (title.isEmpty()) return lines;
  const int avail = std::max(1, width);
  const QFontMetrics fm(font);
  QTextLayout layout(title, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  for (;;) {
    QTextLine line = layout.createLine();
    if (!line.isValid()) break;
    line.setLineWidth(avail);
    if (lines.size() == 1) {
      lines << fm.elidedText(title.mid(line.textStart()), Qt::ElideRight, avail);
      break;
    }
    lines << title.mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  return lines;
}

BarChartLayout layoutBarChart(const QRect& rect, const BarChartData& data,
                              const BarChartStyle& style) {
  BarChartLayout l;
  l.bounds = rect;
  l.paper = style.paper;
  l.axisMaximum = data.axisMaximum > 0 ? data.axisMaximum : 200;
  const int h = rect.height();
  const int pad = style.paper ? std::max(2, h / 60) : kScreenMargin;
  l.titleFont = style.paper ? sizedFont(style.font, h / 14, true) : style.font;
  l.textFont = style.paper ? sizedFont(style.font, h / 24, false) : style.font;
  if (style.paper) {
    // A long title on paper gets a smaller face (down to two thirds) before it wraps.
    const int room = rect.width() - 2 * pad;
    const int width = QFontMetrics(l.titleFont).horizontalAdvance(data.title);
    if (width > room && width > 0)
      l.titleFont.setPixelSize(std::max(h / 21, std::max(1, h / 14 * room / width)));
  }
  const QFontMetrics tm(l.titleFont), fm(l.textFont);

  l.titleLines = chartTitleLines(data.title, l.titleFont, rect.width() - 2 * pad);
  const int titleRows = int(l.titleLines.size());
  l.titleTop = rect.top() + pad;
  const QString widestAxis = style.paper ? QStringLiteral("200%") : QStringLiteral("200");
  const int left = rect.left() + pad + fm.horizontalAdvance(widestAxis) + kAxisLabelGap;
  const int right = rect.right() - pad;
  l.valueFont = valueFontFor(l.textFont, double(std::max(1, right - left)) /
                                             double(std::max<size_t>(1, data.bars.size())));
  // Room above the axis for the percentage of a bar that runs off the top.
  const int valueRoom = data.bars.empty() ? 0 : QFontMetrics(l.valueFont).height();
  const int top = rect.top() + pad + (titleRows == 0 ? 0 : titleRows * tm.height() + pad) +
                  std::max(fm.height() / 2, valueRoom);

  const int legend = style.paper ? 0 : legendHeight(data.bars, fm, rect.width());
  const double slot =
      double(std::max(1, right - left)) / double(std::max<size_t>(1, data.bars.size()));
  int namesHeight = 0;
  if (!data.bars.empty()) {
    if (namesFitAcross(data.bars, fm, slot)) {
      l.nameMode = BarNames::Across;
      namesHeight = fm.height() + 2;
    } else if (style.paper) {
      l.nameMode = BarNames::Stacked;
      qsizetype rows = 1;
      for (const auto& b : data.bars) rows = std::max(rows, stackedPieces(barName(b.label)).size());
      namesHeight = std::min(h / 3, int(rows) * fm.height() * 9 / 10 + pad);
    } else {
      l.nameMode = BarNames::Turned;
      namesHeight = std::min(h / kTurnedShare, widestName(data.bars, fm) + 4);
    }
  }

  const int bottom = rect.bottom() - legend - namesHeight - pad;
  l.plot = QRect(QPoint(left, top), QPoint(std::max(left + 1, right), std::max(top + 1, bottom)));
  l.names = QRect(l.plot.left(), l.plot.bottom() + 3, l.plot.width(), std::max(0, namesHeight - 2));
  if (legend > 0)
    l.legend = QRect(rect.left(), l.names.bottom() + 3, rect.width(),
                     std::max(0, rect.bottom() - l.names.bottom() - 2));
  return l;
}

void paintBarChart(QPainter& painter, const QRect& rect, const BarChartData& data,
                   const BarChartStyle& style) {
  painter.save();
  painter.setClipRect(rect);
  painter.fillRect(rect, Qt::white);
  painter.restore();
  paintBarChart(painter, layoutBarChart(rect, data, style), data);
}

void paintBarChart(QPainter& p, const BarChartLayout& l, const BarChartData& data) {
  p.save();
  const QRect& area = l.plot;
  const QFontMetrics tm(l.titleFont), fm(l.textFont);
  // Lines of 1 pixel on screen, thicker with the larger fonts of paper.
  const int thin = l.paper ? std::max(1, l.bounds.height() / 400) : 1;

  p.setPen(Qt::black);
  p.setFont(l.titleFont);
  int titleY = l.titleTop;
  for (const QString& line : l.titleLines) {
    p.drawText(QRect(l.bounds.left(), titleY, l.bounds.width(), tm.height()),
               Qt::AlignHCenter | Qt::AlignVCenter, line);
    titleY += tm.height();
  }

  // Grid lines and axis labels every 50 %.
  p.setFont(l.textFont);
  for (int v = 0; v <= int(l.axisMaximum); v += 50) {
    const int y = l.yOf(v);
    p.setPen(QPen(QColor(220, 220, 220), thin));
    p.drawLine(area.left(), y, area.right(), y);
    p.setPen(Qt::black);
    QString text = QString::number(v);
    if (l.paper) text += QLatin1Char('%');
    p.drawText(QRect(area.left() - kAxisLabelGap - 200, y - fm.height() / 2, 200, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, text);
  }

  // Bars from 0, clipped at the top of the axis, each with its name under the axis and its
  // percentage above its end.
  const double slot = l.slotWidth(data.bars.size());
  const int barWidth = std::max(1, int(slot * 0.7));
  const bool patterns = drawsPatterns(data, p.device());
  const QFontMetrics vm(l.valueFont);
  for (size_t i = 0; i < data.bars.size(); ++i) {
    const auto& b = data.bars[i];
    const int x = area.left() + int(slot * double(i) + (slot - barWidth) / 2);
    int end = area.bottom();
    if (b.value > 0 && std::isfinite(b.value)) {
      const int y = std::max(area.top(), l.yOf(std::min(b.value, l.axisMaximum)));
      const QRect bar(QPoint(x, y), QPoint(x + barWidth - 1, area.bottom() - 1));
      p.fillRect(bar, b.colour);
      if (patterns) paintHatch(p, bar, b.pattern, std::max(4, barWidth / 4), thin);
      p.setPen(QPen(QColor(90, 90, 90), thin));
      p.drawRect(bar);
      end = y;
    }
    p.setPen(Qt::black);
    p.setFont(l.valueFont);
    QString value = barValueText(b.value);
    if (vm.horizontalAdvance(value) > int(slot)) value.chop(1);  // 1000 and more: no "%"
    p.drawText(
        QRect(area.left() + int(slot * double(i)), end - vm.height(), int(slot), vm.height()),
        Qt::AlignHCenter | Qt::AlignBottom, value);
    p.setFont(l.textFont);
    p.setPen(Qt::black);
    drawName(p, l,
             QRect(area.left() + int(slot * double(i)), l.names.top(), int(slot), l.names.height()),
             barName(b.label));
  }

  p.setPen(QPen(Qt::black, thin));
  p.drawLine(area.bottomLeft(), area.topLeft());
  p.drawLine(area.bottomLeft(), area.bottomRight());

  // The 100 % line.
  p.setPen(QPen(QColor(255, 0, 0), l.paper ? std::max(1, l.bounds.height() / 200) : 1));
  const int y100 = l.yOf(data.referenceValue);
  p.drawLine(area.left(), y100, area.right(), y100);

  // Legend: the labels exactly as stored, so the fixed-width forms line up.
  if (!l.legend.isEmpty()) {
    const int right = l.legend.right() - kScreenMargin;
    int x = l.legend.left() + kScreenMargin, y = l.legend.top();
    for (const auto& b : data.bars) {
      const int w = kLegendSwatch + 3 + fm.horizontalAdvance(b.label) + kLegendGap;
      if (x + w > right && x > l.legend.left() + kScreenMargin) {
        x = l.legend.left() + kScreenMargin;
        y += fm.height() + 2;
      }
      const QRect swatch(x, y + (fm.height() - kLegendSwatch) / 2, kLegendSwatch, kLegendSwatch);
      p.fillRect(swatch, b.colour);
      if (patterns) paintHatch(p, swatch, b.pattern, 3, 1);
      p.setPen(Qt::black);
      p.drawRect(swatch);
      p.drawText(QPoint(x + kLegendSwatch + 3, y + fm.ascent()), b.label);
      x += w;
    }
  }
  p.restore();
}

}  // namespace nv
