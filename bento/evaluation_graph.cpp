#include "bento/evaluation_graph.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "core/gun_name.h"
#include "platform/qt/qtext.h"

namespace nv {

void paintEvaluationGraph(QPainter& painter, const QRect& rect, int fontPointSize,
                          const std::vector<GraphRow>& rows,
                          const std::array<int32_t, 7>& groupColors) {
  if (rows.empty()) return;
  painter.save();
  const int L = rect.left(), T = rect.top(), R = rect.left() + rect.width(),
            B = rect.top() + rect.height();
  const int pw = 1;
  painter.setPen(QPen(Qt::black, pw));
  painter.setBrush(Qt::white);
  painter.drawRect(QRect(L, T, R - L - 1, B - T - 1));

  const int n = int(rows.size());
  const int h = (B - T) / n;
  QFont font = painter.font();
  // A large font on a small graph shrinks until a label fits its row.
  int points = std::max(1, fontPointSize);
  font.setPointSize(points);
  while (points > 6 && QFontMetrics(font, painter.device()).height() > h)
    font.setPointSize(--points);
  painter.setFont(font);
  QFontMetrics fm(font, painter.device());
  int w = 0;
  for (int i = 0; i < n; ++i) {
    const QString label = toQ(rows[size_t(i)].label);
    w = std::max(w, fm.horizontalAdvance(label));
    const int y = T + 2 * pw + i * h + (h - fm.height()) / 2;
    painter.drawText(QRect(L + 2 * pw, y, fm.horizontalAdvance(label) + 1, fm.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, label);
  }
  const int x0 = L + 3 * pw + w;
  const int half = (R - L - 3 * pw - w) / 2;

  font.setPointSize(std::max(1, points - 1));
  painter.setFont(font);
  fm = QFontMetrics(font, painter.device());
  for (int i = 0; i < n; ++i) {
    const GraphRow& row = rows[size_t(i)];
    const int top = T + 2 * pw + i * h, bottom = T + 2 * pw + (i + 1) * h;
    const int right = barRight(x0, half, R, row.ratio);
    const int c = row.colorGroup;
    const Rgb rgb = rgbOfWinColor(c >= 0 && c < 7 ? groupColors[size_t(c)] : kWinColorWhite);
    painter.setPen(QPen(Qt::black, pw));
    painter.setBrush(QColor(rgb.r, rgb.g, rgb.b));
    if (right > x0) painter.drawRect(QRect(x0, top, right - x0 - 1, bottom - top - 1));
    const QString text = toQ(row.percentText);
    const int tw = fm.horizontalAdvance(text) + 2;
    const int tx = right + tw < R ? right : right - tw;
    const QRect tr(tx, top + (bottom - top - fm.height()) / 2, tw, fm.height());
    painter.fillRect(tr, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(tr, Qt::AlignCenter, text);
  }
  painter.setPen(QPen(Qt::black, pw));
  painter.drawLine(x0, T, x0, T + 2 * pw + n * h);
  painter.setPen(QPen(Qt::red, pw));
  painter.drawLine(x0 + half, T + 2 * pw, x0 + half, T + 2 * pw + n * h);
  painter.restore();
}

}  // namespace nv
