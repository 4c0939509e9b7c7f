// The program's icons for the desktop theme: every bitmap size and the scalable SVG, painted
// by the same function that draws the running program's fallback icon.
#include <QDir>
#include <QSvgGenerator>

#include "art.h"
#include "artgen.h"
#include "platform/qt/app_identity.h"

namespace art {

namespace {
// Pixel sizes of the hicolor theme's bitmap folders.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
}  // namespace

bool writeAppIcons(const QString& folder, const QString& name) {
  bool ok = true;
  for (int size : kIconSizes) {
    const QString dir = folder + u"/hicolor/%1x%1/apps"_s.arg(size);
    QDir().mkpath(dir);
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    prepare(p);
    nv::paintAppIcon(p, QRectF(0, 0, size, size));
    p.end();
    ok = img.save(dir + u'/' + name + u".png"_s, "PNG") && ok;
  }
  const QString dir = folder + u"/hicolor/scalable/apps"_s;
  QDir().mkpath(dir);
  QSvgGenerator svg;
  svg.setFileName(dir + u'/' + name + u".svg"_s);
  svg.setSize(QSize(256, 256));
  svg.setViewBox(QRect(0, 0, 256, 256));
  svg.setTitle(name);
  QPainter p;
  if (!p.begin(&svg)) return false;
  prepare(p);
  nv::paintAppIcon(p, QRectF(0, 0, 256, 256));
  return p.end() && ok;
}

}  // namespace art
