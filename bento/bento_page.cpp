#include "bento/bento_page.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include "bento/bentoubako_form.h"
#include "bento/evaluation_graph.h"
#include "bento/kitchen_pictures.h"
#include "bento/kitchen_scene.h"
#include "bento/lunch_box_document.h"
#include "bento/model/bento_page_geometry.h"
#include "bento/model/bento_pictures.h"
#include "bento/qt_geometry.h"
#include "core/kojin_data.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

void setPoints(QPainter& p, int points) {
  QFont f = p.font();
  f.setPointSize(points);
  p.setFont(f);
}

// Text on a white ground, centred on x, its bottom on `bottom`.
void drawNameAbove(QPainter& p, const QString& text, int centreX, int bottom) {
  const QFontMetrics fm(p.font(), p.device());
  const int w = fm.horizontalAdvance(text) + 2, h = fm.height();
  const QRect r(centreX - w / 2, bottom - h, w, h);
  p.fillRect(r, Qt::white);
  p.setPen(Qt::black);
  p.drawText(r, Qt::AlignCenter, text);
}

// A picture in a target rectangle, scaled smoothly to the device pixels it covers first: a
// printer or a PDF viewer would otherwise enlarge a 64-pixel dish picture block by block.
void drawSmooth(QPainter& p, const QRect& target, const QImage& image) {
  if (image.isNull() || target.isEmpty()) return;
  const QSize device = p.transform().mapRect(QRectF(target)).toAlignedRect().size();
  // A page holds nothing larger than a few thousand pixels; beyond that the device scales.
  const QSize size = device.boundedTo(QSize(4096, 4096));
  if (size.width() > image.width() || size.height() > image.height())
    p.drawImage(target, image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  else
    p.drawImage(target, image);
}

// A dish in its frame: the small picture, else the normal one, fitted and centred, and the
// name with its bottom on the picture's bottom (the frame's middle without a picture).
void drawDish(QPainter& p, const BentoPageData& data, const std::string& name, const KRect& frame) {
  QImage pic = loadTransparentBmp(dishSmallPicturePath(data.bmpFolder, name));
  if (pic.isNull()) pic = loadTransparentBmp(dishPicturePath(data.bmpFolder, name));
  int bottom = frame.top + frame.height() / 2;
  if (!pic.isNull()) {
    const KRect r = fitCentred(kSize(pic), frame);
    drawSmooth(p, qRect(r), pic);
    bottom = r.bottom;
  }
  drawNameAbove(p, toQ(name), frame.left + frame.width() / 2, bottom);
}

}  // namespace

BentoPageData bentoPageData(const LunchBoxDocument& box, const KitchenScene& scene, GraphKind kind,
                            const TGunName& gunName) {
  BentoPageData d;
  d.childName = box.child().name();
  d.bmpFolder = scene.settings.bmpFolder;
  d.kitchenBox = scene.areas.largeBox;
  for (const PlacedDish& dish : box.dishes().dishes()) d.dishes.push_back({dish.name, dish.rect});
  // A grade from before the last change would print the wrong face beside the graph.
  BoxGrade graded = scene.grade(box, kind);
  d.grade = graded.grade;
  Result told = std::move(graded.told);
  Nutrients totals{};
  GroupGrams grams{};
  const NameList names = box.dishNames();
  told.then(scene.kitchen.nutrientTotals(names, totals, scene.foods));
  told.then(scene.kitchen.foodGroupGrams(names, grams, scene.foods));
  showResult(told, prompt());
  d.graphRows =
      evaluationGraphRows(kind, totals, grams, LunchRequirements::of(box.child()), gunName);
  d.groupColors = scene.settings.groupColors;
  return d;
}

BentoPageData bentoPageData(TBentoubakoForm& kitchen) {
  // The window keeps the grade it prints.
  kitchen.computeGrade();
  return bentoPageData(kitchen.document(), kitchen.scene(), kitchen.graphKind(), kitchen.gunName());
}

void paintBentoPage(QPainter& p, QSize pageSize, const BentoPageData& data,
                    const BentoPageStatus& status) {
  auto say = [&](const QString& text) {
    if (status) status(text);
  };
  const int PW = pageSize.width(), PH = pageSize.height();
  say(u"印刷開始"_s);
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setClipRect(QRect(0, 0, PW, PH));
  const PageArea area = pageArea(PW, PH);

  const QImage box = loadTransparentBmp(kitchenPicturePath(data.bmpFolder, KitchenPicture::Box));
  const KRect pageBox = pageBoxRect(area, kSize(box));
  drawSmooth(p, qRect(pageBox), box);

  setPoints(p, 9);
  for (const BentoPageDish& d : data.dishes) {
    say(u"お弁当の中："_s + toQ(d.name));
    drawDish(p, data, d.name, pageDishRect(pageBox, data.kitchenBox, d.rect));
  }

  say(u"お弁当箱手前の印刷"_s);
  const QImage front =
      loadTransparentBmp(kitchenPicturePath(data.bmpFolder, KitchenPicture::BoxFront));
  drawSmooth(p, qRect(pageBoxRect(area, kSize(front))), front);

  setPoints(p, 14);
  const QString title = toQ(data.childName) + u" さんのお弁当箱"_s;
  const QFontMetrics tm(p.font(), p.device());
  const int t = tm.height();
  const int tw = tm.horizontalAdvance(title) + 2;
  const QRect titleRect((PW - tw) / 2, 0, tw, t);
  p.fillRect(titleRect, Qt::white);
  p.setPen(Qt::black);
  p.drawText(titleRect, Qt::AlignCenter, title);

  say(u"グラフの印刷"_s);
  const KRect graph = pageGraphRect(area, t);
  paintEvaluationGraph(p, qRect(graph), 10, data.graphRows, data.groupColors);

  say(u"おにぎりくん"_s);
  const QImage ball = loadTransparentBmp(riceBallPrintPicturePath(data.bmpFolder, data.grade));
  if (!ball.isNull())
    drawSmooth(p, qRect(fitCentred(kSize(ball), pageRiceBallRect(graph, PW))), ball);

  const int n = int(data.dishes.size());
  const DishListLayout list = dishListLayout(area, PW, PH, n);
  setPoints(p, 9);
  for (int k = 0; k < n; ++k) {
    const std::string& name = data.dishes[size_t(n - 1 - k)].name;
    say(u"一覧："_s + toQ(name));
    drawDish(p, data, name, list.cellRect(k));
  }
  say(u"プリンターを閉じています"_s);
  p.restore();
}

bool printBentoPages(QPagedPaintDevice& device, const std::vector<BentoPageData>& pages,
                     const BentoPageStatus& status) {
  QPainter p;
  if (!p.begin(&device)) return false;
  const QSize size(device.width(), device.height());
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0 && !device.newPage()) {
      p.end();  // a job never stays open on the printer
      return false;
    }
    paintBentoPage(p, size, pages[i], status);
  }
  return p.end();
}

std::string bentoPrintJobTitle(const std::string& childName) { return childName + sj(":結果"); }

}  // namespace nv
