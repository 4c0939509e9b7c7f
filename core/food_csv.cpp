// The food CSV import of TFoodData.
#include <locale.h>

#include <climits>
#include <cstdlib>
#include <memory>

#include "core/food.h"
#include "platform/files.h"
#include "platform/prompt.h"
#include "platform/text.h"

namespace nv {
namespace {

constexpr size_t kLineBuffer = 10239;
constexpr size_t kCodeBytes = 23;
constexpr size_t kNameBytes = 47;

// Numbers read the way the C library's atoi/atof read the start of a field, but always in
// the "C" locale: the GUI sets the user's locale, whose decimal sign may not be '.'.
locale_t cLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t(0));
  return loc;
}

int32_t leadingInt(const std::string& field) {
  long v = strtol_l(field.c_str(), nullptr, 10, cLocale());
  return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : int32_t(v);
}

double leadingDouble(const std::string& field) {
  return strtod_l(field.c_str(), nullptr, cLocale());
}

// Splits one line at its commas. take() gives the next field and whether a comma ended it.
class FieldCursor {
 public:
  explicit FieldCursor(std::string_view line) : rest_(line) {}
  bool take(std::string& field) {
    size_t comma = rest_.find(',');
    field.assign(rest_.substr(0, comma));
    if (comma == std::string_view::npos) {
      rest_ = {};
      return false;
    }
    rest_.remove_prefix(comma + 1);
    return true;
  }

 private:
  std::string_view rest_;
};

// Fills `food` from one data line; false when one of the first four fields has no comma
// after it (the food keeps the fields read before that point).
bool parseFoodLine(std::string_view line, TFood& food) {
  size_t lf = line.find('\n');
  if (lf != std::string_view::npos) line = line.substr(0, lf);
  FieldCursor fields(line);
  std::string field;
  if (!fields.take(field)) return false;
  food.code = field.substr(0, kCodeBytes);
  if (!fields.take(field)) return false;
  food.name = field.substr(0, kNameBytes);
  if (!fields.take(field)) return false;
  food.group = leadingInt(field);
  if (!fields.take(field)) return false;
  food.colorClass = leadingInt(field);
  for (int i = 0; i < kNutrientCount; ++i) {
    bool more = fields.take(field);
    food.nutrients[i] = leadingDouble(field);
    if (!more) break;
  }
  return true;
}

}  // namespace

void TFoodData::importCsv(std::string_view csvBytes) {
  std::vector<TFood> foods;
  foods.push_back(TFood::createNumbered());
  TextLineReader reader(csvBytes, kLineBuffer);
  std::string line;
  if (!reader.next(line)) {  // the header, ignored
    setFoods(std::move(foods));
    return;
  }
  auto progress = prompt().progress(sj("栄養素のデータを読み込んでいます"),
                                    int64_t(reader.position()), int64_t(reader.size()));
  bool first = true;
  while (reader.next(line)) {
    if (!first) foods.push_back(TFood::createNumbered());
    first = false;
    bool complete = parseFoodLine(line, foods.back());
    progress->setPosition(int64_t(reader.position()));
    if (!complete) break;
  }
  progress.reset();
  setFoods(std::move(foods));
}

}  // namespace nv
