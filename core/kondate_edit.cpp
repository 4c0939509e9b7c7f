// Edits of the dish database: the add-and-edit window's registration, deleting added dishes,
// filling its grid, and combining the added dishes into the base data.
#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "core/decimal_text.h"
#include "core/food.h"
#include "core/kondate_data.h"
#include "core/nv_file.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/text.h"

namespace nv {
namespace {

std::string withoutWhiteSpace(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\v' && c != '\f') out += c;
  return out;
}

const TKondate* findDish(const TKondateList& list, std::string_view name) {
  for (const TKondate& k : list)
    if (k.name == name) return &k;
  return nullptr;
}

}  // namespace

std::optional<TextRows> TKondateData::gridOf(std::string_view caption, std::string_view dish,
                                             const TFoodData& foods) const {
  bool added = !caption.empty() && caption.front() == '*';
  if (added) caption.remove_prefix(1);
  for (const TOrder& o : orders_) {
    const TKondateList& list = added ? o.added : o.base;
    if (o.name != caption || list.empty()) continue;
    const TKondate* k = findDish(list, dish);
    if (!k) return std::nullopt;
    return ingredientGridRows(k->foods, &foods);
  }
  return std::nullopt;
}

bool TKondateData::DeleteAddedKondate(std::string_view category, std::string_view dish) {
  for (TOrder& o : orders_) {
    if (o.name != category || o.added.empty()) continue;
    auto it = std::find_if(o.added.begin(), o.added.end(),
                           [&](const TKondate& k) { return k.name == dish; });
    if (it != o.added.end()) {
      o.added.erase(it);
      // Otherwise the add-dish file would keep the dish and bring it back at the next start.
      modified_ = true;
    }
    return true;
  }
  return false;
}

void TKondateData::fillFromGrid(TKondate& dish, const std::vector<KondateGridRow>& grid,
                                const TFoodData& foods) {
  dish.foods.clear();
  dish.standardWeight = 0;
  for (const KondateGridRow& row : grid) {
    std::string grams = withoutWhiteSpace(row.grams);
    // A row left entirely blank is no ingredient (the grid keeps one spare row).
    if (row.foodName.empty() && grams.empty()) continue;
    double value = 0;
    if (!parseDecimalText(grams, value)) value = 0;
    if (value == 0) {
      prompt().messageBox(row.foodName, sj("重さが 0 なので登録しません"), Icon::Warning,
                          Buttons::Ok);
      continue;
    }
    dish.foods.push_back(usedFoodFromName(row.foodName, value, foods));
    dish.standardWeight += value;
  }
}

bool TKondateData::RegistKondate(std::string_view category, std::string_view dish,
                                 const std::vector<KondateGridRow>& grid, const TFoodData& foods,
                                 bool formOpen) {
  if (!formOpen) {
    prompt().message(sj("追加できません(内部エラー「献立フォームがNULL」です)"));
    return false;
  }
  // Stored names are cut to 47 bytes, so a longer name is looked up by its cut form.
  const std::string categoryName = cutBytes(category, kKondateNameBytes);
  const std::string dishName = cutBytes(dish, kKondateNameBytes);
  if (!settleOtherCategories(categoryName, dishName)) return false;
  if (orders_.empty()) orders_.push_back(TOrder::make(categoryName));
  int32_t largest = largestNumber();
  const int32_t number = largest == INT32_MAX ? largest : largest + 1;

  if (TOrder* order = findOrder(categoryName)) {
    auto it = std::find_if(order->added.begin(), order->added.end(),
                           [&](const TKondate& k) { return k.name == dishName; });
    if (it != order->added.end()) {
      std::string text = "<" + dishName + sj(">は追加済みの献立です。") +
                         sj("\n\n 処理を続行すると、以前のデータが消えます。") +
                         sj("\n\n 　　続行してもよいなら「はい」を") +
                         sj("\n\n 　　以前のデータの残す場合は「いいえ」を") +
                         sj("\n\n クリックして下さい。");
      if (prompt().messageBox(text, sj("修正の確認"), Icon::Question, Buttons::YesNo) !=
          Answer::Yes)
        return false;
      fillFromGrid(*it, grid, foods);
    } else {
      order->added.push_back(TKondate::make(number, dishName));
      fillFromGrid(order->added.back(), grid, foods);
      prompt().messageBox(sj("献立を追加しました"), sj("確認"), Icon::Information, Buttons::Ok);
    }
  } else {
    prompt().messageBox(categoryName, sj("分類名を追加します"), Icon::Information, Buttons::Ok);
    orders_.push_back(TOrder::make(categoryName));
    TOrder& added = orders_.back();
    added.added.push_back(TKondate::make(number, dishName));
    fillFromGrid(added.added.back(), grid, foods);
  }
  modified_ = true;
  return true;
}

bool TKondateData::settleOtherCategories(const std::string& category, const std::string& dish) {
  // Replacing the dish of this category has its own question.
  if (const TOrder* here = findOrder(category); here && findDish(here->added, dish)) return true;
  std::vector<TOrder*> others;
  for (TOrder& o : orders_)
    if (o.name != category && findDish(o.added, dish)) others.push_back(&o);
  if (others.empty()) return true;
  // A teacher editing a dish of another category would otherwise get a second copy unasked.
  const std::string other = sj("「") + others.front()->name + sj("」");
  const std::string here = sj("「") + category + sj("」");
  const Answer a = prompt().messageBox(
      "<" + dish + sj(">は分類") + other + sj("にも追加済みの献立です。\n\n「はい」：") + other +
          sj("の献立を消して、") + here + sj("に登録します\n「いいえ」：両方の分類に残します") +
          sj("\n「キャンセル」：登録しません"),
      sj("分類の確認"), Icon::Question, Buttons::YesNoCancel);
  if (a == Answer::Cancel) return false;
  if (a == Answer::Yes)
    for (TOrder* o : others)
      std::erase_if(o->added, [&](const TKondate& k) { return k.name == dish; });
  return true;
}

void TKondateData::combineAdded() {
  for (TOrder& o : orders_) {
    o.base.insert(o.base.end(), std::make_move_iterator(o.added.begin()),
                  std::make_move_iterator(o.added.end()));
    o.added.clear();
  }
}

namespace {

size_t baseDishCount(const TKondateData& db) {
  size_t n = 0;
  for (const TOrder& o : db.orders()) n += o.base.size();
  return n;
}

bool pathExists(std::string_view path) {
  std::error_code ec;
  return std::filesystem::symlink_status(toFsPath(path), ec).type() !=
         std::filesystem::file_type::not_found;
}

}  // namespace

bool TKondateData::filesLoadWhole(const TFoodData& foods, std::string_view dataPath,
                                  std::string_view addPath, std::string& dataBytes) const {
  QuietPrompt quiet;
  ScopedPrompt scoped(quiet);
  if (!readFile(dataPath, dataBytes)) return false;
  TFoodData fileFoods;
  TKondateData fileDishes;
  ByteReader in(dataBytes);
  if (!fileFoods.readSection(in, false) || !fileDishes.readBaseSection(in, false)) return false;
  // What is in memory is what will be written: it must be what the file holds.
  if (fileFoods.count() != foods.count() || baseDishCount(fileDishes) != baseDishCount(*this))
    return false;
  if (pathExists(addPath)) {
    TKondateData added;
    if (!added.readAddFile(addPath)) return false;
  }
  return quiet.shown() == 0;
}

bool TKondateData::combine(const TFoodData& foods, std::string_view dataPath,
                           std::string_view addPath, bool ask) {
  // A data file read in part (or not at all) would be replaced by that part, and the added
  // dishes deleted with their file: nothing is combined unless both files read whole.
  std::string oldData;
  if (!filesLoadWhole(foods, dataPath, addPath, oldData)) {
    prompt().messageBox(
        sj("献立データファイルか追加献立ファイルを最後まで読み込めていないため、結合しません。"
           "\n\n") +
            std::string(dataPath) + "\n" + std::string(addPath),
        sj("結合できません"), Icon::Stop, Buttons::Ok);
    return false;
  }
  if (ask &&
      prompt().messageBox(
          sj("追加した献立データを通常の献立データに結合します。\nこの処理を行うと、追加した献立は"
             "削除できなくなります。\n\n下の「はい」をクリックすると、処理を開始します。\n\nもし"
             "意味が分からなければ「いいえ」をクリックして処理を中断して下さい。"),
          sj("処理を始めてよろしいですか？"), Icon::Question, Buttons::YesNo) != Answer::Yes)
    return false;
  std::vector<TOrder> before = orders_;
  combineAdded();
  if (!writeDataFile(dataPath, foods, *this)) {
    // The added dishes stay apart, as they still are in the files.
    orders_ = std::move(before);
    return false;
  }
  if (ask &&
      prompt().messageBox(
          sj("結合処理は終了しました。\n\n追加献立ファイルは以後、不要です。\n下の「はい」をクリ"
             "ックすると、追加献立ファイルを削除します。\n\nもし意味が分からなければ「いいえ」を"
             "クリックして処理を中断して下さい。"),
          sj("追加献立ファイルを削除しますか？"), Icon::Question, Buttons::YesNo) != Answer::Yes)
    return true;
  if (removeFile(addPath) || !pathExists(addPath)) return true;
  // A kept add-dish file would show every added dish twice from the next start: the data
  // file goes back to what it was, so the files stay as they were before combining.
  const bool restored = writeFileAtomic(dataPath, oldData);
  if (restored) orders_ = std::move(before);
  prompt().messageBox(
      std::string(addPath) + "\n\n" +
          (restored ? sj("追加献立ファイルを削除できないため、結合を取り消しました。")
                    : sj("追加献立ファイルを削除できません。このままでは追加した献立が二重に"
                         "なるので、追加献立ファイルを削除して下さい。")),
      sj("追加献立ファイルを削除できません"), Icon::Stop, Buttons::Ok);
  return false;
}

}  // namespace nv
