// Pictures of the menu planner: the About/splash picture and the two start-screen buttons.
#include <QLinearGradient>
#include <QtMath>

#include "art.h"
#include "artgen.h"
#include "dish_paint.h"

namespace art {

namespace {

void sprite(QPainter& p, QPointF c, int size, const QString& name, const QString& category,
            bool bento = false) {
  DishInfo d;
  d.name = name;
  d.category = category;
  p.drawImage(QPointF(c.x() - size / 2.0, c.y() - size / 2.0),
              keyToAlpha(paintDish(d, bento, size)));
}

void riceBall(QPainter& p, QPointF c, int size, int mood) {
  const QImage ball = keyToAlpha(paintRiceBall(mood, 0), QColor(204, 232, 255))
                          .scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  p.drawImage(QPointF(c.x() - size / 2.0, c.y() - size / 2.0), ball);
}

void rounded(QPainter& p, QRectF r, double radius, QColor fill, double pen = 2.5) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  shape(p, path, fill, pen);
}

void softBackground(QPainter& p, QRectF r, QColor top, QColor bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(r, g);
}

}  // namespace

QImage paintAbout() {
  QImage img = solid(400, 315, QColor(255, 250, 236));
  QPainter p(&img);
  prepare(p);
  softBackground(p, QRectF(0, 0, 400, 315), QColor(214, 238, 252), QColor(255, 248, 230));
  // Title in round letters, with a sun behind.
  shapeEllipse(p, QPointF(364, 34), 24, 24, QColor(255, 220, 100), 2);
  p.setFont(jpFont(48, true));
  centredText(p, QPointF(200, 62), u"ヌヴェルタ"_s, QColor(236, 110, 80), QColor(255, 255, 250));
  p.setFont(jpFont(16, true));
  centredText(p, QPointF(200, 108), u"たべものと えいようの べんきょう"_s, kInk);
  // A table with dishes along the bottom.
  rounded(p, QRectF(-10, 236, 420, 90), 0, QColor(236, 196, 150), 2.5);
  sprite(p, QPointF(52, 226), 76, u"ごはん"_s, u"ごはん"_s);
  sprite(p, QPointF(128, 230), 76, u"みそ汁"_s, u"汁もの"_s);
  sprite(p, QPointF(208, 232), 80, u"焼き魚"_s, u"魚のおかず"_s);
  sprite(p, QPointF(286, 230), 72, u"野菜サラダ"_s, u"野菜のおかず"_s);
  sprite(p, QPointF(352, 226), 72, u"牛乳"_s, u"飲み物"_s);
  riceBall(p, QPointF(350, 150), 84, 0);
  return img;
}

QImage paintStartMenu() {
  QImage img = solid(192, 168, QColor(255, 250, 236));
  QPainter p(&img);
  prepare(p);
  softBackground(p, QRectF(0, 0, 192, 168), QColor(255, 244, 214), QColor(255, 232, 200));
  // A meal tray: breakfast, lunch and dinner make a day.
  rounded(p, QRectF(8, 78, 176, 80), 14, QColor(214, 150, 96), 2.5);
  rounded(p, QRectF(16, 84, 160, 68), 10, QColor(236, 186, 130), 1.8);
  sprite(p, QPointF(52, 104), 64, u"ごはん"_s, u"ごはん"_s);
  sprite(p, QPointF(140, 104), 64, u"みそ汁"_s, u"汁もの"_s);
  sprite(p, QPointF(96, 132), 68, u"焼き魚"_s, u"魚のおかず"_s);
  // Bars of the day's nutrients with the 100 % line.
  const QColor bars[] = {QColor(236, 96, 86), QColor(246, 190, 50), QColor(96, 176, 90),
                         QColor(90, 160, 220)};
  const double heights[] = {50, 62, 44, 58};
  rounded(p, QRectF(18, 8, 156, 66), 8, QColor(255, 255, 250), 2);
  for (int i = 0; i < 4; ++i)
    rounded(p, QRectF(36 + i * 34, 68 - heights[i], 22, heights[i]), 3, bars[i], 1.8);
  p.setPen(QPen(QColor(220, 40, 40), 2.2, Qt::DashLine));
  p.drawLine(QPointF(24, 20), QPointF(168, 20));
  return img;
}

QImage paintStartBento() {
  QImage img = solid(192, 168, QColor(255, 250, 236));
  QPainter p(&img);
  prepare(p);
  softBackground(p, QRectF(0, 0, 192, 168), QColor(226, 244, 255), QColor(214, 236, 250));
  // An open lunch box filled with favourites, and the rice ball cheering.
  rounded(p, QRectF(14, 70, 164, 92), 18, QColor(120, 186, 236), 2.6);
  rounded(p, QRectF(22, 76, 148, 74), 12, QColor(246, 240, 226), 2);
  sprite(p, QPointF(52, 110), 64, u"おにぎり"_s, u"ごはん"_s, true);
  sprite(p, QPointF(106, 98), 54, u"卵焼き"_s, u"卵のおかず"_s, true);
  sprite(p, QPointF(148, 98), 50, u"たこさんウインナー"_s, u"肉のおかず"_s, true);
  sprite(p, QPointF(106, 126), 46, u"ブロッコリー"_s, u"野菜のおかず"_s, true);
  sprite(p, QPointF(148, 126), 42, u"ミニトマト"_s, u"野菜のおかず"_s, true);
  rounded(p, QRectF(14, 146, 164, 16), 8, QColor(120, 186, 236), 2.6);
  riceBall(p, QPointF(150, 38), 66, 0);
  p.setFont(jpFont(20, true));
  centredText(p, QPointF(62, 34), u"おべんとう"_s, QColor(236, 110, 80), QColor(255, 255, 250));
  return img;
}

}  // namespace art
