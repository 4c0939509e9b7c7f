#include "bento/model/bento_save.h"

#include <algorithm>
#include <cmath>

#include "bento/model/bento_messages.h"
#include "core/kojin_data.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/result.h"
#include "platform/text.h"

namespace nv {
namespace {
constexpr size_t kMinRecordSize = 4 + 4 * 4;  // empty name and the four coordinates
// The kitchen's scale is its width / 1024: no screen gives one outside this range, and a
// scale near 0 would throw every dish billions of pixels away.
constexpr double kMinStoredScale = 1.0 / 16, kMaxStoredScale = 16;
// In design pixels (1024 the kitchen's width): a dish is never larger than twice the
// kitchen, and lies within a kitchen's size around it.
constexpr double kMaxPlacedSide = 2048, kMinPlacedEdge = -2048, kMaxPlacedEdge = 4096;
// Far more than a box holds; each becomes a window of its own.
constexpr int32_t kMaxPlacedDishes = 1000;

bool plausiblePlace(const PlacedDishRecord& r, double storedScale) {
  const double left = r.left / storedScale, top = r.top / storedScale;
  const double width = r.width / storedScale, height = r.height / storedScale;
  return width >= 0 && height >= 0 && width <= kMaxPlacedSide && height <= kMaxPlacedSide &&
         left >= kMinPlacedEdge && top >= kMinPlacedEdge && left <= kMaxPlacedEdge &&
         top <= kMaxPlacedEdge;
}
}  // namespace

double rescaleRatio(double currentScale, double storedScale) {
  if (!(storedScale > 0) || !std::isfinite(storedScale) || !std::isfinite(currentScale)) return 1.0;
  return currentScale / storedScale;
}

int32_t rescaleCoordinate(int32_t v, double ratio) {
  double r = std::trunc(double(v) * ratio);
  // A hostile file must not push the conversion out of range.
  if (!(r == r)) return 0;
  if (r > 2147483647.0) return INT32_MAX;
  if (r < -2147483648.0) return INT32_MIN;
  return int32_t(r);
}

std::string bentoSaveBytes(const TKojinData& profile, double scale,
                           const PlacedDishRecords& dishes) {
  ByteWriter out;
  profile.writeRecord(out);
  out.int32(int32_t(dishes.size()));
  out.f64(scale);
  for (const PlacedDishRecord& d : dishes) {
    out.int32(int32_t(d.name.size()));
    out.bytes(d.name);
    out.int32(d.left);
    out.int32(d.top);
    out.int32(d.width);
    out.int32(d.height);
  }
  return std::move(out.data());
}

Result parseBentoSave(std::string_view bytes, double currentScale, TKojinData& profile,
                      PlacedDishRecords& dishes) {
  ByteReader in(bytes);
  TKojinData readProfile = profile;
  Result result = readProfile.readRecord(in);
  if (!result.ok()) return result;
  int32_t count;
  double stored;
  if (!in.readInt32(count) || !in.readDouble(stored) || !in.canHold(count, kMinRecordSize) ||
      count > kMaxPlacedDishes || !(stored >= kMinStoredScale && stored <= kMaxStoredScale))
    return result.fail("damaged lunch-box record");
  double ratio = rescaleRatio(currentScale, stored);
  PlacedDishRecords read;
  read.reserve(size_t(count));
  for (int32_t i = 0; i < count; ++i) {
    PlacedDishRecord r;
    int32_t n;
    std::string_view name;
    if (!in.readInt32(n) || !in.canHold(n, 1) || !in.readBytes(size_t(n), name) ||
        !in.readInt32(r.left) || !in.readInt32(r.top) || !in.readInt32(r.width) ||
        !in.readInt32(r.height) || !plausiblePlace(r, stored))
      return result.fail("damaged lunch-box record");
    r.name.assign(name);
    r.left = rescaleCoordinate(r.left, ratio);
    r.top = rescaleCoordinate(r.top, ratio);
    r.width = rescaleCoordinate(r.width, ratio);
    r.height = rescaleCoordinate(r.height, ratio);
    read.push_back(std::move(r));
  }
  profile = std::move(readProfile);
  dishes = std::move(read);
  return result;
}

Result openBentoSaveFile(std::string_view path, double currentScale, TKojinData& profile,
                         PlacedDishRecords& dishes) {
  std::string bytes;
  if (!readFile(path, bytes))
    return Result::failure(
        messageBox(std::string(path), sj(kSaveFileUnreadableCaption), Icon::None),
        "cannot read the lunch-box file");
  // The profile record's own messages come before the file's.
  Result result = parseBentoSave(bytes, currentScale, profile, dishes);
  if (!result.ok())
    result.fail(messageBox(std::string(path), sj(kSaveFileDamagedCaption), Icon::Warning),
                "the lunch-box file is damaged");
  return result;
}

Result writeBentoSaveFile(std::string_view path, const TKojinData& profile, double scale,
                          const PlacedDishRecords& dishes) {
  const SaveStatus s = saveFile(path, bentoSaveBytes(profile, scale, dishes));
  if (s == SaveStatus::Ok) return {};
  return Result::failure(
      messageBox(saveFailureText(path, s), sj(kSaveFileUnwritableCaption), Icon::None),
      "cannot write the lunch-box file");
}

std::string childNameOfSaveFile(std::string_view path) {
  return changeExtension(fileNameOf(path), "");
}

std::string defaultBentoSaveName() { return sj("お弁当のデータ.nvub"); }

std::string bentoSaveNameForChild(std::string_view currentFile, std::string_view childName,
                                  std::string_view saveDirSetting,
                                  std::string_view documentsFolder) {
  std::string file = fileNameFromText(childName, 5) + ".nvub";
  bool isDefault = currentFile == defaultBentoSaveName();
  if (isDefault && !saveDirSetting.empty()) return joinPath(saveDirSetting, file);
  if (isDefault) return joinPath(documentsFolder, file);
  return joinPath(folderOf(currentFile), file);
}

}  // namespace nv
