// The dish CSV: import with its report file, and the export of the base dishes.
#include <memory>
#include <unordered_map>

#include "core/converted_file.h"
#include "core/csv_fields.h"
#include "core/csv_text.h"
#include "core/decimal_text.h"
#include "core/fixed_categories.h"
#include "core/food.h"
#include "core/kondate_data.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace nv {
namespace {

constexpr size_t kLineBuffer = 10239;

struct CsvLine {
  std::string category, dish, food, grams;
};

// Category, dish and food must each be followed by a comma; grams run to the next comma.
bool splitLine(std::string_view line, CsvLine& out) {
  size_t lf = line.find('\n');
  if (lf != std::string_view::npos) line = line.substr(0, lf);
  CsvFields split(line);
  std::string_view fields[4];
  for (int i = 0; i < 3; ++i)
    if (!split.next(fields[i])) return false;
  split.next(fields[3]);
  out.category = cutBytes(fields[0], kKondateNameBytes);
  out.dish = cutBytes(fields[1], kKondateNameBytes);
  out.food = cutBytes(fields[2], kKondateNameBytes);
  out.grams = cutBytes(fields[3], kKondateNameBytes);
  return true;
}

// The report is read with the Windows-era tools the schools keep: lines end in CR LF.
std::string withCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace

Result TKondateData::importCsv(const TFoodData& foods, std::string_view csvPath,
                               std::string_view reportLead, ProgressOpener* progress) {
  const std::string reportPath = changeExtension(csvPath, ".txt");
  auto reportFailure = [&] {
    return messageBox(reportPath, sj("エラーファイルに書き出せません"), Icon::Stop);
  };
  // The report is made at once, so a folder that refuses it stops the import before anything.
  // A CSV that is itself named .txt (or linked there) would be emptied by its own report:
  // refused the same way.
  if (reportPath == csvPath || sameFile(reportPath, csvPath) || !writeFileAtomic(reportPath, ""))
    return Result::failure(reportFailure(), "cannot write the report");
  Result result;
  std::string report;
  auto finishReport = [&] {
    if (!writeFileAtomic(reportPath, withCrLf(report))) result.tell(reportFailure());
  };

  std::string file;
  if (!readFile(csvPath, file)) {
    result.fail(messageBox(std::string(csvPath), sj("献立ファイルを開けません"), Icon::Stop),
                "cannot read the dish CSV");
    report = sj("献立ファイルを開けません\n");
    finishReport();
    return result;
  }
  const CsvText text = csvTextOf(file);
  const std::string& data = text.cp932;
  TextLineReader reader(data, kLineBuffer);
  std::string line;
  if (!reader.next(line)) {
    result.fail(messageBox(std::string(csvPath), sj("ファイルにデータがありません"), Icon::Stop),
                "the dish CSV is empty");
    report = sj("ファイルにデータがありません\n");
    finishReport();
    return result;
  }

  report = std::string(reportLead);
  if (text.wasUtf8) report += csvEncodingNote(text, "献立ファイル") + "\n";
  importCsvData(foods, data, report, progress);
  finishReport();
  return result;
}

void TKondateData::importCsvData(const TFoodData& foods, std::string_view csvBytes,
                                 std::string& report, ProgressOpener* opener) {
  TextLineReader reader(csvBytes, kLineBuffer);
  std::string line;
  reader.next(line);  // the header
  std::unique_ptr<Progress> progress =
      openProgress(opener, sj("献立のデータを読み込んでいます"), int64_t(reader.position()),
                   int64_t(reader.size()));
  orders_.clear();
  for (const std::string& name : fixedCategoryNames()) orders_.push_back(TOrder::make(name));
  // Categories by name: a file of many categories is read in one pass, not one per line.
  std::unordered_map<std::string, size_t> orderIndex;
  for (size_t i = 0; i < orders_.size(); ++i) orderIndex.try_emplace(orders_[i].name, i);
  int32_t counter = 0;
  bool unknownHeadingWritten = false;
  CsvLine f;
  while (reader.next(line)) {
    if (splitLine(line, f) && !f.category.empty() && !f.dish.empty() && !f.food.empty()) {
      int32_t food = foods.numberOfName(f.food);
      double grams = 0;
      if (food == -1) {
        if (!unknownHeadingWritten) report += sj("以下の献立で食品が見つかりません\n");
        unknownHeadingWritten = true;
        report += line;
      } else if (!parseDecimalText(f.grams, grams)) {
        // Not a number: reported like a zero weight instead of ending the import.
        report += sj("以下の献立で食品の重さが数値ではありません\n") + line;
      } else if (grams == 0) {
        report += sj("以下の献立で食品の重さが０です\n") + line;
      } else if (grams < 0) {
        // A negative weight would take nutrients away from every menu with the dish.
        report += sj("以下の献立で食品の重さがマイナスです\n") + line;
      } else {
        const auto [at, added] = orderIndex.try_emplace(f.category, orders_.size());
        if (added) orders_.push_back(TOrder::make(f.category));
        TOrder& order = orders_[at->second];
        if (order.base.empty() || order.base.back().name != f.dish)
          order.base.push_back(TKondate::make(counter++, f.dish));
        TKondate& dish = order.base.back();
        dish.foods.push_back(TUsedFood{food, grams, grams});
        dish.standardWeight += grams;
      }
    }
    if (progress) progress->setPosition(int64_t(reader.position()));
  }
}

std::string TKondateData::exportCsv(const TFoodData* foods) const {
  if (orders_.empty()) return {};
  std::string out = sj("分類,料理名,食品名,可食量（ｇ）\n");
  for (const TOrder& o : orders_)
    for (const TKondate* k : dishesByName(o.base)) out += csvRows(k->foods, foods, o.name, k->name);
  return out;
}

Result TKondateData::exportCsvFile(const TFoodData* foods, std::string_view path) const {
  // The chooser offers every file: NV.nv or the program picked here would be lost.
  if (!textOutputMayReplace(path))
    return Result::failure(
        messageBox(
            std::string(path) + sj("\n\nこのファイルは CSV ファイルではないため、上書きしません。"),
            sj("ファイルに書き込めません"), Icon::Stop),
        "not a text file");
  if (writeFileAtomic(path, exportCsv(foods))) return {};
  return Result::failure(messageBox(std::string(path), sj("ファイルに書き込めません"), Icon::Stop),
                         "cannot write the dish CSV");
}

}  // namespace nv
