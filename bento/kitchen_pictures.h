#pragma once
// Loading the game's bitmaps and drawing them "transparent": the colour of a picture's
// top-left pixel is its background and is never drawn. Pictures are decoded once and kept.
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <string>

class QPainter;
class QRect;

namespace nv {

// The picture with its background colour turned transparent (ARGB32 premultiplied); a null
// image when the file is missing or unreadable.
QImage loadTransparentBmp(const std::string& cp932Path);
// The picture as it is (the kitchen background); null when missing.
QImage loadBmp(const std::string& cp932Path);
// A smooth scaled copy of exactly that size (null for a null image or an empty size).
QPixmap scaledPixmap(const QImage& image, QSize size);

class PictureCache {
 public:
  // Transparent pictures by path; a missing file is remembered as missing.
  const QImage& transparent(const std::string& cp932Path);
  void clear() { images_.clear(); }

 private:
  QHash<QString, QImage> images_;
};

// The 16 x 16 mark of a dish with a recipe or a how-to-make picture.
const QPixmap& recipeMark();

// A dish as the cells and placed dishes show it: the picture fitted (or stretched) into the
// size, centred, and the name centred with its bottom on the bottom edge.
QPixmap renderDishPixmap(const QImage& picture, QSize size, const QString& name, bool stretch,
                         bool recipeMarkShown, int fontPixels);

}  // namespace nv
