#include "core/nv_file.h"

#include <algorithm>
#include <filesystem>

#include "core/converted_file.h"
#include "core/food.h"
#include "core/kondate_data.h"
#include "platform/binio.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/text.h"
#include "platform/user_folders.h"

namespace nv {

bool loadDataFile(std::string_view path, TFoodData& foods, TKondateData& dishes,
                  bool showProgress) {
  std::string bytes;
  if (!readFile(path, bytes)) {
    prompt().messageBox(std::string(path),
                        sj("食品データ/献立データ・ファイルが見つかりません（原因不明）"),
                        Icon::None, Buttons::Ok);
    return false;
  }
  foods.clear();
  dishes.clear();
  dishes.setModified(false);
  ByteReader in(bytes);
  // Past a bad food section the reader stands nowhere meaningful: one message is enough.
  if (!foods.readSection(in, showProgress)) return false;
  return dishes.readBaseSection(in, showProgress);
}

bool loadAddFile(std::string_view path, TKondateData& dishes) { return dishes.readAddFile(path); }

std::string dataFileBytes(const TFoodData& foods, const TKondateData& dishes) {
  ByteWriter out;
  foods.writeSection(out);
  dishes.writeBaseSection(out);
  return std::move(out.data());
}

bool writeDataFile(std::string_view path, const TFoodData& foods, const TKondateData& dishes) {
  if (writeFileAtomic(path, dataFileBytes(foods, dishes))) return true;
  prompt().messageBox(std::string(path), sj("データファイルに書き込めません"), Icon::Stop,
                      Buttons::Ok);
  return false;
}

bool saveAddedDishesAtExit(TKondateData& dishes, std::string& addPath, std::string_view dataPath) {
  if (!dishes.modified() || dishes.writeAddFile(addPath)) return true;
  for (;;) {
    const Answer a = prompt().messageBox(
        sj("追加した献立が保存されていません。\n\n「はい」：別のファイルに保存します\n"
           "「いいえ」：保存しないで終了します（追加した献立は失われます）\n"
           "「キャンセル」：終了しません"),
        sj("追加した献立を保存しますか？"), Icon::Warning, Buttons::YesNoCancel);
    if (a == Answer::No) return true;
    if (a != Answer::Yes) return false;
    FileRequest request;
    request.title = sj("追加した献立を保存するファイルを指定して下さい");
    request.filter = sj("献立ファイル(*.nv)|*.nv");
    request.defaultExt = "nv";
    request.initialDir = documentsFolder();
    request.fileName = fileNameOf(addPath);
    std::string path;
    if (!dialogs().saveFile(request, path)) continue;
    if (sameFile(path, dataPath)) {
      prompt().messageBox(path, sj("データファイル（NV.nv）は追加献立ファイルにできません"),
                          Icon::Stop, Buttons::Ok);
      continue;
    }
    if (dishes.writeAddFile(path)) {
      addPath = path;
      return true;
    }
  }
}

bool writeConvertedDataFile(std::string_view path, const TFoodData& foods,
                            const TKondateData& dishes) {
  const bool anyFood = std::any_of(foods.foods().begin(), foods.foods().end(),
                                   [](const TFood& f) { return !f.name.empty(); });
  std::error_code ec;
  if ((!anyFood || dishes.dishCount() == 0) && std::filesystem::exists(toFsPath(path), ec)) {
    prompt().messageBox(std::string(path),
                        sj("変換した結果に食品か献立がないため、データファイルを置き換えません"),
                        Icon::Stop, Buttons::Ok);
    return false;
  }
  return replaceKeepingBackup(path, dataFileBytes(foods, dishes), "データファイルに書き込めません");
}

}  // namespace nv
