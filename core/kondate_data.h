#pragma once
// The dish database: categories (TOrder) holding base dishes (from NV.nv) and added dishes
// (from NV_ADD.nv or the dish add-and-edit window), each dish (TKondate) a list of ingredients.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/rows.h"
#include "core/used_food.h"
#include "platform/result.h"

namespace nv {

class ByteReader;
class ByteWriter;
class ProgressOpener;
class TFoodData;

constexpr size_t kOrderRecordSize = 60;
constexpr size_t kKondateRecordSize = 72;
constexpr int32_t kKondateSectionVersion = 3;
constexpr size_t kKondateNameBytes = 47;  // names live in 48-byte NUL-terminated fields
constexpr int32_t kFirstAddedNumberBase = 100000;
extern const char kKondateMagic[];  // "Nuvelta Kondate Data Version = 1.00"

struct TKondate {
  int32_t number = 0;
  std::string name;           // CP932, at most 47 bytes
  double standardWeight = 0;  // sum of the standard amounts, grams
  TUsedFoodList foods;

  // A new dish: the name cut to 47 bytes, no weight, no ingredients.
  static TKondate make(int32_t number, std::string_view name);
};
using TKondateList = std::vector<TKondate>;

struct TOrder {
  std::string name;  // CP932, at most 47 bytes
  TKondateList base;
  TKondateList added;

  static TOrder make(std::string_view name);
};

// One row of the dish add-and-edit window's grid: food name, grams text.
struct KondateGridRow {
  std::string foodName;
  std::string grams;
};

class TKondateData {
 public:
  TKondateData() = default;

  const std::vector<TOrder>& orders() const { return orders_; }
  std::vector<TOrder>& orders() { return orders_; }
  bool empty() const { return orders_.empty(); }
  void clear() { orders_.clear(); }
  bool modified() const { return modified_; }
  void setModified(bool m) { modified_ = m; }

  // First category of that exact name, or nullptr; appended (name cut to 47 bytes) if asked.
  TOrder* findOrder(std::string_view name);
  const TOrder* findOrder(std::string_view name) const;
  TOrder& findOrAppendOrder(std::string_view name);

  // --- Queries (linear, first match wins, names byte-exact) ---
  size_t dishCount() const;
  // Added dishes of the named category first, then its base dishes; 0 when not found.
  int32_t numberOf(std::string_view category, std::string_view dish) const;
  // "不明な献立" for an unknown number, "不明" for an empty database.
  std::string nameOf(int32_t number) const;
  // A copy of the first dish's ingredients (base before added within a category).
  std::optional<TUsedFoodList> ingredientsOf(int32_t number) const;
  // Standard weight (foodNumber 0) or the amount of one food in the dish; added dishes are
  // searched before base dishes and a result of exactly 0 lets the search go on.
  double standardWeightOf(int32_t number, int32_t foodNumber = 0) const;
  // Categories that have at least one dish; `out` is cleared first.
  void categoryNames(std::vector<std::string>& out) const;
  // Names of the dishes of a category (base, then added), each appended once to `out`.
  void dishNamesOf(std::string_view category, std::vector<std::string>& out) const;
  // The maximum of 100000 and every dish number.
  int32_t largestNumber() const;

  // --- Dish section (NV.nv after the food section, NV_ADD.nv alone) ---
  // `progress` (may be null) shows the writing of categories with many dishes, and reading.
  void writeBaseSection(ByteWriter& out, ProgressOpener* progress) const;
  void writeAddedSection(ByteWriter& out, ProgressOpener* progress) const;
  // Replaces the database with the section at the reader's position. A failure, database
  // kept, for a bad magic or version (with the message box). A damaged or short section
  // keeps every whole dish read and fails with a box saying so.
  Result readBaseSection(ByteReader& in, ProgressOpener* progress);
  // Merges a section's dishes into the added lists (categories by name, new ones appended).
  Result readAddedSection(ByteReader& in);
  // NV_ADD.nv: nothing happens (a failure) when the file cannot be read; a missing file
  // fails with nothing to tell.
  Result readAddFile(std::string_view path);
  // Writes NV_ADD.nv only while the modified flag is set, then clears the flag. A file that
  // cannot be written, or that is there and is no add-dish file (addFileMayBeReplaced),
  // fails with a box; the flag stays set. An add-dish file that does not read whole is kept
  // as "<name>.bak" before it is replaced.
  Result writeAddFile(std::string_view path, ProgressOpener* progress);

  // --- CSV ---
  // Rebuilds the database from a dish CSV against `foods`; writes the report (.txt beside
  // the CSV), which starts with `reportLead` (lines the caller has to tell, such as how the
  // food CSV was read). A UTF-8 CSV is converted and the report says so. A failure, database
  // kept, when the report or the CSV cannot be used. `progress` (may be null) shows the
  // reading.
  Result importCsv(const TFoodData& foods, std::string_view csvPath,
                   std::string_view reportLead = {}, ProgressOpener* progress = nullptr);
  // The import itself, from the file's bytes (header line included); report lines are
  // appended to `report`.
  void importCsvData(const TFoodData& foods, std::string_view csvBytes, std::string& report,
                     ProgressOpener* progress = nullptr);
  // The CSV export of the base dishes ("" for an empty database).
  std::string exportCsv(const TFoodData* foods) const;
  // exportCsv into a file (replaced atomically); a failure comes with a box. Only a file that
  // may be text is replaced, never a data file, a program or a FIFO picked by mistake.
  Result exportCsvFile(const TFoodData* foods, std::string_view path) const;

  // --- List rows: caption (category, or "*" + category for an added dish), dish name ---
  TextRows rowsWithPrefix(std::string_view text, bool withAdded) const;
  TextRows rowsContaining(std::string_view text, bool withAdded) const;
  TextRows rowsOfKanaRow(std::string_view row, bool withAdded) const;
  TextRows rowsWithoutKana(bool withAdded) const;
  TextRows rowsOfAdded() const;
  TextRows rowsOfCategory(std::string_view category) const;
  // The settings dialog's preview: number, name, standard weight, first five food names.
  static TextRow previewHeadings();  // "通し番号", "献立名", "標準の重量", "食品１".."食品５"
  TextRows previewRows(const TFoodData* foods) const;

  // --- Edits ---
  // The ingredient grid of a list entry (caption as in the list rows, dish name); nullopt
  // when no such dish is found. Food names are those of `foods`.
  std::optional<TextRows> gridOf(std::string_view caption, std::string_view dish,
                                 const TFoodData& foods) const;
  // Removes the first added dish of that name from the first category of that name whose
  // added list is not empty; true when such a category was found.
  bool DeleteAddedKondate(std::string_view category, std::string_view dish);
  // Registers the dish of the add-and-edit window as an added dish (new, or replacing one of
  // the same name after a Yes). An added dish of that name in another category is asked
  // about first (settleOtherCategories). At most one question is asked, before anything is
  // told; the result then carries the boxes of the registration (ingredients left out, the
  // dish or category added). `formOpen` false is the internal-error path. Names of the grid
  // are resolved in `foods`.
  Result RegistKondate(std::string_view category, std::string_view dish,
                       const std::vector<KondateGridRow>& grid, const TFoodData& foods,
                       const Ask& ask, bool formOpen = true);
  // Moves every category's added dishes to the end of its base dishes.
  void combineAdded();
  // The main window's combining: asks (an empty `ask` answers Yes), combines, recreates the
  // data file from `foods` and the base dishes, then deletes the add-dish file. Refused
  // (with a box) unless the data file reads whole and holds the tables in memory, and the
  // add-dish file, when there is one, reads whole. When the data file cannot be written the
  // database is left as it was; when the add-dish file cannot be deleted the data file is
  // put back as it was; both fail with a box saying so. The boxes come after the questions.
  Result combine(const TFoodData& foods, std::string_view dataPath, std::string_view addPath,
                 const Ask& ask, ProgressOpener* progress);

 private:
  void writeSection(ByteWriter& out, bool added, ProgressOpener* progress) const;
  bool filesLoadWhole(const TFoodData& foods, std::string_view dataPath, std::string_view addPath,
                      std::string& dataBytes) const;
  Result readSection(ByteReader& in, bool added, ProgressOpener* progress);
  // Boxes for the ingredients left out go to `told`.
  void fillFromGrid(TKondate& dish, const std::vector<KondateGridRow>& grid, const TFoodData& foods,
                    Result& told);
  // Before a new added dish is registered in `category`: when other categories hold an added
  // dish of that name, asks whether to move it here (Yes: theirs are removed), keep both (No)
  // or register nothing (Cancel, false).
  bool settleOtherCategories(const std::string& category, const std::string& dish, const Ask& ask);

  std::vector<TOrder> orders_;
  bool modified_ = false;
};

// Whether an add-dish file may be written at `path`: nothing is there, an empty file, or a
// file that starts as dish data of this version does. Anything else (the data file NV.nv, a
// file that is no dish data, a folder) would be destroyed by the write.
bool addFileMayBeReplaced(std::string_view path);

// The dishes of a list in writing order: by name in the Japanese collation, equal names
// keeping their list order.
std::vector<const TKondate*> dishesByName(const TKondateList& list);

}  // namespace nv
