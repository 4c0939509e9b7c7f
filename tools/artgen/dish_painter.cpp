// One dish picture: vessel, garnish, food, front lip, on the key background.
#include "dish_paint.h"

namespace art {

namespace {

void drawFood(DishContext& ctx, const Bed& bed) {
  for (const auto family : {stapleFoods, mainFoods, sideFoods, sweetFoods})
    for (const FoodPainter& painter : family())
      if (painter.food == ctx.plan.food) return painter.draw(ctx, bed);
}

}  // namespace

QImage paintDish(const DishInfo& dish, bool bento, int size) {
  const DishPlan plan = planDish(dish, bento);
  Rng rng(dish.name);
  const QColor accents[] = {QColor(70, 110, 190), QColor(214, 80, 80),   QColor(90, 160, 110),
                            QColor(230, 160, 60), QColor(150, 110, 190), QColor(80, 170, 190),
                            QColor(236, 130, 160)};
  const QColor cups[] = {QColor(250, 170, 190), QColor(150, 210, 130), QColor(250, 220, 110),
                         QColor(140, 190, 240), QColor(250, 180, 120)};
  const QColor accent = plan.vessel == Vessel::FoodCup ? rng.pick(cups) : rng.pick(accents);

  QImage img = canvas(size, size);
  QPainter p(&img);
  prepare(p);
  // A margin keeps every corner on the background colour.
  const double margin = size * 0.04;
  p.translate(margin, margin);
  p.scale((size - 2 * margin) / 100.0, (size - 2 * margin) / 100.0);
  if (plan.bento && plan.vessel == Vessel::Bare) {
    // Packed food has no plate around it: let it fill the picture.
    p.translate(50, 58);
    p.scale(1.4, 1.4);
    p.translate(-50, -62);
  }
  DishContext ctx{p, rng, plan, accent};
  const Bed bed = drawVesselBack(ctx);
  drawGarnishUnder(ctx, bed);
  drawFood(ctx, bed);
  drawGarnishOver(ctx, bed);
  drawVesselFront(ctx, bed);
  p.end();
  return flatten(img);
}

}  // namespace art
