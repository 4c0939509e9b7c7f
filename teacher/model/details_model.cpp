#include "teacher/model/details_model.h"

#include "core/converted_file.h"
#include "core/food.h"
#include "core/kondate_data.h"
#include "core/nv_file.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/text.h"

namespace nv {

ButtonBox mealColorButton(int count, int tabWidth, int index) {
  if (count <= 0) return {};
  ButtonBox b;
  b.width = (tabWidth - 6 * count - 14) / count;
  b.left = 10 + index * (b.width + 6);
  b.top = 106;
  b.height = 47;
  return b;
}

ButtonBox gunColorButton(int tabWidth, int index) {
  ButtonBox b;
  b.width = (tabWidth - 40) / 6;
  b.left = 10 + index * (b.width + 4);
  return b;
}

std::string kaitenShuukiCaption(int seconds) {
  return sj("回転寿司での１周に要する時間（") + std::to_string(seconds) + sj("秒）");
}

std::string dishCsvReportPath(std::string_view dishCsv) { return changeExtension(dishCsv, ".txt"); }

CsvConversion convertCsvFiles(std::string_view foodCsv, std::string_view dishCsv,
                              std::string_view dataPath) {
  CsvConversion out;
  // The report beside the dish CSV and the data file must not land on either source.
  if (!outputsAreNotInputs({foodCsv, dishCsv}, {dataPath, dishCsvReportPath(dishCsv)})) return out;
  std::string bytes;
  if (!readFile(foodCsv, bytes)) {
    prompt().messageBox(std::string(foodCsv), sj("ファイルを読み込めません"), Icon::Stop,
                        Buttons::Ok);
    return out;
  }
  TFoodData foods;
  std::string foodNote;
  foods.importCsv(bytes, &foodNote);
  out.foodsRead = true;
  for (const TextRow& r : foods.listRows())
    out.foodRows.push_back(TextRow(r.begin(), r.begin() + std::min<size_t>(5, r.size())));

  if (!readFile(dishCsv, bytes)) {
    prompt().messageBox(std::string(dishCsv), sj("ファイルを読み込めません"), Icon::Stop,
                        Buttons::Ok);
    return out;
  }
  TKondateData dishes;
  // An import that stops (no data, no report file) has said why; nothing is written then.
  if (!dishes.importCsv(foods, dishCsv, foodNote.empty() ? std::string() : foodNote + "\n"))
    return out;
  out.dishesRead = true;
  out.dishRows = dishes.previewRows(&foods);
  if (!dataPath.empty()) out.written = writeConvertedDataFile(dataPath, foods, dishes);
  return out;
}

DataFilePreview previewDataFile(std::string_view path) {
  DataFilePreview out;
  std::string probe;
  if (!readFile(path, probe, uint64_t(1) << 31)) return out;
  TFoodData foods;
  TKondateData dishes;
  loadDataFile(path, foods, dishes, false);
  out.opened = true;
  out.foodRows = foods.listRows();
  out.dishRows = dishes.previewRows(&foods);
  return out;
}

}  // namespace nv
