#pragma once
// KitchenScene: what a lunch box is placed, judged and printed against, apart from any
// window: the kitchen's settings (NV.ini), its lunch-box data (the dishes and the food table
// stored with them) and the areas of a kitchen of one size. The kitchen window shows one; the
// batch print lays one out once and prints every child's LunchBoxDocument in it.
#include <QImage>
#include <QRect>
#include <QSize>
#include <string>

#include "bento/model/bento_data.h"
#include "bento/model/bento_grade.h"
#include "bento/model/bento_save.h"
#include "bento/model/kitchen_geometry.h"
#include "bento/model/kitchen_settings.h"
#include "core/food.h"

namespace nv {

class LunchBoxDocument;

struct KitchenScene {
  KitchenSettings settings = KitchenSettings::defaults();
  TFoodData foods;
  TDaidokoro kitchen;
  KitchenAreas areas;

  // Reads the settings of NV.ini and the lunch-box data file they name (a file that cannot
  // be read is reported and leaves the kitchen without dishes).
  void readSettingsAndData();
  // Lays the kitchen out for a window of that size around the program folder's pictures, as
  // the kitchen window does.
  void layOut(QSize size);

  // True for a dish that goes into the box; the others stand on the coaster.
  bool insideBox(const std::string& dish) const;
  // No dish is larger than the kitchen: a size from a file or a huge size factor must not
  // make a picture of gigabytes.
  KRect bounded(const KRect& rect) const;
  // Where a dish of a save file goes. The file keeps its places relative to the kitchen's
  // layout at the scale it was saved with (the reader has brought them to this scale): here
  // they follow the layout and stay in their bounds, whatever the screen they came from.
  KRect placeStored(const PlacedDishRecord& stored) const;
  // The grade of the box, computed the way the graph of that kind shows it, with the notices
  // its totals told (the caller shows them).
  BoxGrade grade(const LunchBoxDocument& box, GraphKind kind) const;
};

// What a kitchen without a size of its own covers: the primary screen (1024 x 768 without one).
QRect kitchenScreenGeometry();
// The sizes the areas are laid out around: the box picture as read, the front rim and the
// coaster from their files' headers (the two are only drawn in the working view).
KitchenPictureSizes kitchenPictureSizes(const QImage& box);

}  // namespace nv
