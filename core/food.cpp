#include "core/food.h"

#include <algorithm>
#include <memory>

#include "core/kana_rows.h"
#include "platform/binio.h"
#include "platform/prompt.h"
#include "platform/text.h"

namespace nv {

const char kFoodMagic[] = "Nuvelta Food Data";

namespace {
// Record layout offsets.
constexpr size_t kCodeOffset = 4, kCodeWidth = 24;
constexpr size_t kNameOffset = 28, kNameWidth = 48;
constexpr size_t kGroupOffset = 76, kColorOffset = 80, kNutrientOffset = 88;

Result stopFailure(const char* utf8, const char* detail) {
  return Result::failure(messageBox(sj(utf8), sj("確認"), Icon::Stop), detail);
}

TextRow nutrientCells(TextRow row, const TFood& f) {
  row.push_back(std::to_string(f.group));
  row.push_back(std::to_string(f.colorClass));
  for (double v : f.nutrients) row.push_back(shortestDecimal(v));
  return row;
}
}  // namespace

void writeFoodRecord(ByteWriter& out, const TFood& food) {
  out.int32(food.number);
  out.fixedText(food.code, kCodeWidth);
  out.fixedText(food.name, kNameWidth);
  out.int32(food.group);
  out.int32(food.colorClass);
  out.zeros(4);
  for (double v : food.nutrients) out.f64(v);
  out.zeros(8);  // link and padding: meaningless on disk
}

TFood readFoodRecord(const char* p) {
  TFood f;
  f.number = getInt32LE(p);
  f.code = fixedFieldText(std::string_view(p + kCodeOffset, kCodeWidth));
  f.name = fixedFieldText(std::string_view(p + kNameOffset, kNameWidth));
  f.group = getInt32LE(p + kGroupOffset);
  f.colorClass = getInt32LE(p + kColorOffset);
  for (int i = 0; i < kNutrientCount; ++i)
    f.nutrients[i] = getDoubleLE(p + kNutrientOffset + 8 * i);
  return f;
}

bool readFoodRecord(ByteReader& in, TFood& food) {
  std::string_view rec;
  if (!in.readBytes(kFoodRecordSize, rec)) return false;
  food = readFoodRecord(rec.data());
  return true;
}

void TFoodData::setFoods(std::vector<TFood> foods) {
  foods_ = std::move(foods);
  rebuildIndex();
  // New data: what was missing may be missing again and is told once more.
  missingTableTold_ = false;
  unknownFoodsTold_.clear();
}

void TFoodData::rebuildIndex() {
  index_.clear();
  index_.reserve(foods_.size());
  for (size_t i = 0; i < foods_.size(); ++i) index_.emplace_back(foods_[i].number, uint32_t(i));
  // Stable: among equal numbers the earliest position comes first and is the one kept.
  std::stable_sort(index_.begin(), index_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  index_.erase(std::unique(index_.begin(), index_.end(),
                           [](const auto& a, const auto& b) { return a.first == b.first; }),
               index_.end());
  numberByName_.clear();
  numberByName_.reserve(foods_.size());
  for (const TFood& f : foods_) numberByName_.try_emplace(f.name, f.number);
}

const TFood* TFoodData::findByNumber(int32_t number) const {
  auto it = std::lower_bound(index_.begin(), index_.end(), number,
                             [](const auto& e, int32_t n) { return e.first < n; });
  if (it == index_.end() || it->first != number) return nullptr;
  return &foods_[it->second];
}

int32_t TFoodData::groupOf(int32_t number) const {
  const TFood* f = findByNumber(number);
  return f ? f->group : -1;
}

int32_t TFoodData::numberOfName(std::string_view name) const {
  auto it = numberByName_.find(name);
  return it == numberByName_.end() ? -1 : it->second;
}

std::string TFoodData::displayName(int32_t number) const {
  if (!loaded()) return sj("不明(データなし)");
  const TFood* f = findByNumber(number);
  if (!f) return sj("不明な食品:") + std::to_string(number);
  return f->name;
}

std::string TFoodData::csvName(int32_t number) const {
  const TFood* f = findByNumber(number);
  return f ? f->name : sj("不明な食品");
}

Result TFoodData::addNutrients(int32_t number, double amount, Nutrients& acc) const {
  Result told;
  if (amount == 0) return told;
  // Every total of every redraw comes here: each notice is told once for this data, not
  // once per ingredient and recomputation.
  if (!loaded()) {
    if (!missingTableTold_)
      told.tell(plainMessage(sj("食品データが読み込まれていないため、栄養価を計算できません。")));
    missingTableTold_ = true;
    return told;
  }
  const TFood* f = findByNumber(number);
  if (!f) {
    if (unknownFoodsTold_.insert(number).second)
      told.tell(plainMessage(sj("食品が見つかりませんでした:") + std::to_string(number)));
    return told;
  }
  for (int i = 0; i < kNutrientCount; ++i) acc[i] += amount * f->nutrients[i] * 0.01;
  return told;
}

void TFoodData::writeSection(ByteWriter& out) const {
  out.fixedText(kFoodMagic, kFoodMagicSize);
  out.int32(kFoodSectionVersion);
  out.int32(int32_t(foods_.size()));
  for (const TFood& f : foods_) writeFoodRecord(out, f);
}

Result TFoodData::readSection(ByteReader& in, ProgressOpener* opener) {
  std::string_view header;
  if (!in.readBytes(kFoodMagicSize, header) || header[0] == '\0' ||
      fixedFieldText(header) != kFoodMagic)
    return stopFailure("Nuvelta の食品データではないようです", "no food section");
  int32_t version = 0;
  if (!in.readInt32(version) || version != kFoodSectionVersion)
    return stopFailure("食品データのバージョンが異なるので、読み込めません。",
                       "another food section version");
  clear();
  int32_t count = 0;
  bool whole = in.readInt32(count) && in.canHold(count, kFoodRecordSize);
  std::unique_ptr<Progress> progress =
      openProgress(opener, sj("栄養価のデータを読み込んでいます"), 0, std::max(count, 0));
  // Never allocate from the stored count: take only the records the input really holds.
  size_t n = whole ? size_t(count)
                   : std::min<size_t>(std::max(count, 0), in.remaining() / kFoodRecordSize);
  std::vector<TFood> foods;
  foods.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    foods.emplace_back();
    readFoodRecord(in, foods.back());
    if (progress) progress->setPosition(int64_t(i + 1));
  }
  progress.reset();
  setFoods(std::move(foods));
  if (!whole) {
    in.skip(in.remaining());
    return Result::failure(
        messageBox(sj("食品データが途中で切れているか壊れています（読み込めた食品：") +
                       std::to_string(n) + sj("件）"),
                   sj("確認"), Icon::Stop),
        "the food section ends early");
  }
  return {};
}

TextRows TFoodData::listRows() const {
  TextRows rows;
  rows.reserve(foods_.size());
  for (const TFood& f : foods_) rows.push_back(nutrientCells({f.code, f.name}, f));
  return rows;
}

TextRows TFoodData::listRowsOfKanaRow(std::string_view row) const {
  TextRows rows;
  for (const TFood& f : foods_)
    if (startsWithCharOf(f.name, row)) rows.push_back(nutrientCells({f.name}, f));
  return rows;
}

TextRows TFoodData::listRowsWithoutKana() const {
  TextRows rows;
  for (const TFood& f : foods_)
    if (startsWithNoKana(f.name)) rows.push_back(nutrientCells({f.name}, f));
  return rows;
}

}  // namespace nv
