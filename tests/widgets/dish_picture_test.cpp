// Dish pictures come from the cache until their file changes.
#include "widgets/dish_picture.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <filesystem>

#include "platform/bmp_reader.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "temp_dir.h"
#include "widgets_test_app.h"

namespace {

QDateTime modified(const QString& file) {
  QFile f(file);
  return f.fileTime(QFileDevice::FileModificationTime);
}

void setModified(const QString& file, const QDateTime& when) {
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
}

TEST(DishPicture, CachedUntilTheFileChanges) {
  nvtest::widgetsApp();
  nvtest::TempDir dir;
  const std::string path = dir.file("ごはん.bmp");
  const QString file = nv::toQ(path);
  QImage red(20, 10, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(file, "BMP"));
  const QDateTime when = modified(file);
  EXPECT_EQ(nv::loadDishPicture(path).pixelColor(0, 0), QColor(Qt::red));

  // Same time and size: the bytes are not decoded again.
  const std::string bytes = nvtest::readBytes(path);
  nvtest::writeBytes(path, std::string(bytes.size(), '\0'));
  setModified(file, when);
  EXPECT_EQ(nv::loadDishPicture(path).pixelColor(0, 0), QColor(Qt::red));

  // A converted picture (new time) is read again.
  QImage blue(20, 10, QImage::Format_RGB32);
  blue.fill(Qt::blue);
  ASSERT_TRUE(blue.save(file, "BMP"));
  setModified(file, when.addSecs(5));
  EXPECT_EQ(nv::loadDishPicture(path).pixelColor(0, 0), QColor(Qt::blue));

  EXPECT_TRUE(nv::loadDishPicture(dir.file("ない.bmp")).isNull());

  // A good bitmap grown past a picture's size, and a picture in another format under the
  // dish's name, show no picture rather than being read whole or guessed at.
  const std::string longFile = dir.file("long.bmp");
  ASSERT_TRUE(red.save(nv::toQ(longFile), "BMP"));
  std::filesystem::resize_file(nv::toFsPath(longFile), nv::kMaxBmpFileBytes + 1);
  EXPECT_TRUE(nv::loadDishPicture(longFile).isNull());
  const std::string png = dir.file("png.bmp");
  ASSERT_TRUE(red.save(nv::toQ(png), "PNG"));
  EXPECT_TRUE(nv::loadDishPicture(png).isNull());
}

}  // namespace
