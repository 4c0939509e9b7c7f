#include "core/nv_file.h"

#include "core/food.h"
#include "core/kondate_data.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/prompt.h"
#include "platform/text.h"

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

}  // namespace nv
