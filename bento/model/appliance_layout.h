#pragma once
// The layout of an opened appliance: where its picture is drawn on the kitchen and where its
// dish cells lie, from NV.ini sections named after the storage, with built-in defaults.
#include <array>
#include <string>

#include "bento/model/bento_pictures.h"
#include "bento/model/kitchen_geometry.h"

namespace nv {

class Ini;

// The eight layout sections, in the order teachers see them.
enum class LayoutSection {
  Refrigerator,  // 冷蔵庫
  Door,          // 冷蔵庫扉 (the refrigerator's door; storage 扉)
  Freezer,       // 冷凍庫
  RiceCooker,    // 炊飯器
  FryingPan,     // フライパン
  Pot,           // 鍋
  Cupboard,      // 戸棚
  Oven,          // オーブン
};
inline constexpr int kLayoutSectionCount = 8;
const std::array<LayoutSection, kLayoutSectionCount>& allLayoutSections();

// CP932 names: the NV.ini section and the storage whose dishes the view lists.
std::string layoutSectionName(LayoutSection section);
std::string storageNameOf(LayoutSection section);
// The appliance picture below BmpFolder; the door has none (it is drawn with the refrigerator).
KitchenPicture applianceOf(LayoutSection section);

// The section opened by clicking an appliance area (never the door).
LayoutSection sectionOfArea(KitchenArea appliance);

// The ten keys of a section. iRight and iBottom hold the picture's width and height.
struct ApplianceLayout {
  int iLeft = 0, iTop = 0, iRight = 0, iBottom = 0;
  int raLeft = 0, raTop = 0, raRight = 0, raBottom = 0;
  int maxCol = 1, maxRaw = 1;
  bool operator==(const ApplianceLayout&) const = default;
  // The four dish-area keys as they are stored (not scaled, relative to the picture).
  KRect dishArea() const { return {raLeft, raTop, raRight, raBottom}; }
  void setDishArea(const KRect& a) {
    raLeft = a.left, raTop = a.top, raRight = a.right, raBottom = a.bottom;
  }
};
ApplianceLayout defaultLayout(LayoutSection section);
// Missing keys keep the defaults; numbers outside what a layout can be are pulled in.
ApplianceLayout readLayout(const Ini& ini, LayoutSection section);
// Also writes the key "data": the ten numbers in key order as one line (layoutDataLine).
bool writeLayout(Ini& ini, LayoutSection section, const ApplianceLayout& layout);
// "iLeft,iTop,iRight,iBottom,raLeft,raTop,raRight,raBottom,MaxCol,MaxRaw", decimal.
std::string layoutDataLine(const ApplianceLayout& layout);
// The "部品の位置を初期化する" action: removes the ten keys (and "data") of every section, so
// that the defaults apply again. False when the file refused a change.
bool resetApplianceLayouts(Ini& ini);

// Picture and dish area in window pixels.
KRect appliancePictureRect(const ApplianceLayout& l, double s);
KRect applianceDishRect(const ApplianceLayout& l, double s);
// The door's dish area, relative to the refrigerator's picture rectangle.
KRect doorDishRect(const ApplianceLayout& door, const KRect& refrigeratorPicture, double s);

}  // namespace nv
