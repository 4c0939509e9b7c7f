#include <QDir>
#include <QFileInfo>
#include <QtMath>

#include "art.h"

namespace art {

QImage canvas(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

QImage solid(int w, int h, QColor fill) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(fill);
  return img;
}

void prepare(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QImage flatten(const QImage& argb, QColor key) {
  const QImage src = argb.convertToFormat(QImage::Format_ARGB32);
  QImage out(src.size(), QImage::Format_RGB32);
  const QRgb keyRgb = key.rgb();
  // The nearest colour that is not the key: one step off in the channel with most room.
  QColor nudged = key;
  nudged.setBlue(key.blue() > 0 ? key.blue() - 1 : 1);
  const QRgb nudgedRgb = nudged.rgb();
  for (int y = 0; y < src.height(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
    QRgb* o = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < src.width(); ++x) {
      const QRgb c = in[x];
      if (qAlpha(c) < 128) {
        o[x] = keyRgb;
      } else {
        const QRgb opaque = qRgb(qRed(c), qGreen(c), qBlue(c));
        o[x] = (opaque == keyRgb) ? nudgedRgb : opaque;
      }
    }
  }
  return out;
}

QImage keyToAlpha(const QImage& image, QColor key) {
  QImage cut = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb k = key.rgb() & 0xFFFFFF;
  for (int y = 0; y < cut.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(cut.scanLine(y));
    for (int x = 0; x < cut.width(); ++x)
      if ((line[x] & 0xFFFFFF) == k) line[x] = 0;
  }
  return cut;
}

static bool ensureFolder(const QString& path) {
  return QDir().mkpath(QFileInfo(path).absolutePath());
}

bool saveBmp(const QImage& image, const QString& path) {
  if (!ensureFolder(path)) return false;
  return image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

bool saveJpeg(const QImage& image, const QString& path, int quality) {
  if (!ensureFolder(path)) return false;
  return image.convertToFormat(QImage::Format_RGB888).save(path, "JPEG", quality);
}

QPen inkPen(double width) {
  QPen pen(kInk, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

void shape(QPainter& p, const QPainterPath& path, QColor fill, double pen) {
  p.setBrush(fill);
  if (pen > 0)
    p.setPen(inkPen(pen));
  else
    p.setPen(Qt::NoPen);
  p.drawPath(path);
}

QPainterPath ellipsePath(QPointF c, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(c, rx, ry);
  return path;
}

void shapeEllipse(QPainter& p, QPointF c, double rx, double ry, QColor fill, double pen) {
  shape(p, ellipsePath(c, rx, ry), fill, pen);
}

QPainterPath blobPath(QPointF c, double rx, double ry, double wobble, int bumps, double phase) {
  QPainterPath path;
  const int steps = 48;
  for (int i = 0; i <= steps; ++i) {
    const double a = 2 * M_PI * i / steps;
    const double r = 1.0 + wobble * std::sin(bumps * a + phase) +
                     wobble * 0.5 * std::sin((bumps + 2) * a + phase * 1.7);
    const QPointF pt(c.x() + rx * r * std::cos(a), c.y() + ry * r * std::sin(a));
    if (i == 0)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  path.closeSubpath();
  return path;
}

QColor lighter(QColor c, int percent) { return c.lighter(percent); }
QColor darker(QColor c, int percent) { return c.darker(percent); }

QColor mix(QColor a, QColor b, double t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                          a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t);
}

QFont jpFont(double pixelSize, bool bold) {
  QFont f(u"IPAPGothic"_s);
  f.setFamilies({u"IPAPGothic"_s, u"IPAGothic"_s});
  f.setPixelSize(qMax(1, qRound(pixelSize)));
  f.setBold(bold);
  return f;
}

void centredText(QPainter& p, QPointF centre, const QString& text, QColor colour, QColor halo) {
  const QFontMetricsF fm(p.font());
  const QRectF box = fm.boundingRect(text);
  const QPointF origin(centre.x() - fm.horizontalAdvance(text) / 2,
                       centre.y() + (fm.ascent() - fm.descent()) / 2);
  Q_UNUSED(box);
  if (halo.alpha() > 0) {
    QPainterPath path;
    path.addText(origin, p.font(), text);
    QPen pen(halo, qMax(2.0, p.font().pixelSize() / 6.0));
    pen.setJoinStyle(Qt::RoundJoin);
    p.strokePath(path, pen);
  }
  p.setPen(colour);
  p.drawText(origin, text);
}

Rng::Rng(const QString& seed) {
  // FNV-1a over the UTF-16 text.
  uint64_t h = 1469598103934665603ull;
  for (QChar ch : seed) {
    h ^= ch.unicode();
    h *= 1099511628211ull;
  }
  state_ = h ? h : 1;
}

uint64_t Rng::next() {
  // xorshift64*
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return state_ * 2685821657736338717ull;
}

double Rng::uniform(double lo, double hi) {
  return lo + (hi - lo) * (static_cast<double>(next() >> 11) / 9007199254740992.0);
}

int Rng::range(int lo, int hiInclusive) {
  if (hiInclusive <= lo) return lo;
  return lo + static_cast<int>(next() % static_cast<uint64_t>(hiInclusive - lo + 1));
}

}  // namespace art
