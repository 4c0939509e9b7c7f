#include "widgets/dish_picture.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPixmap>
#include <QPixmapCache>

#include "platform/qt/picture_file.h"
#include "platform/qt/qtext.h"

namespace nv {

QImage loadDishPicture(const std::string& path) {
  const QString file = toQ(path);
  const QFileInfo info(file);
  if (!info.isFile()) return {};
  const QString key = QStringLiteral("nv-dish|%1|%2|%3")
                          .arg(file)
                          .arg(info.lastModified().toMSecsSinceEpoch())
                          .arg(info.size());
  QPixmap cached;
  if (QPixmapCache::find(key, &cached)) return cached.toImage();
  // Through the bitmap reader: a file past a picture's size or no bitmap shows no picture.
  const QImage picture = loadBmp(path);
  if (!picture.isNull()) QPixmapCache::insert(key, QPixmap::fromImage(picture));
  return picture;
}

}  // namespace nv
