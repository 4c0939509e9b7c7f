#include "summary/pages/class_pages.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "summary/model/class_summary.h"
#include "summary/model/summary_text.h"
#include "summary/pages/band_style.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

// Everything on a page is measured in hundredths of the page's height.
struct Units {
  explicit Units(const QRect& page) : u(page.height() / 100.0), page(page) {}
  double operator()(double n) const { return n * u; }
  double u;
  QRect page;
};

QFont pageFont(double pixelSize, bool bold = false) {
  QFont f;
  f.setFamilies({u"ＭＳ Ｐゴシック"_s, QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                 QStringLiteral("sans-serif")});
  f.setPixelSize(std::max(1, int(pixelSize)));
  f.setBold(bold);
  return f;
}

// Draws text inside rect: on one line when it fits, else wrapped, else in a smaller font (down
// to half) until it fits.
void drawFitted(QPainter& p, const QRectF& rect, const QString& text, int align) {
  const QFont base = p.font();
  const QRectF inner = rect.adjusted(2, 1, -2, -1);
  QFont f = base;
  for (double scale = 1.0;; scale -= 0.1) {
    f.setPixelSize(std::max(1, int(base.pixelSize() * scale)));
    const QFontMetricsF fm(f);
    const QRectF need = fm.boundingRect(inner, int(align) | Qt::TextWordWrap, text);
    if ((need.width() <= inner.width() + 0.5 && need.height() <= inner.height() + 0.5) ||
        scale <= 0.55)
      break;
  }
  p.setFont(f);
  p.drawText(inner, align | Qt::TextWordWrap, text);
  p.setFont(base);
}

std::string columnTitle(int c) { return summaryColumnTitles()[size_t(c)]; }

void paintLegend(QPainter& p, const QRectF& r, double spacing) {
  const Band bands[] = {Band::Under, Band::Within, Band::Over};
  const double w = r.width() / 3;
  for (int i = 0; i < 3; ++i) {
    const QRectF swatch(r.left() + i * w, r.top() + r.height() * 0.2, r.height() * 1.2,
                        r.height() * 0.6);
    paintBandFill(p, swatch, bands[i], spacing);
    p.setPen(Qt::black);
    p.drawRect(swatch);
    const double gap = r.height() * 0.2;
    drawFitted(p, QRectF(swatch.right() + gap, r.top(), w - swatch.width() - 2 * gap, r.height()),
               toQ(classRowTitle(ClassRow(int(ClassRow::Under) + i))),
               Qt::AlignLeft | Qt::AlignVCenter);
  }
}

// A table of cells with a grid; column widths by weight.
class Table {
 public:
  Table(QPainter& p, const QRectF& area, const std::vector<double>& weights, double spacing)
      : p_(p), area_(area), spacing_(spacing) {
    double sum = 0;
    for (double w : weights) sum += w;
    double x = area.left();
    for (double w : weights) {
      left_.push_back(x);
      x += area.width() * w / sum;
    }
    left_.push_back(area.right());
  }
  QRectF cell(int col, double top, double height) const {
    return QRectF(left_[size_t(col)], top, left_[size_t(col) + 1] - left_[size_t(col)], height);
  }
  void text(int col, double top, double height, const QString& s, int align = Qt::AlignCenter,
            const Band* band = nullptr) {
    const QRectF r = cell(col, top, height);
    if (band) {
      paintBandFill(p_, r, *band, spacing_);
      // The number stays legible over the hatching.
      const double w = QFontMetricsF(p_.font()).horizontalAdvance(s) + 4;
      const QRectF back(r.center().x() - w / 2, r.center().y() - r.height() * 0.32, w,
                        r.height() * 0.64);
      p_.fillRect(back.intersected(r), Qt::white);
    }
    p_.setPen(Qt::black);
    drawFitted(p_, r, s, align | Qt::AlignVCenter);
    p_.setPen(QPen(Qt::black, std::max(1.0, spacing_ / 8)));
    p_.drawRect(r);
  }

 private:
  QPainter& p_;
  QRectF area_;
  double spacing_;
  std::vector<double> left_;
};

void paintTitle(QPainter& p, const Units& u, const ClassSummary& s, const QString& tail) {
  p.setPen(Qt::black);
  p.setFont(pageFont(u(3.4), true));
  const QString title = u"クラスのまとめ　"_s + toQ(mealText(s.meal)) + tail;
  p.drawText(QRectF(u(4), u(3), u.page.width() - u(8), u(5)), Qt::AlignLeft | Qt::AlignVCenter,
             title);
}

void paintFirstPage(QPainter& p, const Units& u, const ClassSummary& s) {
  paintTitle(p, u, s, QString());
  int menus = 0;
  for (const ChildResult& c : s.children) menus += c.kind == ChildKind::Menu;
  QString line = u"%1人（献立 %2・お弁当 %3）"_s.arg(s.children.size())
                     .arg(menus)
                     .arg(int(s.children.size()) - menus);
  if (!s.unreadable.empty()) line += u"　読めなかったファイル %1"_s.arg(s.unreadable.size());
  p.setFont(pageFont(u(2.2)));
  p.drawText(QRectF(u(4), u(8), u.page.width() - u(8), u(3.5)), Qt::AlignLeft | Qt::AlignVCenter,
             line);
  paintClassChart(p, QRect(int(u(4)), int(u(12)), int(u.page.width() - u(8)), int(u(47))), s);

  // The class rows: one column per nutrient and group.
  std::vector<double> weights(kSummaryColumns + 1, 1.0);
  weights[0] = 1.6;
  p.setFont(pageFont(u(1.9)));
  Table t(p, QRectF(u(4), u(62), u.page.width() - u(8), u(34)), weights, u(1.0));
  const double headH = u(5.2), rowH = u(4.4);
  t.text(0, u(62), headH, QString());
  for (int c = 0; c < kSummaryColumns; ++c) t.text(c + 1, u(62), headH, toQ(columnTitle(c)));
  for (int r = 0; r < kClassRowCount; ++r) {
    const double top = u(62) + headH + r * rowH;
    t.text(0, top, rowH, toQ(classRowTitle(ClassRow(r))));
    for (int c = 0; c < kSummaryColumns; ++c) {
      const ColumnStats& st = s.stats[size_t(c)];
      const QString text = toQ(classRowCell(st, ClassRow(r)));
      // The median, lowest and highest are percentages and take their band's look.
      if (r <= int(ClassRow::Highest) && st.children) {
        const double v = r == 0 ? st.median : r == 1 ? st.lowest : st.highest;
        const Band band = bandOf(wholePercent(v));
        t.text(c + 1, top, rowH, text, Qt::AlignCenter, &band);
      } else {
        t.text(c + 1, top, rowH, text);
      }
    }
  }
}

constexpr int kFixedColumns = kChildFixedColumns;

double tableRowHeight(const Units& u) { return u(3.3); }
double tableHeaderHeight(const Units& u) { return u(5.6); }
int rowsPerPage(const Units& u) {
  return std::max(1, int((u(100) - u(10) - u(4) - tableHeaderHeight(u)) / tableRowHeight(u)));
}

void paintChildrenPage(QPainter& p, const Units& u, const ClassSummary& s, int index, int count) {
  paintTitle(p, u, s, u"　子どもごと（%1/%2）"_s.arg(index).arg(count - 1));
  std::vector<double> weights = {3.2, 3.0, 1.1, 1.1, 1.1, 1.5, 1.6, 1.6};
  weights.resize(kFixedColumns + kSummaryColumns, 1.25);
  p.setFont(pageFont(u(1.8)));
  Table t(p, QRectF(u(4), u(10), u.page.width() - u(8), u(86)), weights, u(0.9));

  const double headH = tableHeaderHeight(u), rowH = tableRowHeight(u);
  for (int c = 0; c < kFixedColumns; ++c)
    t.text(c, u(10), headH, toQ(childColumnTitles()[size_t(c)]));
  for (int c = 0; c < kSummaryColumns; ++c)
    t.text(kFixedColumns + c, u(10), headH, toQ(columnTitle(c)));
  const int per = rowsPerPage(u);
  const size_t first = size_t(index - 1) * size_t(per);
  for (size_t i = first; i < std::min(s.children.size(), first + size_t(per)); ++i) {
    const ChildResult& c = s.children[i];
    const double top = u(10) + headH + double(i - first) * rowH;
    const auto fixed = childFixedCells(c);
    for (int col = 0; col < kFixedColumns; ++col)
      t.text(col, top, rowH, toQ(fixed[size_t(col)]), col < 2 ? Qt::AlignLeft : Qt::AlignCenter);
    const Percents* values = c.percents(s.meal);
    for (int col = 0; col < kSummaryColumns; ++col) {
      if (!values) {
        t.text(kFixedColumns + col, top, rowH, QString());
        continue;
      }
      const int whole = wholePercent((*values)[size_t(col)]);
      const Band band = bandOf(whole);
      t.text(kFixedColumns + col, top, rowH, QString::number(whole), Qt::AlignCenter, &band);
    }
  }
}

}  // namespace

void paintClassChart(QPainter& p, const QRect& rect, const ClassSummary& s) {
  p.save();
  const double rowH = rect.height() / double(kSummaryColumns + 1);
  const double spacing = std::max(3.0, rowH / 4);
  // Sized by the row, and by the width where the rectangle is narrow (a window's side panel).
  p.setFont(pageFont(std::min(rowH * 0.5, rect.width() / 24.0)));
  p.setPen(Qt::black);
  paintLegend(p, QRectF(rect.left() + rect.width() * 0.15, rect.top(), rect.width() * 0.85, rowH),
              spacing);
  const double labelW = rect.width() * 0.15;
  const double barLeft = rect.left() + labelW, barW = rect.width() - labelW - 2;
  for (int c = 0; c < kSummaryColumns; ++c) {
    const double top = rect.top() + (c + 1) * rowH;
    const ColumnStats& st = s.stats[size_t(c)];
    p.setPen(Qt::black);
    drawFitted(p, QRectF(rect.left(), top, labelW - 4, rowH), toQ(columnTitle(c)),
               Qt::AlignRight | Qt::AlignVCenter);
    const QRectF bar(barLeft, top + rowH * 0.12, barW, rowH * 0.76);
    if (st.children == 0) {
      p.setPen(Qt::gray);
      p.drawRect(bar);
      continue;
    }
    double x = bar.left();
    for (int b = 0; b < 3; ++b) {
      const double w = bar.width() * st.bands[size_t(b)] / st.children;
      if (w <= 0) continue;
      const QRectF seg(x, bar.top(), w, bar.height());
      paintBandFill(p, seg, Band(b), spacing);
      const QString n = QString::number(st.bands[size_t(b)]);
      const double tw = QFontMetricsF(p.font()).horizontalAdvance(n) + 6;
      if (tw < w) {
        const QRectF back(seg.center().x() - tw / 2, seg.top() + seg.height() * 0.15, tw,
                          seg.height() * 0.7);
        p.fillRect(back, Qt::white);
        p.setPen(Qt::black);
        p.drawText(back, Qt::AlignCenter, n);
      }
      x += w;
    }
    p.setPen(QPen(Qt::black, std::max(1.0, spacing / 6)));
    p.drawRect(bar);
  }
  p.restore();
}

int classPageCount(const ClassSummary& s, QSize page) {
  if (s.children.empty() || page.height() <= 0) return 1;
  const Units u(QRect(QPoint(), page));
  const int per = rowsPerPage(u);
  return 1 + int((s.children.size() + size_t(per) - 1) / size_t(per));
}

void paintClassPage(QPainter& p, const QRect& page, const ClassSummary& s, int index) {
  p.save();
  p.fillRect(page, Qt::white);
  p.translate(page.topLeft());
  const Units u(QRect(QPoint(), page.size()));
  if (index == 0)
    paintFirstPage(p, u, s);
  else
    paintChildrenPage(p, u, s, index, classPageCount(s, page.size()));
  p.restore();
}

bool printClassPages(QPagedPaintDevice& device, const ClassSummary& s) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRect page(0, 0, device.width(), device.height());
  const int count = classPageCount(s, page.size());
  for (int i = 0; i < count; ++i) {
    if (i > 0 && !device.newPage()) {
      painter.end();
      return false;
    }
    paintClassPage(painter, page, s, i);
  }
  return painter.end();
}

}  // namespace nv
