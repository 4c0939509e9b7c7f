#include "dish_rules.h"

#include <QVector>

namespace art {

namespace {

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

struct Rule {
  const char16_t* keyword;
  Food food;
  Family family;
};

// Ordered: more specific keywords first; the first rule that matches wins.
const Rule kRules[] = {
    {u"おにぎり", Food::Onigiri, Family::Rice},
    {u"おむすび", Food::Onigiri, Family::Rice},
    {u"カレー", Food::CurryRice, Family::Rice},
    {u"ハヤシ", Food::CurryRice, Family::Rice},
    {u"オムライス", Food::Omelette, Family::Rice},
    {u"丼", Food::RiceBowlTopped, Family::Rice},
    {u"どんぶり", Food::RiceBowlTopped, Family::Rice},
    {u"寿司", Food::Sushi, Family::Rice},
    {u"すし", Food::Sushi, Family::Rice},
    {u"いなり", Food::Inari, Family::Rice},
    {u"巻き", Food::Sushi, Family::Rice},
    {u"チャーハン", Food::FriedRice, Family::Rice},
    {u"炒飯", Food::FriedRice, Family::Rice},
    {u"ピラフ", Food::FriedRice, Family::Rice},
    {u"焼きめし", Food::FriedRice, Family::Rice},
    {u"炊き込み", Food::MixedRice, Family::Rice},
    {u"混ぜ", Food::MixedRice, Family::Rice},
    {u"まぜ", Food::MixedRice, Family::Rice},
    {u"五目", Food::MixedRice, Family::Rice},
    {u"赤飯", Food::MixedRice, Family::Rice},
    {u"ちらし", Food::MixedRice, Family::Rice},
    {u"ごはん", Food::Rice, Family::Rice},
    {u"ご飯", Food::Rice, Family::Rice},
    {u"ライス", Food::Rice, Family::Rice},
    {u"めし", Food::Rice, Family::Rice},
    {u"精白米", Food::Rice, Family::Rice},
    {u"米", Food::Rice, Family::Rice},
    {u"みそ汁", Food::MisoSoup, Family::Soup},
    {u"味噌汁", Food::MisoSoup, Family::Soup},
    {u"みそしる", Food::MisoSoup, Family::Soup},
    {u"豚汁", Food::PorkSoup, Family::Soup},
    {u"とん汁", Food::PorkSoup, Family::Soup},
    {u"けんちん", Food::PorkSoup, Family::Soup},
    {u"シチュー", Food::CreamSoup, Family::Soup},
    {u"ポタージュ", Food::CreamSoup, Family::Soup},
    {u"クリーム", Food::CreamSoup, Family::Soup},
    {u"コーンスープ", Food::CreamSoup, Family::Soup},
    {u"スープ", Food::ClearSoup, Family::Soup},
    {u"すまし", Food::ClearSoup, Family::Soup},
    {u"吸い物", Food::ClearSoup, Family::Soup},
    {u"汁", Food::ClearSoup, Family::Soup},
    {u"焼きそば", Food::Yakisoba, Family::Noodle},
    {u"やきそば", Food::Yakisoba, Family::Noodle},
    {u"焼きうどん", Food::Yakisoba, Family::Noodle},
    {u"ラーメン", Food::Ramen, Family::Noodle},
    {u"中華そば", Food::Ramen, Family::Noodle},
    {u"中華めん", Food::Ramen, Family::Noodle},
    {u"うどん", Food::Udon, Family::Noodle},
    {u"そうめん", Food::Udon, Family::Noodle},
    {u"そば", Food::Soba, Family::Noodle},
    {u"スパゲ", Food::Spaghetti, Family::Noodle},
    {u"パスタ", Food::Spaghetti, Family::Noodle},
    {u"マカロニ", Food::Spaghetti, Family::Noodle},
    {u"ナポリタン", Food::Spaghetti, Family::Noodle},
    {u"ミートソース", Food::Spaghetti, Family::Noodle},
    {u"トースト", Food::Toast, Family::Bread},
    {u"サンド", Food::Sandwich, Family::Bread},
    {u"ホットドッグ", Food::Sandwich, Family::Bread},
    {u"バーガー", Food::Sandwich, Family::Bread},
    {u"ホットケーキ", Food::Pancake, Family::Bread},
    {u"パンケーキ", Food::Pancake, Family::Bread},
    {u"ロール", Food::Roll, Family::Bread},
    {u"クロワッサン", Food::Roll, Family::Bread},
    {u"コッペ", Food::Roll, Family::Bread},
    {u"パン", Food::Bread, Family::Bread},
    {u"シリアル", Food::Cereal, Family::Bread},
    {u"フレーク", Food::Cereal, Family::Bread},
    {u"グラノーラ", Food::Cereal, Family::Bread},
    {u"えびフライ", Food::FriedShrimp, Family::Fish},
    {u"エビフライ", Food::FriedShrimp, Family::Fish},
    {u"海老", Food::FriedShrimp, Family::Fish},
    {u"えび", Food::FriedShrimp, Family::Fish},
    {u"フライ", Food::Cutlet, Family::Fish},
    {u"かつお", Food::FishFillet, Family::Fish},
    {u"かれい", Food::FishFillet, Family::Fish},
    {u"白身", Food::FishFillet, Family::Fish},
    {u"さわら", Food::FishFillet, Family::Fish},
    {u"塩焼", Food::GrilledFish, Family::Fish},
    {u"焼き魚", Food::GrilledFish, Family::Fish},
    {u"さんま", Food::GrilledFish, Family::Fish},
    {u"あじ", Food::GrilledFish, Family::Fish},
    {u"いわし", Food::GrilledFish, Family::Fish},
    {u"ししゃも", Food::GrilledFish, Family::Fish},
    {u"鮭", Food::FishFillet, Family::Fish},
    {u"さけ", Food::FishFillet, Family::Fish},
    {u"サーモン", Food::FishFillet, Family::Fish},
    {u"さば", Food::FishFillet, Family::Fish},
    {u"ぶり", Food::FishFillet, Family::Fish},
    {u"たら", Food::FishFillet, Family::Fish},
    {u"まぐろ", Food::FishFillet, Family::Fish},
    {u"かじき", Food::FishFillet, Family::Fish},
    {u"ツナ", Food::FishFillet, Family::Fish},
    {u"魚", Food::FishFillet, Family::Fish},
    {u"しらす", Food::SmallFish, Family::Dairy},
    {u"ちりめん", Food::SmallFish, Family::Dairy},
    {u"小魚", Food::SmallFish, Family::Dairy},
    {u"煮干", Food::SmallFish, Family::Dairy},
    {u"唐揚", Food::Karaage, Family::Meat},
    {u"から揚", Food::Karaage, Family::Meat},
    {u"からあげ", Food::Karaage, Family::Meat},
    {u"竜田", Food::Karaage, Family::Meat},
    {u"ナゲット", Food::Karaage, Family::Meat},
    {u"酢豚", Food::Karaage, Family::Meat},
    {u"カツ", Food::Cutlet, Family::Meat},
    {u"かつ", Food::Cutlet, Family::Meat},
    {u"フライ", Food::Cutlet, Family::Meat},
    {u"コロッケ", Food::Cutlet, Family::Potato},
    {u"チキン", Food::MeatSlices, Family::Meat},
    {u"ハンバーグ", Food::Hamburg, Family::Meat},
    {u"ステーキ", Food::Hamburg, Family::Meat},
    {u"ミートボール", Food::Meatballs, Family::Meat},
    {u"肉だんご", Food::Meatballs, Family::Meat},
    {u"肉団子", Food::Meatballs, Family::Meat},
    {u"つくね", Food::Meatballs, Family::Meat},
    {u"ぎょうざ", Food::Gyoza, Family::Meat},
    {u"餃子", Food::Gyoza, Family::Meat},
    {u"ギョーザ", Food::Gyoza, Family::Meat},
    {u"しゅうまい", Food::Gyoza, Family::Meat},
    {u"シューマイ", Food::Gyoza, Family::Meat},
    {u"春巻", Food::Gyoza, Family::Meat},
    {u"ウインナー", Food::Sausage, Family::Meat},
    {u"ウィンナー", Food::Sausage, Family::Meat},
    {u"ソーセージ", Food::Sausage, Family::Meat},
    {u"ハム", Food::MeatSlices, Family::Meat},
    {u"ベーコン", Food::MeatSlices, Family::Meat},
    {u"肉じゃが", Food::Nimono, Family::Meat},
    {u"焼き鳥", Food::Meatballs, Family::Meat},
    {u"焼肉", Food::MeatSlices, Family::Meat},
    {u"焼き肉", Food::MeatSlices, Family::Meat},
    {u"生姜焼", Food::MeatSlices, Family::Meat},
    {u"しょうが焼", Food::MeatSlices, Family::Meat},
    {u"照り焼", Food::MeatSlices, Family::Meat},
    {u"目玉焼", Food::FriedEgg, Family::Egg},
    {u"卵焼", Food::Tamagoyaki, Family::Egg},
    {u"玉子焼", Food::Tamagoyaki, Family::Egg},
    {u"たまご焼", Food::Tamagoyaki, Family::Egg},
    {u"だし巻", Food::Tamagoyaki, Family::Egg},
    {u"厚焼", Food::Tamagoyaki, Family::Egg},
    {u"ゆで卵", Food::BoiledEgg, Family::Egg},
    {u"ゆでたまご", Food::BoiledEgg, Family::Egg},
    {u"うずら", Food::BoiledEgg, Family::Egg},
    {u"オムレツ", Food::Omelette, Family::Egg},
    {u"スクランブル", Food::Scrambled, Family::Egg},
    {u"いり卵", Food::Scrambled, Family::Egg},
    {u"炒り卵", Food::Scrambled, Family::Egg},
    {u"茶碗蒸", Food::Pudding, Family::Egg},
    {u"茶わん蒸", Food::Pudding, Family::Egg},
    {u"エッグ", Food::FriedEgg, Family::Egg},
    {u"ポテトサラダ", Food::PotatoSalad, Family::Potato},
    {u"ポテトフライ", Food::Fries, Family::Potato},
    {u"フライドポテト", Food::Fries, Family::Potato},
    {u"大学", Food::SweetPotato, Family::Potato},
    {u"さつまいも", Food::SweetPotato, Family::Potato},
    {u"スイートポテト", Food::SweetPotato, Family::Potato},
    {u"粉ふき", Food::Potato, Family::Potato},
    {u"じゃがいも", Food::Potato, Family::Potato},
    {u"いも", Food::Potato, Family::Potato},
    {u"芋", Food::Potato, Family::Potato},
    {u"サラダ", Food::Salad, Family::Veg},
    {u"おひたし", Food::Ohitashi, Family::Veg},
    {u"お浸し", Food::Ohitashi, Family::Veg},
    {u"和え", Food::Ohitashi, Family::Veg},
    {u"あえ", Food::Ohitashi, Family::Veg},
    {u"ほうれん草", Food::Ohitashi, Family::Veg},
    {u"小松菜", Food::Ohitashi, Family::Veg},
    {u"きんぴら", Food::Kinpira, Family::Veg},
    {u"炒め", Food::StirFry, Family::Veg},
    {u"いため", Food::StirFry, Family::Veg},
    {u"ソテー", Food::StirFry, Family::Veg},
    {u"ブロッコリー", Food::Broccoli, Family::Veg},
    {u"ミニトマト", Food::Tomato, Family::Veg},
    {u"トマト", Food::Tomato, Family::Veg},
    {u"納豆", Food::Natto, Family::Bean},
    {u"なっとう", Food::Natto, Family::Bean},
    {u"冷奴", Food::Tofu, Family::Bean},
    {u"やっこ", Food::Tofu, Family::Bean},
    {u"豆腐", Food::Tofu, Family::Bean},
    {u"とうふ", Food::Tofu, Family::Bean},
    {u"麻婆", Food::Tofu, Family::Bean},
    {u"枝豆", Food::Edamame, Family::Bean},
    {u"えだまめ", Food::Edamame, Family::Bean},
    {u"豆", Food::Beans, Family::Bean},
    {u"牛乳", Food::Milk, Family::Drink},
    {u"ミルク", Food::Milk, Family::Drink},
    {u"ジュース", Food::Juice, Family::Drink},
    {u"ココア", Food::Cocoa, Family::Drink},
    {u"コーヒー", Food::Cocoa, Family::Drink},
    {u"お茶", Food::Tea, Family::Drink},
    {u"茶", Food::Tea, Family::Drink},
    {u"チーズ", Food::Cheese, Family::Dairy},
    {u"ヨーグルト", Food::Yogurt, Family::Dairy},
    {u"ひじき", Food::Hijiki, Family::Dairy},
    {u"わかめ", Food::Hijiki, Family::Dairy},
    {u"昆布", Food::Hijiki, Family::Dairy},
    {u"こんぶ", Food::Hijiki, Family::Dairy},
    {u"海藻", Food::Hijiki, Family::Dairy},
    {u"もずく", Food::Hijiki, Family::Dairy},
    {u"ホットケーキ", Food::Pancake, Family::Dessert},
    {u"プリン", Food::Pudding, Family::Dessert},
    {u"ケーキ", Food::Cake, Family::Dessert},
    {u"カステラ", Food::Cake, Family::Dessert},
    {u"ゼリー", Food::Jelly, Family::Dessert},
    {u"寒天", Food::Jelly, Family::Dessert},
    {u"ようかん", Food::Jelly, Family::Dessert},
    {u"羊羹", Food::Jelly, Family::Dessert},
    {u"アイス", Food::IceCream, Family::Dessert},
    {u"シャーベット", Food::IceCream, Family::Dessert},
    {u"クッキー", Food::Cookie, Family::Dessert},
    {u"ビスケット", Food::Cookie, Family::Dessert},
    {u"せんべい", Food::Cookie, Family::Dessert},
    {u"ドーナツ", Food::Cookie, Family::Dessert},
    {u"だんご", Food::Dango, Family::Dessert},
    {u"団子", Food::Dango, Family::Dessert},
    {u"大福", Food::Dango, Family::Dessert},
    {u"どら焼", Food::Dango, Family::Dessert},
    {u"もち", Food::Dango, Family::Dessert},
    {u"餅", Food::Dango, Family::Dessert},
    {u"りんご", Food::Apple, Family::Fruit},
    {u"リンゴ", Food::Apple, Family::Fruit},
    {u"林檎", Food::Apple, Family::Fruit},
    {u"バナナ", Food::Banana, Family::Fruit},
    {u"みかん", Food::Mikan, Family::Fruit},
    {u"ミカン", Food::Mikan, Family::Fruit},
    {u"オレンジ", Food::Mikan, Family::Fruit},
    {u"グレープフルーツ", Food::Mikan, Family::Fruit},
    {u"いちご", Food::Strawberry, Family::Fruit},
    {u"イチゴ", Food::Strawberry, Family::Fruit},
    {u"苺", Food::Strawberry, Family::Fruit},
    {u"ぶどう", Food::Grapes, Family::Fruit},
    {u"ブドウ", Food::Grapes, Family::Fruit},
    {u"メロン", Food::Melon, Family::Fruit},
    {u"キウイ", Food::Kiwi, Family::Fruit},
    {u"パイン", Food::Pineapple, Family::Fruit},
    {u"もも", Food::Peach, Family::Fruit},
    {u"桃", Food::Peach, Family::Fruit},
    {u"なし", Food::Peach, Family::Fruit},
    {u"梨", Food::Peach, Family::Fruit},
    {u"すいか", Food::Watermelon, Family::Fruit},
    {u"スイカ", Food::Watermelon, Family::Fruit},
    {u"さくらんぼ", Food::Cherry, Family::Fruit},
    {u"チェリー", Food::Cherry, Family::Fruit},
    {u"フルーツ", Food::FruitMix, Family::Fruit},
    {u"果物", Food::FruitMix, Family::Fruit},
    {u"煮", Food::Nimono, Family::Veg},
    {u"鶏", Food::Karaage, Family::Meat},
    {u"豚", Food::MeatSlices, Family::Meat},
    {u"牛", Food::MeatSlices, Family::Meat},
    {u"肉", Food::MeatSlices, Family::Meat},
    {u"卵", Food::Tamagoyaki, Family::Egg},
    {u"たまご", Food::Tamagoyaki, Family::Egg},
    {u"キャベツ", Food::Salad, Family::Veg},
    {u"レタス", Food::Salad, Family::Veg},
    {u"水", Food::Tea, Family::Drink},
};

struct ExtraRule {
  const char16_t* keyword;
  Extra extra;
};

const ExtraRule kExtras[] = {
    {u"レタス", Extra::Lettuce},
    {u"キャベツ", Extra::Cabbage},
    {u"トマト", Extra::TomatoWedge},
    {u"ブロッコリー", Extra::Broccoli},
    {u"にんじん", Extra::Carrot},
    {u"人参", Extra::Carrot},
    {u"ニンジン", Extra::Carrot},
    {u"レモン", Extra::Lemon},
    {u"パセリ", Extra::Parsley},
    {u"ねぎ", Extra::Negi},
    {u"ネギ", Extra::Negi},
    {u"葱", Extra::Negi},
    {u"のり", Extra::Nori},
    {u"海苔", Extra::Nori},
    {u"ごま", Extra::Sesame},
    {u"胡麻", Extra::Sesame},
    {u"コーン", Extra::Corn},
    {u"とうもろこし", Extra::Corn},
    {u"きゅうり", Extra::Cucumber},
    {u"胡瓜", Extra::Cucumber},
    {u"豆腐", Extra::Tofu},
    {u"とうふ", Extra::Tofu},
    {u"わかめ", Extra::Wakame},
    {u"ワカメ", Extra::Wakame},
    {u"大根", Extra::Daikon},
    {u"だいこん", Extra::Daikon},
    {u"しいたけ", Extra::Mushroom},
    {u"椎茸", Extra::Mushroom},
    {u"きのこ", Extra::Mushroom},
    {u"しめじ", Extra::Mushroom},
    {u"えのき", Extra::Mushroom},
    {u"玉ねぎ", Extra::Onion},
    {u"たまねぎ", Extra::Onion},
    {u"玉葱", Extra::Onion},
    {u"豚", Extra::Pork},
    {u"卵", Extra::Egg},
    {u"たまご", Extra::Egg},
    {u"梅", Extra::Ume},
    {u"ケチャップ", Extra::Ketchup},
};

struct ColourRule {
  const char16_t* keyword;
  QRgb colour;
};

// Colours of foods as they show in a cooked dish.
const ColourRule kColours[] = {
    {u"にんじん", 0xF08C32},
    {u"人参", 0xF08C32},
    {u"ニンジン", 0xF08C32},
    {u"枝豆", 0x78B446},
    {u"えだまめ", 0x78B446},
    {u"グリンピース", 0x78B446},
    {u"ほうれん", 0x3C8C3C},
    {u"小松菜", 0x3C8C3C},
    {u"ピーマン", 0x46A03C},
    {u"ブロッコリー", 0x4A9A44},
    {u"いんげん", 0x5AA046},
    {u"ねぎ", 0x78BE50},
    {u"キャベツ", 0xC8E696},
    {u"もやし", 0xF6F0DC},
    {u"白菜", 0xEEF2D6},
    {u"たまねぎ", 0xF4E8C4},
    {u"玉ねぎ", 0xF4E8C4},
    {u"大根", 0xF6F2E4},
    {u"ごぼう", 0x9A7050},
    {u"しいたけ", 0x8C643C},
    {u"しめじ", 0xC8AA82},
    {u"えのき", 0xF0E8D0},
    {u"きのこ", 0xA07850},
    {u"こんにゃく", 0x8C8C8C},
    {u"ひじき", 0x2C2624},
    {u"わかめ", 0x2E6E40},
    {u"のり", 0x283E30},
    {u"ごま", 0x302826},
    {u"しらす", 0xF2EEE2},
    {u"ちりめん", 0xF2EEE2},
    {u"鮭", 0xF29070},
    {u"さけ", 0xF29070},
    {u"たらこ", 0xF07880},
    {u"卵", 0xFAD250},
    {u"たまご", 0xFAD250},
    {u"ハム", 0xF0A0A0},
    {u"ベーコン", 0xD27C6E},
    {u"豚", 0xDEB096},
    {u"牛", 0xA0644A},
    {u"鶏", 0xE6C8A0},
    {u"ひき肉", 0xA06E50},
    {u"えび", 0xF0826E},
    {u"かぼちゃ", 0xF5B43C},
    {u"じゃがいも", 0xF4DC8C},
    {u"さつまいも", 0xF5C850},
    {u"コーン", 0xFAD23C},
    {u"トマト", 0xE2322C},
    {u"パプリカ", 0xE64632},
    {u"油揚げ", 0xD2964A},
    {u"豆腐", 0xFCF8E8},
    {u"大豆", 0xECCE8C},
    {u"チーズ", 0xFAD050},
    {u"梅", 0xC8283C},
    // Flavours of jellies and drinks.
    {u"麦茶", 0xB4783C},
    {u"ほうじ", 0xA0643C},
    {u"紅茶", 0xA0462D},
    {u"緑茶", 0x96BA46},
    {u"ようかん", 0x6E2D28},
    {u"オレンジ", 0xFAA028},
    {u"みかん", 0xFAA028},
    {u"コーヒー", 0x8C5A3C},
    {u"ぶどう", 0x8C50A0},
    {u"グレープ", 0x8C50A0},
    {u"いちご", 0xF06E82},
    {u"メロン", 0x96D264},
    {u"りんご", 0xF0D278},
    {u"もも", 0xFAB4AA},
};

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
  for (const Rule& r : kRules) {
    if (!anyFamily && r.family != family) continue;
    if (text.contains(QString::fromUtf16(r.keyword))) return &r;
  }
  return nullptr;
}

}  // namespace

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
  for (const ExtraRule& e : kExtras) {
    if (all.contains(QString::fromUtf16(e.keyword))) plan.extras.insert(e.extra);
  }
  for (const QString& food : dish.foods + QStringList{dish.name}) {
    for (const ColourRule& c : kColours) {
      if (!food.contains(QString::fromUtf16(c.keyword))) continue;
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
