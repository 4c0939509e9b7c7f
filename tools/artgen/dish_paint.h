#pragma once
// Drawing of dish pictures: vessels and foods in a 100 x 100 unit space.
#include <QPainter>
#include <QPointF>
#include <span>

#include "art.h"
#include "dish_rules.h"

namespace art {

// Where food sits: the surface ellipse of a vessel's contents.
struct Bed {
  QPointF c;
  double rx = 30, ry = 10;
};

struct DishContext {
  QPainter& p;
  Rng& rng;
  const DishPlan& plan;
  QColor accent;  // seeded colour of the ware's pattern or the food cup
};

// Draws the vessel's back part (body, inside) and returns the bed for the food.
Bed drawVesselBack(DishContext& ctx);
// Draws what lies in front of the food (a bowl's front lip, a glass's front wall).
void drawVesselFront(DishContext& ctx, const Bed& bed);

// One drawing function per food, listed by family; paintDish() takes the first entry of its food.
using FoodDraw = void (*)(DishContext& ctx, const Bed& bed);
struct FoodPainter {
  Food food;
  FoodDraw draw;
};
std::span<const FoodPainter> stapleFoods();
std::span<const FoodPainter> mainFoods();
std::span<const FoodPainter> sideFoods();
std::span<const FoodPainter> sweetFoods();
// Garnish from the foods (lettuce under, tomato beside ...), drawn before/after the food.
void drawGarnishUnder(DishContext& ctx, const Bed& bed);
void drawGarnishOver(DishContext& ctx, const Bed& bed);

// Small reusable pieces.
void riceMound(QPainter& p, Rng& rng, QPointF base, double rx, double height, QColor rice,
               int grains);
void scatterBits(QPainter& p, Rng& rng, const Bed& bed, int n, QColor colour, double size,
                 int kind);
void leaf(QPainter& p, QPointF c, double r, double angle, QColor colour);
void tomatoWedge(QPainter& p, QPointF c, double r, double angle);
void broccoliFloret(QPainter& p, QPointF c, double r);
void lemonWedge(QPainter& p, QPointF c, double r);
void lump(QPainter& p, Rng& rng, QPointF c, double r, QColor colour);

// The complete dish picture, size x size pixels, on the key background.
QImage paintDish(const DishInfo& dish, bool bento, int size);

}  // namespace art
