#pragma once
// The food composition table: TFood and TFoodData.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/nutrients.h"
#include "core/rows.h"
#include "platform/result.h"

namespace nv {

class ByteReader;
class ByteWriter;
class ProgressOpener;

constexpr size_t kFoodRecordSize = 176;
constexpr size_t kFoodMagicSize = 128;
constexpr int32_t kFoodSectionVersion = 2;
extern const char kFoodMagic[];  // "Nuvelta Food Data"

struct TFood {
  int32_t number = 0;
  std::string code;        // at most 23 bytes
  std::string name;        // CP932, at most 47 bytes
  int32_t group = 0;       // 0..6
  int32_t colorClass = 0;  // 1 赤, 2 黄, 3 緑; other values: none
  Nutrients nutrients{};   // per 100 g edible portion
};

// One food record, field by field (the link field is ignored on reading, zero on writing).
void writeFoodRecord(ByteWriter& out, const TFood& food);
TFood readFoodRecord(const char* record176);
// Takes the next record from `in`; false (taking nothing) when fewer than 176 bytes remain.
bool readFoodRecord(ByteReader& in, TFood& food);

class TFoodData {
 public:
  TFoodData() = default;

  bool loaded() const { return !foods_.empty(); }
  size_t count() const { return foods_.size(); }
  const std::vector<TFood>& foods() const { return foods_; }
  void setFoods(std::vector<TFood> foods);
  void clear() { setFoods({}); }

  // Linear "first match wins" semantics, answered from an index by number.
  const TFood* findByNumber(int32_t number) const;
  int32_t groupOf(int32_t number) const;              // -1 when unknown
  int32_t numberOfName(std::string_view name) const;  // byte-exact; -1 when unknown
  std::string displayName(int32_t number) const;  // "不明な食品:17", "不明(データなし)"
  std::string csvName(int32_t number) const;      // "不明な食品"

  // Adds amount x nutrient x 0.01 to acc. Tells of an unknown food or a missing table once
  // each until the table's foods are set again (every redraw sums again); the status stays
  // success. An amount of exactly 0 does nothing and tells nothing.
  Result addNutrients(int32_t number, double amount, Nutrients& acc) const;

  // The food section: magic, version 2, count, records.
  void writeSection(ByteWriter& out) const;
  // Reads a food section at the reader's position; a failure (with its message box, the
  // table kept) for a bad magic or version. A file that ends inside the records, or whose
  // count is more than it holds, keeps the whole records read and fails with a box saying so;
  // the reader is then at its end. `progress` (may be null) shows the reading.
  Result readSection(ByteReader& in, ProgressOpener* progress);

  // The food CSV import (text as read from the file); the table holds at least the one (head)
  // food afterwards. The foods are numbered 0, 1, 2 ... in file order, each import afresh, so
  // the same CSV always gives the same numbers (dishes and saved menus refer to them). Blank
  // lines are skipped; a line without the comma after one of its first four fields ends the
  // import early, which is told in a box and fails (the foods read are kept). Nutrient
  // numbers that are not finite decimals count as 0 and their lines are told in a box.
  // A UTF-8 file is converted first (csvTextOf); `encodingNote` receives the report line that
  // says so, or "" for a CP932 file. `progress` (may be null) shows the reading.
  Result importCsv(std::string_view csvBytes, std::string* encodingNote = nullptr,
                   ProgressOpener* progress = nullptr);

  // List-view rows.
  TextRows listRows() const;  // code, name, group, colour, 10 nutrients
  TextRows listRowsOfKanaRow(std::string_view row) const;  // name, group, colour, 10 nutrients
  TextRows listRowsWithoutKana() const;

 private:
  void rebuildIndex();
  std::vector<TFood> foods_;
  std::vector<std::pair<int32_t, uint32_t>> index_;  // number -> first position, sorted
  struct NameHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  // The notices of addNutrients already handed out for this data.
  mutable bool missingTableTold_ = false;
  mutable std::unordered_set<int32_t> unknownFoodsTold_;
  // name -> number of the first food with it
  std::unordered_map<std::string, int32_t, NameHash, std::equal_to<>> numberByName_;
};

}  // namespace nv
