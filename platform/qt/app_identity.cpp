#include "platform/qt/app_identity.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace nv {
namespace {
// The outline colour of the program's drawn pictures.
const QColor kInk{92, 66, 52};
// Pixel sizes of the hicolor theme's bitmap folders.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
}  // namespace

void paintAppIcon(QPainter& p, const QRectF& r) {
  p.save();
  p.translate(r.topLeft());
  p.scale(r.width() / 256.0, r.height() / 256.0);
  const bool small = r.width() < 40;  // below this only the bars and the line stay legible
  const double line = small ? 14 : 6;

  // Tile.
  QPainterPath tile;
  tile.addRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
  QLinearGradient g(0, 8, 0, 248);
  g.setColorAt(0, QColor(255, 246, 220));
  g.setColorAt(1, QColor(255, 226, 186));
  p.setPen(QPen(QColor(214, 150, 96), line));
  p.setBrush(g);
  p.drawPath(tile);

  // Bars of four nutrients, the tallest reaching past the 100 % line.
  const QColor bars[] = {QColor(236, 96, 86), QColor(246, 190, 50), QColor(96, 176, 90),
                         QColor(90, 160, 220)};
  const double heights[] = {92, 126, 78, 112};
  const double base = small ? 212 : 150;
  const double scaleY = small ? 1.3 : 1.0;
  for (int i = 0; i < 4; ++i) {
    QPainterPath bar;
    const double h = heights[i] * scaleY;
    bar.addRoundedRect(QRectF(40 + i * 46, base - h, 34, h), 6, 6);
    p.setPen(QPen(kInk, small ? 10 : 5));
    p.setBrush(bars[i]);
    p.drawPath(bar);
  }
  p.setPen(QPen(QColor(220, 40, 40), small ? 14 : 7, Qt::SolidLine, Qt::RoundCap));
  const double hundred = base - 104 * scaleY;
  if (small) {
    p.drawLine(QPointF(28, hundred), QPointF(228, hundred));
  } else {
    // Dashes as separate strokes: an SVG renderer draws them exactly alike.
    for (double x = 28; x < 228; x += 26) p.drawLine(QPointF(x, hundred), QPointF(x + 14, hundred));
  }

  if (!small) {
    // A bowl of rice on the tray below.
    p.setPen(QPen(kInk, 5));
    p.setBrush(QColor(236, 186, 130));
    p.drawRoundedRect(QRectF(28, 164, 200, 68), 16, 16);
    QPainterPath rice;
    rice.moveTo(76, 200);
    rice.cubicTo(76, 160, 180, 160, 180, 200);
    rice.closeSubpath();
    p.setBrush(QColor(255, 255, 250));
    p.drawPath(rice);
    QPainterPath bowl;
    bowl.moveTo(68, 198);
    bowl.lineTo(188, 198);
    bowl.cubicTo(184, 232, 72, 232, 68, 198);
    bowl.closeSubpath();
    p.setBrush(QColor(214, 80, 70));
    p.drawPath(bowl);
  }
  p.restore();
}

QIcon applicationIcon() {
  QIcon painted;
  for (int size : kIconSizes) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    paintAppIcon(p, QRectF(0, 0, size, size));
    p.end();
    painted.addPixmap(QPixmap::fromImage(image));
  }
  return QIcon::fromTheme(QStringLiteral("nuvelta"), painted);
}

void setApplicationIdentity() {
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
  QGuiApplication::setWindowIcon(applicationIcon());
}

}  // namespace nv
