// Reading the lunch-box dish CSV: one pass over the lines, with every rejected line and
// every dish without a picture written to the error list.
#include "bento/model/bento_csv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "bento/model/appliance_layout.h"
#include "bento/model/bento_messages.h"
#include "core/csv_fields.h"
#include "core/food.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/text.h"

namespace nv {
namespace {

constexpr const char* kCrLf = "\r\n";

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Leading blanks and ideographic spaces (CP932 81 40) go; so does the line end.
std::string_view stripLine(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  for (;;) {
    if (!line.empty() && isBlank(line.front())) {
      line.remove_prefix(1);
    } else if (line.size() >= 2 && uint8_t(line[0]) == 0x81 && uint8_t(line[1]) == 0x40) {
      line.remove_prefix(2);
    } else {
      return line;
    }
  }
}

// The leading decimal number of a field, as the plain text-to-number conversion reads it
// (leading blanks and a sign allowed, trailing text ignored). False when the field starts
// with no number at all or the number is not finite.
bool leadingNumber(std::string_view s, double& value) {
  size_t i = 0;
  while (i < s.size() && isBlank(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  if (i >= s.size() || !(std::isdigit(uint8_t(s[i])) || s[i] == '.')) return false;
  auto [end, ec] = std::from_chars(s.data() + i, s.data() + s.size(), value);
  if (ec != std::errc() || !std::isfinite(value)) return false;
  (void)end;
  if (negative) value = -value;
  return true;
}

// A name list of the kitchen with a hash index beside it: finding or appending a name costs
// the same whether the list holds ten names or a hundred thousand.
class NameIndex {
 public:
  explicit NameIndex(NameList& list) : list_(list) {
    index_.reserve(list.size());
    for (size_t i = 0; i < list.size(); ++i) index_.try_emplace(list[i], int32_t(i));
  }
  // The index of the first entry of that name, appending the name when it is new.
  int32_t indexOrAppend(const std::string& name) {
    auto [it, added] = index_.try_emplace(name, int32_t(list_.size()));
    if (added) list_.push_back(name);
    return it->second;
  }

 private:
  NameList& list_;
  std::unordered_map<std::string, int32_t> index_;
};

// The storages the game opens: a dish stored anywhere else can never be taken out.
std::unordered_set<std::string> applianceStorages() {
  std::unordered_set<std::string> names;
  for (LayoutSection section : allLayoutSections()) names.insert(storageNameOf(section));
  return names;
}

// "以下の献立の保存場所は台所にありません（冷蔵庫・扉・…のどれでもありません）".
std::string unknownStorageHeading() {
  std::string list;
  for (LayoutSection section : allLayoutSections())
    list += (list.empty() ? "" : sj("・")) + storageNameOf(section);
  return sj(kHeadingUnknownStorage) + sj("（") + list + sj("のどれでもありません）");
}

class CsvReader {
 public:
  CsvReader(const TFoodData& foods, TDaidokoro& kitchen, std::string& errors)
      : foods_(foods),
        kitchen_(kitchen),
        errors_(errors),
        categories_(kitchen.Categories),
        placements_(kitchen.Placements),
        storages_(kitchen.Storages),
        appliances_(applianceStorages()),
        lineWord_(sj("行目:")) {}

  void line(int number, std::string_view raw) {
    std::string_view rawText = raw;
    while (!rawText.empty() && (rawText.back() == '\n' || rawText.back() == '\r'))
      rawText.remove_suffix(1);
    errorText_ = cformat("%4d ", number) + lineWord_;
    errorText_.append(rawText);
    errorText_ += kCrLf;
    std::string_view l = stripLine(raw);
    if (l.empty()) return;
    if (l.front() == ',') {
      ingredientLine(l);
    } else if (l.front() >= '0' && l.front() <= '9') {
      stepLine(l);
    } else {
      dishLine(l);
    }
  }

 private:
  void report(const char* heading) {
    errors_ += sj(heading) + kCrLf + errorText_;
    unknownHeadingShown_ = storageHeadingShown_ = false;
  }

  TBentouData* current() { return haveCurrent_ ? &kitchen_.Dishes.back() : nullptr; }

  void ingredientLine(std::string_view l) {
    // The first byte is the line's mark; the ingredient and its quantity follow it.
    CsvFields fields(l.substr(std::min<size_t>(1, l.size())));
    std::string_view ingredient, quantity;
    if (!fields.next(ingredient)) return;
    fields.next(quantity);
    TBentouData* d = current();
    if (!d) return report(kHeadingNoDish);
    d->IngredientLines.push_back(cutBytes(ingredient, kBentoCsvFieldBytes));
    d->QuantityLines.push_back(cutBytes(quantity, kBentoCsvFieldBytes));
  }

  void stepLine(std::string_view l) {
    size_t comma = l.find(',');
    if (comma == std::string_view::npos) return;
    TBentouData* d = current();
    if (!d) return report(kHeadingNoDish);
    d->StepLines.push_back(cutBytes(l.substr(comma + 1), kBentoCsvStepBytes));
  }

  void dishLine(std::string_view l) {
    // Short of its eight fields the line is no dish; said, so the dish is not just missing.
    if (std::count(l.begin(), l.end(), ',') < 7) return report(kHeadingTooFewCommas);
    std::string f[8];
    CsvFields fields(l);
    for (std::string& field : f) {
      std::string_view v;
      fields.next(v);
      field = cutBytes(v, kBentoCsvFieldBytes);
    }
    for (int i : {0, 1, 2, 4, 5, 6, 7})
      if (f[i].empty()) return report(kHeadingMissingData);
    int32_t food = foods_.numberOfName(f[2]);
    if (food < 0) {
      if (!unknownHeadingShown_) errors_ += sj(kHeadingUnknownFood) + kCrLf;
      unknownHeadingShown_ = true;
      storageHeadingShown_ = false;
      errors_ += errorText_;
      return;
    }
    double grams, volume, size;
    if (!leadingNumber(f[3].empty() ? "0" : f[3], grams) || !leadingNumber(f[4], volume) ||
        !leadingNumber(f[5], size))
      return report(kHeadingBadNumber);
    if (!(grams > 0)) return report(kHeadingZeroWeight);

    int32_t category = categories_.indexOrAppend(f[0]);
    int32_t placement = placements_.indexOrAppend(f[6]);
    int32_t storage = storages_.indexOrAppend(f[7]);
    if (!kitchen_.Dishes.empty()) {
      TBentouData& last = kitchen_.Dishes.back();
      if (last.CategoryIndex == category && last.Name == f[1] && last.PlacementIndex == placement &&
          last.StorageIndex == storage) {
        last.Foods.push_back({food, grams});
        haveCurrent_ = true;
        return;
      }
    }
    TBentouData d;
    d.CategoryIndex = category;
    d.Name = f[1];
    d.Foods.push_back({food, grams});
    d.VolumeMl = volume;
    d.SizeFactor = size;
    d.PlacementIndex = placement;
    d.StorageIndex = storage;
    kitchen_.Dishes.push_back(std::move(d));
    haveCurrent_ = true;
    // Kept, but no appliance of the kitchen shows it: said once, at the line that made it.
    // Such dishes in a row share one heading, so a file of them stays readable.
    if (!appliances_.contains(f[7])) {
      if (!storageHeadingShown_) errors_ += unknownStorageHeading() + kCrLf;
      storageHeadingShown_ = true;
      unknownHeadingShown_ = false;
      errors_ += errorText_;
    }
  }

  const TFoodData& foods_;
  TDaidokoro& kitchen_;
  std::string& errors_;
  NameIndex categories_, placements_, storages_;
  const std::unordered_set<std::string> appliances_;
  const std::string lineWord_;
  std::string errorText_;
  bool haveCurrent_ = false;
  bool unknownHeadingShown_ = false;
  bool storageHeadingShown_ = false;
};

}  // namespace

bool readBentoCsv(std::string_view csv, const TFoodData& foods, TDaidokoro& kitchen,
                  std::string& errors, const std::string* pictureFolder, ProgressOpener* progress) {
  TextLineReader lines(csv, kBentoCsvLineBuffer);
  std::string line;
  if (!lines.next(line)) return false;  // not even a header
  std::unique_ptr<Progress> window = openProgress(progress, sj(kReadingDishesCaption),
                                                  int64_t(lines.position()), int64_t(lines.size()));
  kitchen.clear();
  kitchen.Categories = defaultBentoCategories();
  CsvReader reader(foods, kitchen, errors);
  for (int number = 2; lines.next(line); ++number) {
    reader.line(number, line);
    if (window) window->setPosition(int64_t(lines.position()));
  }
  kitchen.renumber();
  if (pictureFolder) {
    NameList missing;
    for (const TBentouData& d : kitchen.Dishes)
      if (!fileExists(joinPath(*pictureFolder, d.Name + ".bmp"))) missing.push_back(d.Name);
    std::stable_sort(
        missing.begin(), missing.end(),
        [](const std::string& a, const std::string& b) { return compareJa(a, b) < 0; });
    for (const std::string& name : missing)
      errors += sj("画像ファイルが見つかりません:<") + name + ">" + kCrLf;
  }
  return true;
}

}  // namespace nv
