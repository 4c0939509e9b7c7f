#include "bento/model/bento_data_file.h"

#include "bento/model/bento_data.h"
#include "bento/model/bento_messages.h"
#include "core/food.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/text.h"

namespace nv {

bool parseBentoData(std::string_view bytes, TFoodData& foods, TDaidokoro& kitchen,
                    bool showProgress) {
  kitchen.clear();
  ByteReader in(bytes);
  // A refused food section leaves the reader somewhere inside its header: what follows is
  // not a kitchen part.
  if (!foods.readSection(in, showProgress)) return false;
  return kitchen.read(in);
}

std::string bentoDataBytes(const TFoodData& foods, const TDaidokoro& kitchen) {
  ByteWriter out;
  foods.writeSection(out);
  kitchen.write(out);
  return std::move(out.data());
}

bool loadBentoDataFile(std::string_view configuredPath, TFoodData& foods, TDaidokoro& kitchen,
                       std::string* usedPath, bool showProgress) {
  kitchen.clear();
  std::string path(configuredPath);
  if (!fileExists(path)) path = joinPath(programFolder(), "NV.nvb");
  if (usedPath) *usedPath = path;
  std::string bytes;
  if (!readFile(path, bytes)) {
    prompt().messageBox(path, sj(kDataFileNotFoundCaption), Icon::None, Buttons::Ok);
    return false;
  }
  ByteReader in(bytes);
  if (!foods.readSection(in, showProgress)) return false;
  if (!kitchen.read(in)) {
    prompt().messageBox(path, sj(kDataFileDamagedCaption), Icon::Warning, Buttons::Ok);
    return false;
  }
  return true;
}

bool saveBentoDataFile(std::string_view path, const TFoodData& foods, const TDaidokoro& kitchen) {
  const SaveStatus s = saveFile(path, bentoDataBytes(foods, kitchen));
  if (s == SaveStatus::Ok) return true;
  prompt().messageBox(saveFailureText(path, s), sj(kCannotWriteFileCaption), Icon::None,
                      Buttons::Ok);
  return false;
}

}  // namespace nv
