#pragma once
// How a dish looks: the main food and the vessel it is served in, found from the dish name,
// its foods and its category through the keyword rules of dish_rules.txt.
#include <QColor>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVector>

#include "dish_info.h"

namespace art {

// The rule file names these values, so their names come from the meta-object.
Q_NAMESPACE

enum class Food {
  Rice,
  MixedRice,
  FriedRice,
  CurryRice,
  RiceBowlTopped,
  Onigiri,
  Sushi,
  MisoSoup,
  ClearSoup,
  CreamSoup,
  PorkSoup,
  Inari,
  Udon,
  Soba,
  Ramen,
  Spaghetti,
  Yakisoba,
  Bread,
  Roll,
  Toast,
  Sandwich,
  Cereal,
  Pancake,
  GrilledFish,
  FishFillet,
  FriedShrimp,
  Karaage,
  Cutlet,
  Hamburg,
  MeatSlices,
  Sausage,
  Meatballs,
  Gyoza,
  FriedEgg,
  Tamagoyaki,
  BoiledEgg,
  Omelette,
  Scrambled,
  Salad,
  Ohitashi,
  Nimono,
  StirFry,
  Kinpira,
  Broccoli,
  Tomato,
  Potato,
  Fries,
  PotatoSalad,
  SweetPotato,
  Natto,
  Beans,
  Tofu,
  Edamame,
  Cheese,
  Yogurt,
  Hijiki,
  SmallFish,
  Apple,
  Banana,
  Mikan,
  Strawberry,
  Grapes,
  Melon,
  Kiwi,
  Pineapple,
  Peach,
  Watermelon,
  Cherry,
  FruitMix,
  Pudding,
  Cake,
  Jelly,
  IceCream,
  Cookie,
  Dango,
  Milk,
  Juice,
  Tea,
  Cocoa,
  Generic
};
Q_ENUM_NS(Food)

// Food families, matched against the dish's category so that, for example, "カレーうどん"
// in the noodle category becomes noodles and not curry rice.
enum class Family {
  Rice,
  Bread,
  Noodle,
  Soup,
  Fish,
  Meat,
  Veg,
  Egg,
  Bean,
  Potato,
  Dairy,
  Fruit,
  Dessert,
  Drink,
  Other
};
Q_ENUM_NS(Family)

enum class Vessel {
  RiceBowl,
  SoupBowl,
  Donburi,
  Plate,
  LongPlate,
  SmallBowl,
  DeepPlate,
  Glass,
  Carton,
  TeaCup,
  DessertCup,
  Bare,
  FoodCup,
  Basket
};

// Small things added from the foods: garnish on plates, floating bits in soups.
enum class Extra {
  Lettuce,
  Cabbage,
  TomatoWedge,
  Broccoli,
  Carrot,
  Lemon,
  Parsley,
  Negi,
  Nori,
  Sesame,
  Corn,
  Cucumber,
  Tofu,
  Wakame,
  Daikon,
  Mushroom,
  Onion,
  Pork,
  Egg,
  Ume,
  Ketchup
};
Q_ENUM_NS(Extra)

struct DishPlan {
  Food food = Food::Generic;
  Vessel vessel = Vessel::Plate;
  QSet<Extra> extras;
  // Colours of the dish's foods besides the main one (mixed rice, stir-fries, stews).
  QVector<QColor> colours;
  // Lunch-box pictures show the dish ready to pack (cups, rice balls) instead of table ware.
  bool bento = false;
};

// Reads the keyword rules from the rule file built into artgen; false with the line and what
// is wrong with it when a line cannot be read. planDish() uses the rules read last.
bool loadDishRules(QString& error);

DishPlan planDish(const DishInfo& dish, bool bento);
// The plain vessel a food is served in at the table.
Vessel tableVessel(Food food);

}  // namespace art
