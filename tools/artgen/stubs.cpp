// Temporary plain pictures for what is not drawn yet.
#include "art.h"
#include "artgen.h"

namespace art {
static QImage plain(int w, int h, const QString& text) {
  QImage img = solid(w, h, QColor(250, 246, 236));
  QPainter p(&img);
  prepare(p);
  p.setFont(jpFont(18));
  centredText(p, QPointF(w / 2.0, h / 2.0), text, kInk);
  return img;
}
QImage paintTopic(int) { return plain(640, 480, u"topic"_s); }
QImage paintHowTo(const DishInfo& d) { return plain(800, 600, d.name); }
QImage paintAbout() { return plain(400, 315, u"about"_s); }
QImage paintStartMenu() { return plain(200, 170, u"nv"_s); }
QImage paintStartBento() { return plain(200, 170, u"bentou"_s); }
}  // namespace art
