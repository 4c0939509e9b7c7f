#include "summary/pages/band_style.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace nv {

QColor bandColor(Band band) {
  switch (band) {
    case Band::Under:
      return QColor(248, 196, 196);
    case Band::Within:
      return QColor(206, 238, 206);
    case Band::Over:
      return QColor(196, 214, 250);
  }
  return Qt::white;
}

void paintBandFill(QPainter& p, const QRectF& rect, Band band, double spacing) {
  p.save();
  p.fillRect(rect, bandColor(band));
  if (band != Band::Within && rect.width() > 0 && rect.height() > 0) {
    spacing = std::max(spacing, 2.0);
    p.setClipRect(rect, Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor ink = band == Band::Under ? QColor(150, 30, 30) : QColor(30, 50, 150);
    p.setPen(QPen(ink, std::max(1.0, spacing / 6)));
    const double h = rect.height();
    // Lines at 45 degrees from the left edge past the right one, so every corner is covered.
    for (double x = rect.left() - h; x < rect.right(); x += spacing) {
      p.drawLine(QPointF(x, rect.bottom()), QPointF(x + h, rect.top()));
      if (band == Band::Over) p.drawLine(QPointF(x, rect.top()), QPointF(x + h, rect.bottom()));
    }
  }
  p.restore();
}

}  // namespace nv
