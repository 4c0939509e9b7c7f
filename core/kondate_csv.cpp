// The dish CSV: import with its report file, and the export of the base dishes.
#include <memory>

#include "core/converted_file.h"
#include "core/csv_text.h"
#include "core/decimal_text.h"
#include "core/fixed_categories.h"
#include "core/food.h"
#include "core/kondate_data.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
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
  std::string_view fields[3];
  for (std::string_view& f : fields) {
    size_t comma = line.find(',');
    if (comma == std::string_view::npos) return false;
    f = line.substr(0, comma);
    line.remove_prefix(comma + 1);
  }
  out.category = cutBytes(fields[0], kKondateNameBytes);
  out.dish = cutBytes(fields[1], kKondateNameBytes);
  out.food = cutBytes(fields[2], kKondateNameBytes);
  out.grams = cutBytes(line.substr(0, line.find(',')), kKondateNameBytes);
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

bool TKondateData::importCsv(const TFoodData& foods, std::string_view csvPath,
                             std::string_view reportLead) {
  const std::string reportPath = changeExtension(csvPath, ".txt");
  // The report is made at once, so a folder that refuses it stops the import before anything.
  // A CSV that is itself named .txt (or linked there) would be emptied by its own report:
  // refused the same way.
  if (reportPath == csvPath || sameFile(reportPath, csvPath) || !writeFileAtomic(reportPath, "")) {
    prompt().messageBox(reportPath, sj("エラーファイルに書き出せません"), Icon::Stop, Buttons::Ok);
    return false;
  }
  std::string report;
  auto finishReport = [&] {
    if (!writeFileAtomic(reportPath, withCrLf(report)))
      prompt().messageBox(reportPath, sj("エラーファイルに書き出せません"), Icon::Stop,
                          Buttons::Ok);
  };

  std::string file;
  if (!readFile(csvPath, file)) {
    prompt().messageBox(std::string(csvPath), sj("献立ファイルを開けません"), Icon::Stop,
                        Buttons::Ok);
    report = sj("献立ファイルを開けません\n");
    finishReport();
    return false;
  }
  const CsvText text = csvTextOf(file);
  const std::string& data = text.cp932;
  TextLineReader reader(data, kLineBuffer);
  std::string line;
  if (!reader.next(line)) {
    prompt().messageBox(std::string(csvPath), sj("ファイルにデータがありません"), Icon::Stop,
                        Buttons::Ok);
    report = sj("ファイルにデータがありません\n");
    finishReport();
    return false;
  }

  report = std::string(reportLead);
  if (text.wasUtf8) report += csvEncodingNote(text, "献立ファイル") + "\n";
  importCsvData(foods, data, report);
  finishReport();
  return true;
}

void TKondateData::importCsvData(const TFoodData& foods, std::string_view csvBytes,
                                 std::string& report) {
  TextLineReader reader(csvBytes, kLineBuffer);
  std::string line;
  reader.next(line);  // the header
  std::unique_ptr<Progress> progress = prompt().progress(
      sj("献立のデータを読み込んでいます"), int64_t(reader.position()), int64_t(reader.size()));
  orders_.clear();
  for (const std::string& name : fixedCategoryNames()) orders_.push_back(TOrder::make(name));
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
        TOrder& order = findOrAppendOrder(f.category);
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

bool TKondateData::exportCsvFile(const TFoodData* foods, std::string_view path) const {
  if (writeFileAtomic(path, exportCsv(foods))) return true;
  prompt().messageBox(std::string(path), sj("ファイルに書き込めません"), Icon::Stop, Buttons::Ok);
  return false;
}

}  // namespace nv
