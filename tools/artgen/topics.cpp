// The four explanation topics of the recipe book: nutrition balance, hygiene, seasoning
// (own size) and the six basic food groups (fitted to the screen and printable).
#include <QtMath>

#include "art.h"
#include "artgen.h"
#include "dish_paint.h"

namespace art {

namespace {

const QColor kRed{236, 96, 86}, kYellow{246, 190, 50}, kGreen{96, 176, 90};

void panel(QPainter& p, QRectF r, QColor fill, double radius = 16, double pen = 2.5) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  shape(p, path, fill, pen);
}

void text(QPainter& p, QRectF r, const QString& s, double size, bool bold = false,
          int flags = Qt::AlignLeft | Qt::AlignVCenter) {
  p.setFont(jpFont(size, bold));
  p.setPen(kInk);
  p.drawText(r, flags | Qt::TextWordWrap, s);
}

void title(QPainter& p, double width, const QString& s, QColor colour) {
  panel(p, QRectF(20, 16, width - 40, 64), colour, 30, 3);
  p.setFont(jpFont(34, true));
  centredText(p, QPointF(width / 2, 48), s, QColor(255, 255, 250), darker(colour, 130));
}

void dish(QPainter& p, QPointF c, int size, const QString& name, const QString& category) {
  DishInfo d;
  d.name = name;
  d.category = category;
  p.drawImage(QPointF(c.x() - size / 2.0, c.y() - size / 2.0),
              keyToAlpha(paintDish(d, false, size)));
}

void numberBadge(QPainter& p, QPointF c, int n, QColor colour) {
  shapeEllipse(p, c, 20, 20, colour, 2.5);
  p.setFont(jpFont(24, true));
  centredText(p, c, QString::number(n), QColor(255, 255, 250));
}

QImage balance() {
  QImage img = solid(640, 480, QColor(255, 250, 236));
  QPainter p(&img);
  prepare(p);
  title(p, 640, u"栄養のバランス"_s, kRed);
  // A lunch box packed 3 : 1 : 2.
  panel(p, QRectF(30, 100, 290, 200), QColor(120, 186, 236), 24, 3);
  panel(p, QRectF(44, 114, 262, 172), QColor(246, 240, 226), 16, 2.5);
  panel(p, QRectF(50, 120, 124, 160), QColor(252, 250, 243), 10, 2);
  dish(p, QPointF(112, 190), 96, u"ごはん"_s, u"ごはん"_s);
  dish(p, QPointF(240, 160), 80, u"鶏の唐揚げ"_s, u"肉のおかず"_s);
  dish(p, QPointF(212, 240), 64, u"ブロッコリー"_s, u"野菜のおかず"_s);
  dish(p, QPointF(272, 244), 60, u"ミニトマト"_s, u"野菜のおかず"_s);
  p.setFont(jpFont(18, true));
  centredText(p, QPointF(112, 300), u"ごはん ３"_s, kInk);
  centredText(p, QPointF(240, 120), u"おかず １"_s, kInk);
  centredText(p, QPointF(240, 300), u"野菜 ２"_s, kInk);
  text(
      p, QRectF(340, 100, 280, 200),
      u"お弁当箱の中を\nごはん３・おかず１・野菜２\nのわりあいでつめると、栄養のバランスがよくなります。"_s,
      19);
  const struct {
    QColor colour;
    const char16_t* name;
    const char16_t* role;
  } groups[] = {{kRed, u"赤", u"体をつくる\n肉・魚・卵・豆・牛乳"},
                {kYellow, u"黄", u"力や体温になる\nごはん・パン・いも・油"},
                {kGreen, u"緑", u"体の調子をととのえる\n野菜・くだもの・きのこ"}};
  for (int i = 0; i < 3; ++i) {
    const QRectF r(24 + i * 200, 320, 192, 140);
    panel(p, r, lighter(groups[i].colour, 160), 16, 2.5);
    shapeEllipse(p, QPointF(r.left() + 30, r.top() + 30), 20, 20, groups[i].colour, 2.5);
    p.setFont(jpFont(22, true));
    centredText(p, QPointF(r.left() + 30, r.top() + 30), QString::fromUtf16(groups[i].name),
                QColor(255, 255, 250));
    text(p, r.adjusted(10, 56, -8, -8), QString::fromUtf16(groups[i].role), 16, false,
         Qt::AlignLeft | Qt::AlignTop);
  }
  p.setFont(jpFont(17, true));
  centredText(p, QPointF(430, 300), u"赤・黄・緑の食べ物をそろえよう！"_s, darker(kRed, 120));
  return img;
}

QImage hygiene() {
  QImage img = solid(640, 480, QColor(240, 250, 255));
  QPainter p(&img);
  prepare(p);
  title(p, 640, u"衛生について"_s, QColor(80, 160, 220));
  const char16_t* tips[] = {u"作る前に、石けんで手をよくあらおう。",
                            u"おかずは中までよく火を通して、さましてからつめよう。",
                            u"汁気の多いおかずは、汁をよくきってからつめよう。",
                            u"暑い日は保冷剤を使って、すずしい所におこう。"};
  for (int i = 0; i < 4; ++i) {
    const QRectF r(24, 100 + i * 92, 592, 80);
    panel(p, r, QColor(255, 255, 250), 16, 2.5);
    numberBadge(p, QPointF(r.left() + 34, r.center().y()), i + 1, QColor(80, 160, 220));
    // A small picture for each tip.
    const QPointF icon(r.right() - 48, r.center().y());
    if (i == 0) {
      for (int k = 0; k < 4; ++k)
        shapeEllipse(p, icon + QPointF(-14 + k * 10, -10 + (k % 2) * 16), 8, 8,
                     QColor(214, 236, 252), 1.6);
    } else if (i == 1) {
      QPainterPath flame;
      flame.moveTo(icon + QPointF(0, -28));
      flame.cubicTo(icon + QPointF(22, -4), icon + QPointF(16, 26), icon + QPointF(0, 26));
      flame.cubicTo(icon + QPointF(-16, 26), icon + QPointF(-22, -4), icon + QPointF(0, -28));
      shape(p, flame, QColor(250, 150, 60), 2);
      shapeEllipse(p, icon + QPointF(0, 12), 7, 10, QColor(252, 220, 90), 0);
    } else if (i == 2) {
      QPainterPath drop;
      drop.moveTo(icon + QPointF(0, -26));
      drop.quadTo(icon + QPointF(22, 8), icon + QPointF(0, 24));
      drop.quadTo(icon + QPointF(-22, 8), icon + QPointF(0, -26));
      shape(p, drop, QColor(130, 190, 240), 2);
    } else {
      panel(p, QRectF(icon.x() - 24, icon.y() - 16, 48, 32), QColor(150, 210, 250), 8, 2);
      p.setFont(jpFont(14, true));
      centredText(p, icon, u"ひやす"_s, kInk);
    }
    text(p, QRectF(r.left() + 66, r.top(), r.width() - 140, r.height()),
         QString::fromUtf16(tips[i]), 20);
  }
  return img;
}

QImage seasoning() {
  QImage img = solid(640, 480, QColor(255, 246, 236));
  QPainter p(&img);
  prepare(p);
  title(p, 640, u"味付けについて"_s, QColor(236, 140, 60));
  const struct {
    QColor colour;
    const char16_t* taste;
    const char16_t* example;
  } tastes[] = {{QColor(250, 190, 200), u"あまい", u"卵焼き・煮豆"},
                {QColor(252, 230, 120), u"すっぱい", u"酢の物・レモン"},
                {QColor(220, 226, 236), u"しょっぱい", u"焼き魚・つけもの"},
                {QColor(200, 236, 190), u"だしの味", u"煮物・おひたし"}};
  for (int i = 0; i < 4; ++i) {
    const QPointF c(92 + i * 152, 160);
    shapeEllipse(p, c, 62, 52, tastes[i].colour, 2.5);
    p.setFont(jpFont(22, true));
    centredText(p, QPointF(c.x(), c.y() - 12), QString::fromUtf16(tastes[i].taste), kInk);
    p.setFont(jpFont(14));
    centredText(p, QPointF(c.x(), c.y() + 18), QString::fromUtf16(tastes[i].example), kInk);
  }
  const char16_t* tips[] = {u"あまい・すっぱい・しょっぱいなど、いろいろな味を組み合わせよう。",
                            u"塩分をとりすぎないように、だしの味をいかそう。",
                            u"さめてもおいしいように、味はしっかりめにしよう。"};
  for (int i = 0; i < 3; ++i) {
    const QRectF r(24, 236 + i * 78, 592, 68);
    panel(p, r, QColor(255, 255, 250), 16, 2.5);
    numberBadge(p, QPointF(r.left() + 34, r.center().y()), i + 1, QColor(236, 140, 60));
    text(p, QRectF(r.left() + 66, r.top(), r.width() - 80, r.height()), QString::fromUtf16(tips[i]),
         19);
  }
  return img;
}

QImage sixGroups() {
  QImage img = solid(1024, 724, QColor(255, 252, 242));
  QPainter p(&img);
  prepare(p);
  title(p, 1024, u"６つの基礎食品群"_s, kGreen);
  const struct {
    QColor colour;
    const char16_t* foods;
    const char16_t* role;
    const char16_t* dishes[3];
    const char16_t* categories[3];
  } groups[] = {
      {kRed,
       u"魚・肉・卵・大豆",
       u"体をつくる（たんぱく質）",
       {u"焼き魚", u"卵焼き", u"冷奴"},
       {u"魚のおかず", u"卵のおかず", u"豆のおかず"}},
      {lighter(kRed, 120),
       u"牛乳・乳製品・小魚・海藻",
       u"骨や歯をつくる（カルシウム）",
       {u"牛乳", u"チーズ", u"ひじき"},
       {u"飲み物", u"乳製品・海藻・小魚のおかず", u"乳製品・海藻・小魚のおかず"}},
      {kGreen,
       u"緑黄色野菜",
       u"体の調子をととのえる（カロテン）",
       {u"ほうれん草のおひたし", u"ミニトマト", u"ブロッコリー"},
       {u"野菜のおかず", u"野菜のおかず", u"野菜のおかず"}},
      {lighter(kGreen, 125),
       u"その他の野菜・くだもの",
       u"体の調子をととのえる（ビタミンＣ）",
       {u"キャベツのサラダ", u"みかん", u"りんご"},
       {u"野菜のおかず", u"くだもの", u"くだもの"}},
      {kYellow,
       u"ごはん・パン・めん・いも",
       u"力や体温になる（炭水化物）",
       {u"ごはん", u"食パン", u"ふかしいも"},
       {u"ごはん", u"パン・シリアル", u"芋のおかず"}},
      {lighter(kYellow, 118),
       u"油・バター",
       u"力や体温になる（脂肪）",
       {u"フライドポテト", u"クッキー", u"えびフライ"},
       {u"芋のおかず", u"デザート・お菓子", u"魚のおかず"}},
  };
  for (int i = 0; i < 6; ++i) {
    const QRectF r(24 + (i % 3) * 330, 100 + (i / 3) * 306, 316, 292);
    panel(p, r, lighter(groups[i].colour, 150), 20, 3);
    panel(p, QRectF(r.left() + 12, r.top() + 12, 84, 40), groups[i].colour, 14, 2.5);
    p.setFont(jpFont(24, true));
    centredText(p, QPointF(r.left() + 54, r.top() + 32), QString::number(i + 1) + u"群"_s,
                QColor(255, 255, 250), darker(groups[i].colour, 130));
    text(p, QRectF(r.left() + 104, r.top() + 10, r.width() - 112, 44),
         QString::fromUtf16(groups[i].foods), 19, true);
    for (int k = 0; k < 3; ++k)
      dish(p, QPointF(r.left() + 58 + k * 100, r.top() + 130), 108,
           QString::fromUtf16(groups[i].dishes[k]), QString::fromUtf16(groups[i].categories[k]));
    text(p, QRectF(r.left() + 12, r.bottom() - 70, r.width() - 24, 60),
         QString::fromUtf16(groups[i].role), 18, false, Qt::AlignCenter);
  }
  return img;
}

}  // namespace

QImage paintTopic(int topic) {
  switch (topic) {
    case 1:
      return balance();
    case 2:
      return hygiene();
    case 3:
      return seasoning();
    default:
      return sixGroups();
  }
}

}  // namespace art
