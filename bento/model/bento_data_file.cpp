#include "bento/model/bento_data_file.h"

#include "bento/model/bento_data.h"
#include "bento/model/bento_messages.h"
#include "core/food.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/result.h"
#include "platform/text.h"

namespace nv {

Result parseBentoData(std::string_view bytes, TFoodData& foods, TDaidokoro& kitchen,
                      ProgressOpener* progress) {
  kitchen.clear();
  ByteReader in(bytes);
  // A refused food section leaves the reader somewhere inside its header: what follows is
  // not a kitchen part.
  Result result = foods.readSection(in, progress);
  if (result.ok() && !kitchen.read(in)) result.fail("the lunch-box kitchen part is damaged");
  return result;
}

std::string bentoDataBytes(const TFoodData& foods, const TDaidokoro& kitchen) {
  ByteWriter out;
  foods.writeSection(out);
  kitchen.write(out);
  return std::move(out.data());
}

Result readBentoDataFile(std::string_view path, TFoodData& foods, TDaidokoro& kitchen,
                         ProgressOpener* progress) {
  kitchen.clear();
  std::string bytes;
  if (!readFile(path, bytes))
    return Result::failure(messageBox(std::string(path), sj(kDataFileNotFoundCaption), Icon::None),
                           "cannot read the lunch-box data file");
  ByteReader in(bytes);
  Result result = foods.readSection(in, progress);
  if (result.ok() && !kitchen.read(in))
    result.fail(messageBox(std::string(path), sj(kDataFileDamagedCaption), Icon::Warning),
                "the lunch-box data file is damaged");
  return result;
}

Result loadBentoDataFile(std::string_view configuredPath, TFoodData& foods, TDaidokoro& kitchen,
                         std::string* usedPath, ProgressOpener* progress) {
  std::string path(configuredPath);
  if (!fileExists(path)) path = joinPath(programFolder(), "NV.nvb");
  if (usedPath) *usedPath = path;
  return readBentoDataFile(path, foods, kitchen, progress);
}

Result saveBentoDataFile(std::string_view path, const TFoodData& foods, const TDaidokoro& kitchen) {
  const SaveStatus s = saveFile(path, bentoDataBytes(foods, kitchen));
  if (s == SaveStatus::Ok) return {};
  return Result::failure(
      messageBox(saveFailureText(path, s), sj(kCannotWriteFileCaption), Icon::None),
      "cannot write the lunch-box data file");
}

}  // namespace nv
