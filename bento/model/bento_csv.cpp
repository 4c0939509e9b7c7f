// Reading the lunch-box dish CSV: one pass over the lines, with every rejected line and
// every dish without a picture written to the error list.
#include "bento/model/bento_csv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>

#include "bento/model/bento_messages.h"
#include "core/food.h"
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

std::string cut(std::string_view s, size_t maxBytes) { return std::string(s.substr(0, maxBytes)); }

// The field that starts at `from`: up to the next comma or the end of the line.
std::string_view fieldAt(std::string_view line, size_t from) {
  size_t end = line.find(',', from);
  return line.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from);
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

class CsvReader {
 public:
  CsvReader(const TFoodData& foods, TDaidokoro& kitchen, std::string& errors)
      : foods_(foods), kitchen_(kitchen), errors_(errors) {}

  void line(int number, std::string_view raw) {
    std::string_view rawText = raw;
    while (!rawText.empty() && (rawText.back() == '\n' || rawText.back() == '\r'))
      rawText.remove_suffix(1);
    errorText_ = cformat("%4d ", number) + sj("行目:") + std::string(rawText) + kCrLf;
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
    unknownHeadingShown_ = false;
  }

  TBentouData* current() { return haveCurrent_ ? &kitchen_.Dishes.back() : nullptr; }

  void ingredientLine(std::string_view l) {
    size_t second = l.find(',', 1);
    if (second == std::string_view::npos) return;
    TBentouData* d = current();
    if (!d) return report(kHeadingNoDish);
    d->IngredientLines.push_back(cut(l.substr(1, second - 1), kBentoCsvFieldBytes));
    d->QuantityLines.push_back(cut(fieldAt(l, second + 1), kBentoCsvFieldBytes));
  }

  void stepLine(std::string_view l) {
    size_t comma = l.find(',');
    if (comma == std::string_view::npos) return;
    TBentouData* d = current();
    if (!d) return report(kHeadingNoDish);
    d->StepLines.push_back(cut(l.substr(comma + 1), kBentoCsvStepBytes));
  }

  void dishLine(std::string_view l) {
    if (std::count(l.begin(), l.end(), ',') < 7) return;
    std::string f[8];
    size_t from = 0;
    for (std::string& field : f) {
      std::string_view v = fieldAt(l, from);
      field = cut(v, kBentoCsvFieldBytes);
      from += v.size() + 1;
    }
    for (int i : {0, 1, 2, 4, 5, 6, 7})
      if (f[i].empty()) return report(kHeadingMissingData);
    int32_t food = foods_.numberOfName(f[2]);
    if (food < 0) {
      if (!unknownHeadingShown_) errors_ += sj(kHeadingUnknownFood) + kCrLf;
      unknownHeadingShown_ = true;
      errors_ += errorText_;
      return;
    }
    double grams, volume, size;
    if (!leadingNumber(f[3].empty() ? "0" : f[3], grams) || !leadingNumber(f[4], volume) ||
        !leadingNumber(f[5], size))
      return report(kHeadingBadNumber);
    if (!(grams > 0)) return report(kHeadingZeroWeight);

    int32_t category = TDaidokoro::indexOrAppend(kitchen_.Categories, f[0]);
    int32_t placement = TDaidokoro::indexOrAppend(kitchen_.Placements, f[6]);
    int32_t storage = TDaidokoro::indexOrAppend(kitchen_.Storages, f[7]);
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
  }

  const TFoodData& foods_;
  TDaidokoro& kitchen_;
  std::string& errors_;
  std::string errorText_;
  bool haveCurrent_ = false;
  bool unknownHeadingShown_ = false;
};

}  // namespace

bool readBentoCsv(std::string_view csv, const TFoodData& foods, TDaidokoro& kitchen,
                  std::string& errors, const std::string* pictureFolder, bool showProgress) {
  TextLineReader lines(csv, kBentoCsvLineBuffer);
  std::string line;
  if (!lines.next(line)) return false;  // not even a header
  std::unique_ptr<Progress> progress;
  if (showProgress)
    progress = prompt().progress(sj(kReadingDishesCaption), int64_t(lines.position()),
                                 int64_t(lines.size()));
  kitchen.clear();
  kitchen.Categories = defaultBentoCategories();
  CsvReader reader(foods, kitchen, errors);
  for (int number = 2; lines.next(line); ++number) {
    reader.line(number, line);
    if (progress) progress->setPosition(int64_t(lines.position()));
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
