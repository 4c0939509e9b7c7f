#include "core/gun_name.h"

#include "platform/text.h"

namespace nv {

namespace {
constexpr std::array<uint32_t, kFoodGroupCount> kDefaultColors = {16777215, 255,   16711935, 48384,
                                                                  7995257,  65535, 4118777};
constexpr std::array<const char*, kFoodGroupCount> kNames = {
    "０群", "魚肉卵豆", "乳小魚海草", "緑黄色野菜", "他野菜果物", "穀類芋砂糖", "油脂類"};
bool inRange(int group) { return group >= 0 && group < kFoodGroupCount; }
}  // namespace

TGunName::TGunName() {
  for (int i = 0; i < kFoodGroupCount; ++i) {
    // The names live in 48-byte text fields.
    names_[i] = sj(kNames[i]).substr(0, 47);
    colors_[i] = kDefaultColors[i];
  }
}

std::string TGunName::name(int group) const {
  return inRange(group) ? names_[group] : std::string();
}

uint32_t TGunName::color(int group) const { return inRange(group) ? colors_[group] : kWhite; }

void TGunName::setColor(int group, uint32_t color) {
  if (inRange(group)) colors_[group] = color;
}

uint32_t TGunName::defaultColor(int group) {
  return inRange(group) ? kDefaultColors[group] : kWhite;
}

}  // namespace nv
