#include "bento/kitchen_pictures.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <filesystem>

#include "bento/model/kitchen_geometry.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"

namespace nv {

QImage loadTransparentBmp(const std::string& cp932Path) {
  QImage image = loadBmp(cp932Path);
  if (image.isNull()) return image;
  // Every pixel is opaque, so the picture is already premultiplied; only the key colour's
  // pixels become transparent (0 in either form). No copy is made.
  image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
  const QRgb key = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (line[x] == key) line[x] = 0;
  }
  return image;
}

QPixmap scaledPixmap(const QImage& image, QSize size) {
  if (image.isNull() || size.width() <= 0 || size.height() <= 0) return {};
  return QPixmap::fromImage(image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

namespace {

// The file a path names, the same for every spelling of it ("a/./b", "a/../a/b", links).
QString resolvedKey(const std::string& cp932Path) {
  std::error_code ec;
  const std::filesystem::path p = std::filesystem::weakly_canonical(toFsPath(cp932Path), ec);
  return ec ? toQ(cp932Path) : toQ(fromFsPath(p));
}

}  // namespace

QImage PictureCache::transparent(const std::string& cp932Path) {
  const QString key = resolvedKey(cp932Path);
  if (auto it = images_.constFind(key); it != images_.cend()) return it.value();
  const QImage image = loadTransparentBmp(cp932Path);
  // A picture larger than the whole budget is shown but not kept.
  if (image.sizeInBytes() > kBudgetBytes) return image;
  while (!order_.isEmpty() &&
         (bytes_ + image.sizeInBytes() > kBudgetBytes || order_.size() >= kMostEntries)) {
    bytes_ -= images_.take(order_.takeFirst()).sizeInBytes();
  }
  images_.insert(key, image);
  order_.append(key);
  bytes_ += image.sizeInBytes();
  return image;
}

void PictureCache::clear() {
  images_.clear();
  order_.clear();
  bytes_ = 0;
}

const QPixmap& recipeMark() {
  static const QPixmap mark = [] {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // An open book: two pages with lines.
    p.setPen(QPen(QColor(120, 60, 20), 1));
    p.setBrush(QColor(255, 250, 230));
    p.drawRoundedRect(QRectF(1.5, 3.5, 6.5, 10), 1, 1);
    p.drawRoundedRect(QRectF(8, 3.5, 6.5, 10), 1, 1);
    p.setPen(QPen(QColor(200, 80, 40), 1));
    for (int y : {6, 8, 10}) {
      p.drawLine(QPointF(3, y + 0.5), QPointF(6.5, y + 0.5));
      p.drawLine(QPointF(9.5, y + 0.5), QPointF(13, y + 0.5));
    }
    return pm;
  }();
  return mark;
}

QPixmap renderDishPixmap(const QImage& picture, QSize size, const QString& name, bool stretch,
                         bool recipeMarkShown, int fontPixels) {
  QPixmap pm(size.expandedTo(QSize(1, 1)));
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!picture.isNull()) {
    QRect target(QPoint(0, 0), size);
    if (!stretch) {
      const KSize fit =
          fitPicture({picture.width(), picture.height()}, {size.width(), size.height()});
      target = QRect((size.width() - fit.width) / 2, (size.height() - fit.height) / 2, fit.width,
                     fit.height);
    }
    p.drawImage(target, picture);
  }
  QFont font = p.font();
  font.setBold(true);
  // Long names get a smaller font (down to two thirds, and never below 9 pixels) before
  // they are cut, so that neighbouring cells keep similar letters.
  const int room = size.width() - 4;
  int pixels = std::max(9, fontPixels);
  const int smallest = std::max(9, pixels * 2 / 3);
  font.setPixelSize(pixels);
  while (pixels > smallest && QFontMetrics(font).horizontalAdvance(name) > room)
    font.setPixelSize(--pixels);
  p.setFont(font);
  const QFontMetrics fm(font);
  const int th = fm.height();
  // Still too long: a second line, so that a child reads the whole name (cut only when even
  // two lines cannot hold it).
  QStringList lines{name};
  if (fm.horizontalAdvance(name) > room) {
    // Two halves of about the same length; a small kana or a long-vowel mark never starts
    // the second line.
    static const QString noLineStart =
        QString::fromUtf8("ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮー");
    qsizetype n = (name.size() + 1) / 2;
    while (n > 1 && fm.horizontalAdvance(name.left(n)) > room) --n;
    if (n > 1 && n < name.size() && noLineStart.contains(name.at(n))) {
      if (fm.horizontalAdvance(name.left(n + 1)) <= room)
        ++n;
      else
        --n;
    }
    if (n > 1 && name.at(n - 1).isHighSurrogate()) --n;
    lines = {name.left(n), fm.elidedText(name.mid(n), Qt::ElideRight, size.width())};
  }
  const int textHeight = th * int(lines.size());
  if (recipeMarkShown) {
    const QPixmap& mark = recipeMark();
    p.drawPixmap(size.width() - mark.width(), size.height() - mark.height() - textHeight, mark);
  }
  if (!name.isEmpty()) {
    int widest = 0;
    for (const QString& l : lines) widest = std::max(widest, fm.horizontalAdvance(l));
    const QRect box((size.width() - widest) / 2 - 2, size.height() - textHeight, widest + 4,
                    textHeight);
    // A soft white plate keeps the name readable on any picture.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRoundedRect(box, 3, 3);
    p.setPen(QColor(40, 30, 20));
    for (int i = 0; i < int(lines.size()); ++i)
      p.drawText(QRect(box.left(), box.top() + i * th, box.width(), th), Qt::AlignCenter, lines[i]);
  }
  return pm;
}

}  // namespace nv
