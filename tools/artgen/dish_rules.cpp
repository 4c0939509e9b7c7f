#include "dish_rules.h"

#include <QFile>
#include <QMetaEnum>
#include <QVector>
#include <algorithm>
#include <cctype>

namespace art {

namespace {

struct Rule {
  QString keyword;
  Food food;
  Family family;
};

struct ExtraRule {
  QString keyword;
  Extra extra;
};

struct ColourRule {
  QString keyword;
  QRgb colour;
};

struct Rules {
  QVector<Rule> foods;
  QVector<ExtraRule> extras;
  QVector<ColourRule> colours;
};

Rules& rules() {
  static Rules r;
  return r;
}

template <class E>
bool enumValue(const QString& name, E& out) {
  bool ok = false;
  const int v = QMetaEnum::fromType<E>().keyToValue(name.toLatin1().constData(), &ok);
  out = static_cast<E>(v);
  return ok;
}

// One line of the rule file into r; an empty text when it is fine, else what is wrong.
QString parseRule(const QStringList& f, Rules& r) {
  const QString& kind = f[0];
  if (kind == u"food"_s) {
    Rule rule{f.value(1), Food::Generic, Family::Other};
    if (f.size() != 4) return u"food needs KEYWORD FOOD FAMILY"_s;
    if (!enumValue(f[2], rule.food)) return u"unknown food "_s + f[2];
    if (!enumValue(f[3], rule.family)) return u"unknown family "_s + f[3];
    r.foods << rule;
  } else if (kind == u"extra"_s) {
    ExtraRule rule{f.value(1), Extra::Lettuce};
    if (f.size() != 3) return u"extra needs KEYWORD EXTRA"_s;
    if (!enumValue(f[2], rule.extra)) return u"unknown extra "_s + f[2];
    r.extras << rule;
  } else if (kind == u"colour"_s) {
    if (f.size() != 3) return u"colour needs KEYWORD RRGGBB"_s;
    const bool hex =
        std::all_of(f[2].begin(), f[2].end(), [](QChar c) { return isxdigit(c.unicode()) != 0; });
    if (f[2].size() != 6 || !hex) return u"not a colour: "_s + f[2];
    r.colours << ColourRule{f[1], f[2].toUInt(nullptr, 16)};
  } else {
    return u"unknown rule "_s + kind;
  }
  return {};
}

Family familyOfCategory(const QString& c) {
  if (c.contains(u"ごはん"_s) || c.contains(u"ご飯"_s)) return Family::Rice;
  if (c.contains(u"パン"_s)) return Family::Bread;
  if (c.contains(u"めん"_s) || c.contains(u"麺"_s)) return Family::Noodle;
  if (c.contains(u"汁"_s) || c.contains(u"スープ"_s)) return Family::Soup;
  if (c.contains(u"魚"_s) && !c.contains(u"小魚"_s)) return Family::Fish;
  if (c.contains(u"肉"_s)) return Family::Meat;
  if (c.contains(u"野菜"_s)) return Family::Veg;
  if (c.contains(u"卵"_s)) return Family::Egg;
  if (c.contains(u"豆"_s)) return Family::Bean;
  if (c.contains(u"芋"_s) || c.contains(u"いも"_s)) return Family::Potato;
  if (c.contains(u"乳"_s) || c.contains(u"海藻"_s)) return Family::Dairy;
  if (c.contains(u"くだもの"_s) || c.contains(u"果物"_s)) return Family::Fruit;
  if (c.contains(u"デザート"_s) || c.contains(u"菓子"_s)) return Family::Dessert;
  if (c.contains(u"飲"_s)) return Family::Drink;
  return Family::Other;
}

Food defaultFood(Family f) {
  switch (f) {
    case Family::Rice:
      return Food::Rice;
    case Family::Bread:
      return Food::Bread;
    case Family::Noodle:
      return Food::Udon;
    case Family::Soup:
      return Food::ClearSoup;
    case Family::Fish:
      return Food::FishFillet;
    case Family::Meat:
      return Food::MeatSlices;
    case Family::Veg:
      return Food::Salad;
    case Family::Egg:
      return Food::Tamagoyaki;
    case Family::Bean:
      return Food::Beans;
    case Family::Potato:
      return Food::Potato;
    case Family::Dairy:
      return Food::Cheese;
    case Family::Fruit:
      return Food::FruitMix;
    case Family::Dessert:
      return Food::Pudding;
    case Family::Drink:
      return Food::Juice;
    case Family::Other:
      break;
  }
  return Food::Generic;
}

const Rule* firstRule(const QString& text, Family family, bool anyFamily) {
  for (const Rule& r : rules().foods) {
    if (!anyFamily && r.family != family) continue;
    if (text.contains(r.keyword)) return &r;
  }
  return nullptr;
}

bool parseRules(const QString& text, QString& error) {
  Rules r;
  const QStringList lines = text.split(u'\n');
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    const QString problem = parseRule(line.split(u' ', Qt::SkipEmptyParts), r);
    if (!problem.isEmpty()) {
      error = u"dish rules, line %1: %2"_s.arg(i + 1).arg(problem);
      return false;
    }
  }
  rules() = r;
  return true;
}

}  // namespace

bool loadDishRules(QString& error) {
  QFile file(u":/artgen/dish_rules.txt"_s);
  if (!file.open(QIODevice::ReadOnly)) {
    error = u"cannot read the dish rules"_s;
    return false;
  }
  return parseRules(QString::fromUtf8(file.readAll()), error);
}

Vessel tableVessel(Food food) {
  switch (food) {
    case Food::Rice:
    case Food::MixedRice:
      return Vessel::RiceBowl;
    case Food::FriedRice:
    case Food::CurryRice:
    case Food::Spaghetti:
    case Food::Yakisoba:
      return Vessel::DeepPlate;
    case Food::RiceBowlTopped:
    case Food::Udon:
    case Food::Soba:
    case Food::Ramen:
    case Food::Cereal:
      return Vessel::Donburi;
    case Food::Onigiri:
    case Food::Inari:
    case Food::Sushi:
    case Food::Sandwich:
    case Food::Pancake:
    case Food::Karaage:
    case Food::Cutlet:
    case Food::Hamburg:
    case Food::MeatSlices:
    case Food::Sausage:
    case Food::Meatballs:
    case Food::Gyoza:
    case Food::FriedEgg:
    case Food::Tamagoyaki:
    case Food::BoiledEgg:
    case Food::Omelette:
    case Food::Scrambled:
    case Food::Salad:
    case Food::StirFry:
    case Food::Fries:
    case Food::PotatoSalad:
    case Food::SweetPotato:
    case Food::FishFillet:
    case Food::FriedShrimp:
    case Food::Cake:
    case Food::Cheese:
    case Food::Dango:
    case Food::Cookie:
    case Food::Melon:
    case Food::Watermelon:
    case Food::Kiwi:
    case Food::Pineapple:
    case Food::Peach:
    case Food::Apple:
    case Food::Generic:
    case Food::Broccoli:
    case Food::Tomato:
      return Vessel::Plate;
    case Food::GrilledFish:
      return Vessel::LongPlate;
    case Food::MisoSoup:
    case Food::PorkSoup:
    case Food::ClearSoup:
      return Vessel::SoupBowl;
    case Food::CreamSoup:
      return Vessel::DeepPlate;
    case Food::Bread:
    case Food::Roll:
    case Food::Toast:
      return Vessel::Plate;
    case Food::Ohitashi:
    case Food::Nimono:
    case Food::Kinpira:
    case Food::Potato:
    case Food::Natto:
    case Food::Beans:
    case Food::Tofu:
    case Food::Edamame:
    case Food::Hijiki:
    case Food::SmallFish:
    case Food::Strawberry:
    case Food::Grapes:
    case Food::Cherry:
    case Food::FruitMix:
    case Food::Mikan:
      return Vessel::SmallBowl;
    case Food::Banana:
      return Vessel::Bare;
    case Food::Yogurt:
    case Food::Pudding:
    case Food::Jelly:
    case Food::IceCream:
      return Vessel::DessertCup;
    case Food::Milk:
      return Vessel::Carton;
    case Food::Juice:
    case Food::Cocoa:
      return Vessel::Glass;
    case Food::Tea:
      return Vessel::TeaCup;
  }
  return Vessel::Plate;
}

DishPlan planDish(const DishInfo& dish, bool bento) {
  DishPlan plan;
  plan.bento = bento;
  const Family family = familyOfCategory(dish.category);
  const QString foods = dish.foods.join(u' ');
  const Rule* rule = firstRule(dish.name, family, family == Family::Other);
  if (!rule) rule = firstRule(dish.name, family, true);
  if (!rule && !foods.isEmpty()) rule = firstRule(foods, family, family == Family::Other);
  if (!rule && family == Family::Other && !foods.isEmpty()) rule = firstRule(foods, family, true);
  plan.food = rule ? rule->food : defaultFood(family);

  const QString all = dish.name + u' ' + foods;
  for (const ExtraRule& e : rules().extras) {
    if (all.contains(e.keyword)) plan.extras.insert(e.extra);
  }
  for (const QString& food : dish.foods + QStringList{dish.name}) {
    for (const ColourRule& c : rules().colours) {
      if (!food.contains(c.keyword)) continue;
      const QColor colour = QColor::fromRgb(c.colour);
      if (!plan.colours.contains(colour)) plan.colours << colour;
      break;
    }
  }
  plan.vessel = tableVessel(plan.food);
  if (bento) {
    // Ready to pack: side dishes sit in a fluted cup, rice becomes a packed rice ball.
    switch (plan.vessel) {
      case Vessel::SmallBowl:
      case Vessel::DessertCup:
        plan.vessel = Vessel::FoodCup;
        break;
      case Vessel::Plate:
      case Vessel::LongPlate:
        plan.vessel = (plan.food == Food::Salad || plan.food == Food::StirFry ||
                       plan.food == Food::Scrambled || plan.food == Food::PotatoSalad)
                          ? Vessel::FoodCup
                          : Vessel::Bare;
        break;
      case Vessel::RiceBowl:
        plan.vessel = Vessel::Bare;  // a packed block of rice
        break;
      default:
        break;
    }
  }
  return plan;
}

}  // namespace art
