#include "bento/model/appliance_layout.h"

#include <algorithm>

#include "bento/model/reizouko_grid.h"
#include "platform/ini.h"
#include "platform/text.h"

namespace nv {
namespace {

const char* const kKeys[10] = {"iLeft", "iTop",    "iRight",   "iBottom", "raLeft",
                               "raTop", "raRight", "raBottom", "MaxCol",  "MaxRaw"};

// The ten numbers again as one line, for a teacher reading NV.ini; never read back.
const char* const kDataKey = "data";

// What a key may hold: positions as far as the settings dialog lets a teacher go, a
// picture no larger than twice the kitchen (1024 x 768 design pixels), the grid sides of
// the appliance view. A hand-edited number outside is pulled in, so that no sum overflows
// and no picture of gigabytes is made.
struct KeyRange {
  int low, high;
};
constexpr int kMostPosition = 4096, kMostPictureSide = 2048;
constexpr KeyRange kPosition{-kMostPosition, kMostPosition}, kSide{0, kMostPictureSide},
    kCells{1, kMaxGridSide};
constexpr std::array<KeyRange, 10> kRanges = {kPosition, kPosition, kSide,     kSide,  kPosition,
                                              kPosition, kPosition, kPosition, kCells, kCells};

std::array<int*, 10> fields(ApplianceLayout& l) {
  return {&l.iLeft, &l.iTop,    &l.iRight,   &l.iBottom, &l.raLeft,
          &l.raTop, &l.raRight, &l.raBottom, &l.maxCol,  &l.maxRaw};
}

}  // namespace

const std::array<LayoutSection, kLayoutSectionCount>& allLayoutSections() {
  static const std::array<LayoutSection, kLayoutSectionCount> all{
      LayoutSection::Refrigerator, LayoutSection::Door,      LayoutSection::Freezer,
      LayoutSection::RiceCooker,   LayoutSection::FryingPan, LayoutSection::Pot,
      LayoutSection::Cupboard,     LayoutSection::Oven};
  return all;
}

std::string layoutSectionName(LayoutSection section) {
  switch (section) {
    case LayoutSection::Refrigerator:
      return sj("冷蔵庫");
    case LayoutSection::Door:
      return sj("冷蔵庫扉");
    case LayoutSection::Freezer:
      return sj("冷凍庫");
    case LayoutSection::RiceCooker:
      return sj("炊飯器");
    case LayoutSection::FryingPan:
      return sj("フライパン");
    case LayoutSection::Pot:
      return sj("鍋");
    case LayoutSection::Cupboard:
      return sj("戸棚");
    case LayoutSection::Oven:
      return sj("オーブン");
  }
  return {};
}

std::string storageNameOf(LayoutSection section) {
  return section == LayoutSection::Door ? sj("扉") : layoutSectionName(section);
}

KitchenPicture applianceOf(LayoutSection section) {
  switch (section) {
    case LayoutSection::Refrigerator:
    case LayoutSection::Door:
      return KitchenPicture::Refrigerator;
    case LayoutSection::Freezer:
      return KitchenPicture::Freezer;
    case LayoutSection::RiceCooker:
      return KitchenPicture::RiceCooker;
    case LayoutSection::FryingPan:
      return KitchenPicture::FryingPan;
    case LayoutSection::Pot:
      return KitchenPicture::Pot;
    case LayoutSection::Cupboard:
      return KitchenPicture::Cupboard;
    case LayoutSection::Oven:
      return KitchenPicture::Oven;
  }
  return KitchenPicture::Refrigerator;
}

LayoutSection sectionOfArea(KitchenArea appliance) {
  switch (appliance) {
    case KitchenArea::Freezer:
      return LayoutSection::Freezer;
    case KitchenArea::FryingPan:
      return LayoutSection::FryingPan;
    case KitchenArea::Pot:
      return LayoutSection::Pot;
    case KitchenArea::Cupboard:
      return LayoutSection::Cupboard;
    case KitchenArea::RiceCooker:
      return LayoutSection::RiceCooker;
    case KitchenArea::Oven:
      return LayoutSection::Oven;
    default:
      return LayoutSection::Refrigerator;
  }
}

ApplianceLayout defaultLayout(LayoutSection section) {
  switch (section) {
    case LayoutSection::Refrigerator:
      return {601, -1, 424, 484, 98, 7, 315, 378, 3, 6};
    case LayoutSection::Door:
      return {2, 26, 100, 348, 2, 26, 100, 348, 1, 4};
    case LayoutSection::Freezer:
      return {746, 260, 278, 327, 5, 13, 252, 219, 3, 2};
    case LayoutSection::RiceCooker:
      return {681, -6, 347, 448, 52, 34, 281, 428, 2, 4};
    case LayoutSection::FryingPan:
      return {7, 1, 394, 398, 20, 120, 210, 354, 2, 2};
    case LayoutSection::Pot:
      return {-2, -4, 376, 408, 37, 111, 329, 343, 3, 3};
    case LayoutSection::Cupboard:
      return {403, 1, 490, 349, 18, 17, 480, 288, 4, 3};
    case LayoutSection::Oven:
      return {526, 1, 506, 422, 60, 78, 417, 326, 2, 2};
  }
  return {};
}

ApplianceLayout readLayout(const Ini& ini, LayoutSection section) {
  ApplianceLayout l = defaultLayout(section);
  const std::string name = layoutSectionName(section);
  auto f = fields(l);
  for (int i = 0; i < 10; ++i) {
    const KeyRange& r = kRanges[size_t(i)];
    *f[size_t(i)] = std::clamp(ini.readInteger(name, kKeys[i], *f[size_t(i)]), r.low, r.high);
  }
  return l;
}

bool writeLayout(Ini& ini, LayoutSection section, const ApplianceLayout& layout) {
  ApplianceLayout copy = layout;
  const std::string name = layoutSectionName(section);
  auto f = fields(copy);
  bool ok = true;
  for (int i = 0; i < 10; ++i) ok = ini.writeInteger(name, kKeys[i], *f[size_t(i)]) && ok;
  return ini.writeString(name, kDataKey, layoutDataLine(layout)) && ok;
}

std::string layoutDataLine(const ApplianceLayout& l) {
  return cformat("%d,%d,%d,%d,%d,%d,%d,%d,%d,%d", l.iLeft, l.iTop, l.iRight, l.iBottom, l.raLeft,
                 l.raTop, l.raRight, l.raBottom, l.maxCol, l.maxRaw);
}

bool resetApplianceLayouts(Ini& ini) {
  bool ok = true;
  for (LayoutSection section : allLayoutSections()) {
    for (const char* key : kKeys) ok = ini.deleteKey(layoutSectionName(section), key) && ok;
    // The copy of the ten numbers would otherwise contradict the defaults now in force.
    ok = ini.deleteKey(layoutSectionName(section), kDataKey) && ok;
  }
  return ok;
}

KRect appliancePictureRect(const ApplianceLayout& l, double s) {
  const int L = scaled(l.iLeft, s), T = scaled(l.iTop, s);
  return {L, T, scaled(L + l.iRight * s, 1), scaled(T + l.iBottom * s, 1)};
}

KRect applianceDishRect(const ApplianceLayout& l, double s) {
  const KRect p = appliancePictureRect(l, s);
  const int a = scaled(p.left + l.raLeft * s, 1), b = scaled(p.top + l.raTop * s, 1);
  return {a, b, scaled(a + (l.raRight - l.raLeft) * s, 1),
          scaled(b + (l.raBottom - l.raTop) * s, 1)};
}

KRect doorDishRect(const ApplianceLayout& door, const KRect& p, double s) {
  return {scaled(p.left + door.raLeft * s, 1), scaled(p.top + door.raTop * s, 1),
          scaled(p.left + door.raRight * s, 1), scaled(p.top + door.raBottom * s, 1)};
}

}  // namespace nv
