#pragma once
// The dishes placed in the lunch box, in stacking order (bottom-most first). Each has a
// serial from a process-wide counter, so that menus and timers can name one safely.
#include <cstdint>
#include <string>
#include <vector>

#include "bento/model/bento_data.h"
#include "bento/model/kitchen_geometry.h"

namespace nv {

struct PlacedDish {
  int32_t serial = 0;
  std::string name;  // CP932
  KRect rect;        // window pixels
};

// The next serial: starts at 0, grows by one for every placed dish created, never reset.
int32_t nextPlacedSerial();

class PlacedDishes {
 public:
  bool empty() const { return dishes_.empty(); }
  size_t size() const { return dishes_.size(); }
  const std::vector<PlacedDish>& dishes() const { return dishes_; }
  NameList names() const;

  // Appends a dish with a fresh serial and returns that serial.
  int32_t append(std::string name, const KRect& rect);
  // nullptr when no dish has that serial.
  PlacedDish* find(int32_t serial);
  const PlacedDish* find(int32_t serial) const;
  // Moves the dish to the end (the top); false when it is not in the list.
  bool bringToFront(int32_t serial);
  bool remove(int32_t serial);
  // The top-most dish's serial, or -1.
  int32_t topSerial() const;
  void clear() { dishes_.clear(); }

 private:
  std::vector<PlacedDish> dishes_;
};

// Whether the box takes the dish: the first dish always; after that only while the child's
// capacity is strictly greater than the volume of the box with the new dish.
bool boxTakesDish(const TDaidokoro& kitchen, const NameList& placed, const std::string& dish,
                  int capacityMl);

}  // namespace nv
