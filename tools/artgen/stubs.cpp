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
QImage paintAppliance(Appliance a) {
  const QSize sizes[] = {{424, 484}, {278, 327}, {347, 448}, {490, 349},
                         {376, 408}, {394, 398}, {506, 422}};
  const QSize s = sizes[static_cast<int>(a)];
  return plain(s.width(), s.height(), u"appliance"_s);
}
QImage paintRiceBall(int, int) { return plain(180, 180, u"onigiri"_s); }
QImage paintRecipeBook() { return flatten(canvas(640, 391)); }
QImage paintRecipePage() { return plain(640, 486, u"page"_s); }
QImage paintCuttingMethod(const QString& m) { return plain(240, 240, m); }
QStringList cuttingMethods() {
  return {u"くし形切り"_s,    u"さいの目切り"_s, u"輪切り"_s,         u"せん切り"_s,
          u"小口切り"_s,      u"ささがき"_s,     u"短冊切り"_s,       u"みじん切り"_s,
          u"らん切り"_s,      u"いちょう切り"_s, u"ひょうし木切り"_s, u"色紙切り"_s,
          u"きのこの石づき"_s};
}
QImage paintPagingArrow(bool) { return plain(16, 16, u">"_s); }
QImage paintRecipeMark() { return plain(16, 16, u"*"_s); }
QImage paintTopic(int) { return plain(640, 480, u"topic"_s); }
QImage paintHowTo(const DishInfo& d) { return plain(800, 600, d.name); }
QImage paintAbout() { return plain(400, 315, u"about"_s); }
QImage paintStartMenu() { return plain(200, 170, u"nv"_s); }
QImage paintStartBento() { return plain(200, 170, u"bentou"_s); }
}  // namespace art
