#pragma once
// Loading the game's bitmaps and drawing them "transparent": the colour of a picture's
// top-left pixel is its background and is never drawn. Pictures are decoded once and kept.
#include <QHash>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>
#include <string>
#include <string_view>

#include "platform/qt/picture_file.h"

class QPainter;
class QRect;

namespace nv {

// The picture with its background colour turned transparent (ARGB32 premultiplied); a null
// image when the file is missing or unreadable.
QImage loadTransparentBmp(const std::string& cp932Path);
// A smooth scaled copy of exactly that size (null for a null image or an empty size).
QPixmap scaledPixmap(const QImage& image, QSize size);

// Transparent pictures by the file they resolve to, so that many spellings of one path share
// one entry; a missing file is remembered as missing. The cache holds at most kBudgetBytes of
// pictures (the oldest go first).
class PictureCache {
 public:
  static constexpr qsizetype kBudgetBytes = qsizetype(64) << 20;
  static constexpr int kMostEntries = 1024;

  QImage transparent(const std::string& cp932Path);
  void clear();
  qsizetype bytes() const { return bytes_; }
  int size() const { return int(images_.size()); }

 private:
  QHash<QString, QImage> images_;
  QList<QString> order_;  // oldest first
  qsizetype bytes_ = 0;
};

// The 16 x 16 mark of a dish with a recipe or a how-to-make picture.
const QPixmap& recipeMark();

// A dish as the cells and placed dishes show it: the picture fitted (or stretched) into the
// size, centred, and the name centred with its bottom on the bottom edge.
QPixmap renderDishPixmap(const QImage& picture, QSize size, const QString& name, bool stretch,
                         bool recipeMarkShown, int fontPixels);

}  // namespace nv
