#pragma once
// Shared drawing helpers of artgen: canvases, the soft outline style, saving, seeded variation.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdint>

namespace art {

using namespace Qt::StringLiterals;

// Every picture the program draws transparently takes its top-left pixel as the see-through
// colour. Dish, appliance, box and recipe pictures use pure white; no drawn pixel is white.
inline const QColor kKey{255, 255, 255};
// Soft dark-brown outline of every drawn thing.
inline const QColor kInk{92, 66, 52};

// A transparent ARGB canvas to draw on; flatten() turns it into the final picture.
QImage canvas(int w, int h);
// An opaque canvas filled with one colour (pictures that are never drawn transparently).
QImage solid(int w, int h, QColor fill);
// Antialiased painter with round joins.
void prepare(QPainter& p);

// Hard-edged picture on a key background: pixels under half covered become the key colour,
// the others keep their own colour, and no kept pixel equals the key. This keeps the outline
// clean where the program cuts the key colour away.
QImage flatten(const QImage& argb, QColor key = kKey);

// The opposite of flatten(): key-coloured pixels become transparent, to reuse a picture as a
// sprite inside another one.
QImage keyToAlpha(const QImage& image, QColor key = kKey);

// Saves as a 24-bit Windows bitmap or a JPEG, creating the folder. Returns false on failure.
bool saveBmp(const QImage& image, const QString& path);
bool saveJpeg(const QImage& image, const QString& path, int quality = 90);

QPen inkPen(double width);
// Fills a path and outlines it with the ink colour.
void shape(QPainter& p, const QPainterPath& path, QColor fill, double pen = 2.0);
void shapeEllipse(QPainter& p, QPointF c, double rx, double ry, QColor fill, double pen = 2.0);
QPainterPath ellipsePath(QPointF c, double rx, double ry);
// A wobbly closed blob around c (lumps of fried food, leaves, clouds).
QPainterPath blobPath(QPointF c, double rx, double ry, double wobble, int bumps, double phase);
QColor lighter(QColor c, int percent = 125);
QColor darker(QColor c, int percent = 125);
QColor mix(QColor a, QColor b, double t);

// Japanese font (IPA Gothic) at a pixel size.
QFont jpFont(double pixelSize, bool bold = false);
// Text centred on a point, with an optional soft outline for legibility on pictures.
void centredText(QPainter& p, QPointF centre, const QString& text, QColor colour,
                 QColor halo = Qt::transparent);

// Deterministic variation seeded by a name, so the same dish always looks the same.
class Rng {
 public:
  explicit Rng(const QString& seed);
  explicit Rng(uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
  uint64_t next();
  double uniform(double lo, double hi);
  int range(int lo, int hiInclusive);
  bool chance(double p) { return uniform(0, 1) < p; }
  template <class T, size_t N>
  const T& pick(const T (&items)[N]) {
    return items[range(0, static_cast<int>(N) - 1)];
  }

 private:
  uint64_t state_;
};

}  // namespace art
