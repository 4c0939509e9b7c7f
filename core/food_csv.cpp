// The food CSV import of TFoodData.
#include <locale.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "core/csv_text.h"
#include "core/food.h"
#include "platform/binio.h"
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

// The leading decimal number of a field; false (value 0) for what would poison every total
// built on it: infinities, NaN, hexadecimal and numbers out of the double's range. An empty
// field, or one that starts with no number at all, is an ordinary 0.
bool leadingDouble(const std::string& field, double& value) {
  value = 0;
  const char* begin = field.c_str();
  char* end = nullptr;
  errno = 0;
  const double v = strtod_l(begin, &end, cLocale());
  if (end == begin) return true;
  const std::string_view number(begin, size_t(end - begin));
  if (errno == ERANGE || !std::isfinite(v) || number.find_first_of("xXpP") != number.npos)
    return false;
  value = v;
  return true;
}

bool isBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
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
// after it (the food keeps the fields read before that point). badNumber is set when a
// nutrient field held a number that was taken as 0.
bool parseFoodLine(std::string_view line, TFood& food, bool& badNumber) {
  size_t lf = line.find('\n');
  if (lf != std::string_view::npos) line = line.substr(0, lf);
  FieldCursor fields(line);
  std::string field;
  if (!fields.take(field)) return false;
  food.code = cutBytes(field, kCodeBytes);
  if (!fields.take(field)) return false;
  food.name = cutBytes(field, kNameBytes);
  if (!fields.take(field)) return false;
  food.group = leadingInt(field);
  if (!fields.take(field)) return false;
  food.colorClass = leadingInt(field);
  for (int i = 0; i < kNutrientCount; ++i) {
    bool more = fields.take(field);
    if (!leadingDouble(field, food.nutrients[i])) badNumber = true;
    if (!more) break;
  }
  return true;
}

}  // namespace

bool TFoodData::importCsv(std::string_view csvFile, std::string* encodingNote) {
  const CsvText text = csvTextOf(csvFile);
  if (encodingNote) *encodingNote = csvEncodingNote(text, "食品ファイル");
  const std::string_view csvBytes = text.cp932;
  std::vector<TFood> foods;
  foods.emplace_back();  // number 0
  TextLineReader reader(csvBytes, kLineBuffer);
  std::string line;
  if (!reader.next(line)) {  // the header, ignored
    setFoods(std::move(foods));
    return true;
  }
  auto progress = prompt().progress(sj("栄養素のデータを読み込んでいます"),
                                    int64_t(reader.position()), int64_t(reader.size()));
  // Line numbers as an editor shows them; an overlong line read in pieces counts once.
  int lineNumber = 1;
  bool lineEnded = !line.empty() && line.back() == '\n';
  int endedAt = 0;
  std::string badLines;
  bool first = true;
  while (reader.next(line)) {
    if (lineEnded) ++lineNumber;
    lineEnded = !line.empty() && line.back() == '\n';
    progress->setPosition(int64_t(reader.position()));
    // A blank line is a slip of the editor, not the end of the table.
    if (isBlankLine(line)) continue;
    if (!first) {
      foods.emplace_back();
      foods.back().number = int32_t(foods.size() - 1);
    }
    first = false;
    bool badNumber = false;
    bool complete = parseFoodLine(line, foods.back(), badNumber);
    if (badNumber) badLines += cformat(badLines.empty() ? "%d" : ", %d", lineNumber);
    if (!complete) {
      // A last line cut short loses nothing after it; an end before more foods does.
      std::string rest;
      while (reader.next(rest))
        if (!isBlankLine(rest)) endedAt = lineNumber;
      break;
    }
  }
  progress.reset();
  const size_t whole = foods.size() - (endedAt ? 1 : 0);
  setFoods(std::move(foods));
  if (!badLines.empty())
    prompt().messageBox(
        sj("栄養素の値が数として読めないため 0 とした行があります: ") + badLines + sj(" 行目"),
        sj("確認"), Icon::Warning, Buttons::Ok);
  if (endedAt)
    prompt().messageBox(cformat("%d", endedAt) +
                            sj(" 行目に区切りのカンマが足りないため、食品データの読み込みをそこで終"
                               "えました（読み込んだ食品 ") +
                            cformat("%zu", whole) + sj(" 件）"),
                        sj("確認"), Icon::Warning, Buttons::Ok);
  return endedAt == 0;
}

}  // namespace nv
