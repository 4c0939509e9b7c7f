// The builder's file work: the dish CSV with its error file, the conversion into NV.nvb and
// the check of dish names against the picture folder.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "bento/model/bento_csv.h"
#include "bento/model/bento_data_file.h"
#include "bento/model/bento_messages.h"
#include "core/converted_file.h"
#include "core/csv_text.h"
#include "core/food.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/result.h"
#include "platform/text.h"

namespace nv {
namespace {

// The builder's boxes name the file and have no icon.
Message box(std::string_view path, const char* caption) {
  return messageBox(std::string(path), sj(caption), Icon::None);
}

void sortJa(NameList& list) {
  std::stable_sort(list.begin(), list.end(),
                   [](const std::string& a, const std::string& b) { return compareJa(a, b) < 0; });
}

// The last character of a CP932 name is "s" (a trail byte 0x73 is not).
bool endsWithSmallMark(std::string_view name) {
  size_t lastStart = std::string_view::npos;
  for (size_t i = 0; i < name.size(); ++i) {
    lastStart = i;
    if (isCp932LeadByte(uint8_t(name[i])) && i + 1 < name.size()) ++i;
  }
  return lastStart != std::string_view::npos && lastStart == name.size() - 1 &&
         name[lastStart] == 's';
}

}  // namespace

Result readBentoCsvFile(std::string_view csvPath, std::string_view errorPath,
                        const TFoodData& foods, TDaidokoro& kitchen,
                        const std::string* pictureFolder, std::string_view errorLead,
                        ProgressOpener* progress) {
  kitchen.clear();
  // The error file is emptied first: were it the CSV itself, the CSV would be lost unread.
  Result result = outputsAreNotInputs({csvPath}, {errorPath});
  if (!result.ok()) return result;
  if (!writeFileAtomic(errorPath, ""))
    return result.fail(box(errorPath, kErrorFileCaption), "cannot create the error file");
  std::string file;
  if (!readFile(csvPath, file)) {
    writeFileAtomic(errorPath, sj(kCannotOpenDishFile) + "\r\n");
    return result.fail(box(csvPath, kCannotOpenDishFile), "cannot read the dish file");
  }
  const CsvText csv = csvTextOf(file);
  std::string errors(errorLead);
  if (csv.wasUtf8) errors += csvEncodingNote(csv, "献立ファイル") + "\r\n";
  if (!readBentoCsv(csv.cp932, foods, kitchen, errors, pictureFolder, progress)) {
    writeFileAtomic(errorPath, sj(kNoDataInFile) + "\r\n");
    return result.fail(box(csvPath, kNoDataInFile), "the dish file holds no data");
  }
  if (!writeFileAtomic(errorPath, errors)) result.tell(box(errorPath, kErrorFileCaption));
  return result;
}

Result convertBentoCsv(std::string_view foodCsvPath, std::string_view dishCsvPath,
                       std::string_view dataFilePath, const std::string* pictureFolder,
                       std::string* errorFile, ProgressOpener* progress) {
  const std::string errorPath = joinPath(folderOf(dataFilePath), "error.txt");
  Result result = outputsAreNotInputs({foodCsvPath, dishCsvPath}, {dataFilePath, errorPath});
  if (!result.ok()) return result;
  std::string bytes;
  if (!readFile(foodCsvPath, bytes))
    return result.fail(box(foodCsvPath, kCannotReadFileCaption), "cannot read the food file");
  TFoodData foods;
  std::string foodNote;
  // The food table's notices are told, but do not stop the conversion: the dishes whose
  // foods it lacks are listed in error.txt.
  const Result foodRead = foods.importCsv(bytes, &foodNote, progress);
  for (const Message& m : foodRead.messages()) result.tell(m);
  if (!foodNote.empty()) foodNote += "\r\n";
  if (!readFile(dishCsvPath, bytes))
    return result.fail(box(dishCsvPath, kCannotReadFileCaption), "cannot read the dish file");
  if (errorFile) *errorFile = errorPath;
  TDaidokoro kitchen;
  // A dish file that could not be read must not replace a good data file with an empty one.
  result.then(
      readBentoCsvFile(dishCsvPath, errorPath, foods, kitchen, pictureFolder, foodNote, progress));
  if (!result.ok()) return result;
  // Nor may a file whose lines gave no dish (or a food file that gave no food).
  const bool anyFood = std::any_of(foods.foods().begin(), foods.foods().end(),
                                   [](const TFood& f) { return !f.name.empty(); });
  std::error_code ec;
  if ((!anyFood || !kitchen.hasDishes()) && std::filesystem::exists(toFsPath(dataFilePath), ec))
    return result.fail(
        messageBox(std::string(dataFilePath), sj(kNothingConvertedCaption), Icon::Stop),
        "the conversion gave no food or no dish");
  return result.then(
      replaceKeepingBackup(dataFilePath, bentoDataBytes(foods, kitchen), kCannotWriteFileCaption));
}

NameList pictureNames(std::string_view folder) {
  NameList names;
  std::error_code ec;
  std::filesystem::directory_iterator it(toFsPath(folder), ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code fileEc;
    if (!it->is_regular_file(fileEc)) continue;
    std::string name = changeExtension(fromFsPath(it->path().filename()), "");
    if (!endsWithSmallMark(name)) names.push_back(std::move(name));
  }
  return names;
}

PictureCheck comparePictures(const NameList& dishNames, const NameList& pictures) {
  PictureCheck out;
  for (const std::string& p : pictures)
    if (std::find(dishNames.begin(), dishNames.end(), p) == dishNames.end())
      out.picturesWithoutDish.push_back(p);
  for (const std::string& d : dishNames)
    if (std::find(pictures.begin(), pictures.end(), d) == pictures.end())
      out.dishesWithoutPicture.push_back(d);
  sortJa(out.picturesWithoutDish);
  sortJa(out.dishesWithoutPicture);
  return out;
}

Result checkBentoPictures(std::string_view dataFilePath, std::string_view pictureFolder,
                          PictureCheck& out) {
  out = {};
  TFoodData foods;
  TDaidokoro kitchen;
  Result result = readBentoDataFile(dataFilePath, foods, kitchen);
  if (!result.ok()) return result;
  NameList dishes;
  kitchen.allDishNames(dishes);
  out = comparePictures(dishes, pictureNames(pictureFolder));
  return result;
}

}  // namespace nv
