#include "bento/model/placed_dishes.h"

#include <algorithm>

namespace nv {
namespace {
int32_t gSerial = 0;
}

int32_t nextPlacedSerial() { return gSerial++; }

NameList PlacedDishes::names() const {
  NameList out;
  out.reserve(dishes_.size());
  for (const PlacedDish& d : dishes_) out.push_back(d.name);
  return out;
}

int32_t PlacedDishes::append(std::string name, const KRect& rect) {
  const int32_t serial = nextPlacedSerial();
  dishes_.push_back({serial, std::move(name), rect});
  return serial;
}

PlacedDish* PlacedDishes::find(int32_t serial) {
  for (PlacedDish& d : dishes_)
    if (d.serial == serial) return &d;
  return nullptr;
}

const PlacedDish* PlacedDishes::find(int32_t serial) const {
  return const_cast<PlacedDishes*>(this)->find(serial);
}

bool PlacedDishes::bringToFront(int32_t serial) {
  auto it = std::find_if(dishes_.begin(), dishes_.end(),
                         [&](const PlacedDish& d) { return d.serial == serial; });
  if (it == dishes_.end()) return false;
  std::rotate(it, it + 1, dishes_.end());
  return true;
}

bool PlacedDishes::remove(int32_t serial) {
  auto it = std::find_if(dishes_.begin(), dishes_.end(),
                         [&](const PlacedDish& d) { return d.serial == serial; });
  if (it == dishes_.end()) return false;
  dishes_.erase(it);
  return true;
}

int32_t PlacedDishes::topSerial() const { return dishes_.empty() ? -1 : dishes_.back().serial; }

bool boxTakesDish(const TDaidokoro& kitchen, const NameList& placed, const std::string& dish,
                  int capacityMl) {
  if (placed.empty()) return true;
  return boxAccepts(capacityMl, kitchen.volumeSum(placed), kitchen.volumeSum({dish}));
}

}  // namespace nv
