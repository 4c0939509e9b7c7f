#include "core/nv_file.h"

#include <algorithm>
#include <filesystem>

#include "core/converted_file.h"
#include "core/food.h"
#include "core/kondate_data.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace nv {

Result loadDataFile(std::string_view path, TFoodData& foods, TKondateData& dishes,
                    ProgressOpener* progress) {
  std::string bytes;
  if (!readFile(path, bytes))
    return Result::failure(
        messageBox(std::string(path),
                   sj("食品データ/献立データ・ファイルが見つかりません（原因不明）"), Icon::None),
        "cannot read the data file");
  foods.clear();
  dishes.clear();
  dishes.setModified(false);
  ByteReader in(bytes);
  // Past a bad food section the reader stands nowhere meaningful: one message is enough.
  Result result = foods.readSection(in, progress);
  if (!result.ok()) return result;
  return result.then(dishes.readBaseSection(in, progress));
}

Result loadAddFile(std::string_view path, TKondateData& dishes) { return dishes.readAddFile(path); }

std::string dataFileBytes(const TFoodData& foods, const TKondateData& dishes,
                          ProgressOpener* progress) {
  ByteWriter out;
  foods.writeSection(out);
  dishes.writeBaseSection(out, progress);
  return std::move(out.data());
}

Result writeDataFile(std::string_view path, const TFoodData& foods, const TKondateData& dishes,
                     ProgressOpener* progress) {
  if (writeFileAtomic(path, dataFileBytes(foods, dishes, progress))) return {};
  return Result::failure(
      messageBox(std::string(path), sj("データファイルに書き込めません"), Icon::Stop),
      "cannot write the data file");
}

Result writeConvertedDataFile(std::string_view path, const TFoodData& foods,
                              const TKondateData& dishes, ProgressOpener* progress) {
  const bool anyFood = std::any_of(foods.foods().begin(), foods.foods().end(),
                                   [](const TFood& f) { return !f.name.empty(); });
  std::error_code ec;
  if ((!anyFood || dishes.dishCount() == 0) && std::filesystem::exists(toFsPath(path), ec))
    return Result::failure(
        messageBox(std::string(path),
                   sj("変換した結果に食品か献立がないため、データファイルを置き換えません"),
                   Icon::Stop),
        "no food or no dish to write");
  return replaceKeepingBackup(path, dataFileBytes(foods, dishes, progress),
                              "データファイルに書き込めません");
}

}  // namespace nv
