#include "planner/model/menu_file.h"

#include <array>
#include <vector>

#include "core/kojin_data.h"
#include "planner/model/selected_menu.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/text.h"

namespace nv {

const char kMenuFileMagic[] = "Nuvelta Used Food Data Version = 1.02";

namespace {
constexpr size_t kHeaderSize = 128;
constexpr size_t kHintSize = 128;
// KondateNo, Weight, hint, food count: the fixed part of a dish record.
constexpr size_t kDishRecordFixedSize = 4 + 8 + kHintSize + 4;

Message unreadable(const std::string& path) {
  return messageBox(path, sj("正しく読み込めませんでした"), Icon::None);
}
}  // namespace

Result saveMenuFile(const std::string& path, SelectedMenu& menu, const TKojinData& profile,
                    const KojinViewState& view) {
  ByteWriter out;
  out.fixedText(kMenuFileMagic, kHeaderSize);
  profile.writeRecord(out, view);
  for (int m = 0; m < SelectedMenu::kMealCount; ++m) {
    const std::vector<SelDish>& dishes = menu.dishes(m);
    out.int32(int32_t(dishes.size()));
    for (const SelDish& d : dishes) {
      out.int32(d.kondateNo);
      out.f64(d.weight);
      out.fixedText(d.hint, kHintSize);
      out.int32(int32_t(d.usedFoods.size()));
      writeUsedFoods(out, d.usedFoods);
    }
  }
  out.int32(menu.counter());
  if (const SaveStatus s = saveFile(path, out.data()); s != SaveStatus::Ok)
    return Result::failure(
        messageBox(saveFailureText(path, s), sj("書き出しのためにオープンできません"), Icon::None),
        saveStatusText(s));
  menu.setModified(false);
  return {};
}

Result loadMenuFile(const std::string& path, SelectedMenu& menu, TKojinData& profile,
                    const DishLookup& dishes, KojinViewState* view) {
  std::string bytes;
  if (!readFile(path, bytes))
    return Result::failure(messageBox(path, sj("読み込みのためにオープンできません"), Icon::None),
                           "cannot read the menu file");
  ByteReader in(bytes);
  std::string_view header;
  if (!in.readBytes(kHeaderSize, header))
    return Result::failure(
        messageBox(sj("Nuvelta の選択済み献立データではないようです"), sj("確認"), Icon::Stop),
        "no menu file header");
  const std::string headerText = fixedFieldText(header);
  if (headerText != kMenuFileMagic) {
    std::string text = sj("食品データのバージョンが異なるので、選択済み献立データを読み込めません。"
                          "\n\n<") +
                       headerText + sj(">と\n<") + kMenuFileMagic + sj(">が異なります");
    return Result::failure(messageBox(text, sj("確認"), Icon::Stop), "another menu file version");
  }
  // Everything is read into copies first, so a damaged file changes nothing.
  TKojinData newProfile = profile;
  KojinViewState newView;
  Result result = newProfile.readRecord(in, &newView);
  if (!result.ok()) return result.fail(unreadable(path));
  std::array<std::vector<SelDish>, SelectedMenu::kMealCount> meals;
  for (int m = 0; m < SelectedMenu::kMealCount; ++m) {
    int32_t count = 0;
    if (!in.readInt32(count) || !in.canHold(count, kDishRecordFixedSize))
      return result.fail(unreadable(path), "the menu file ends early");
    for (int32_t i = 0; i < count; ++i) {
      SelDish d;
      std::string_view hint;
      int32_t foodCount = 0;
      if (!in.readInt32(d.kondateNo) || !in.readDouble(d.weight) ||
          !in.readBytes(kHintSize, hint) || !in.readInt32(foodCount) ||
          !in.canHold(foodCount, kUsedFoodRecordSize))
        return result.fail(unreadable(path), "the menu file ends early");
      d.hint = fixedFieldText(hint);
      for (int32_t f = 0; f < foodCount; ++f) {
        std::string_view record;
        in.readBytes(kUsedFoodRecordSize, record);
        d.usedFoods.push_back(readUsedFoodRecord(record.data()));
      }
      d.caption = dishes.nameOf ? dishes.nameOf(d.kondateNo) : std::string();
      d.standardWeight = dishes.standardWeightOf ? dishes.standardWeightOf(d.kondateNo) : 0;
      meals[size_t(m)].push_back(std::move(d));
    }
  }
  int32_t counter = 0;
  if (!in.readInt32(counter)) return result.fail(unreadable(path), "the menu file ends early");
  profile = newProfile;
  if (view) *view = newView;
  menu.replace(std::move(meals), counter);
  return result;
}

}  // namespace nv
