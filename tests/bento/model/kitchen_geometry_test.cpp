// The kitchen's mappings, areas, hit order and confinement against worked numbers.
#include "bento/model/kitchen_geometry.h"

#include <gtest/gtest.h>

namespace {

using nv::KitchenArea;
using nv::KRect;

const nv::KitchenPictureSizes kPictures{{800, 400}, {800, 112}, {240, 160}};

TEST(KitchenMapping, ScaleOneKeepsDesignAndZoomUsesTheStoredOffsets) {
  const double s = nv::kitchenScale(1024);
  EXPECT_EQ(s, 1.0);
  for (KRect d : {nv::kitchenDesignRect(), nv::exitDesignRect(), nv::recipeBookDesignRect()})
    EXPECT_EQ(nv::scaledRect(d, s), d);
  EXPECT_EQ(nv::zoomedRect(nv::kitchenDesignRect(), 1.0), (KRect{-51, -229, 1074, 768}));
  EXPECT_EQ(nv::zoomedRect(nv::applianceDesignRect(KitchenArea::Refrigerator), 1.0),
            (KRect{896, 11, 1073, 329}));
  // At 1920 pixels the stored offsets, not 51.2 and 229.8, decide the right edge.
  EXPECT_EQ(nv::zoomedRect(nv::kitchenDesignRect(), 1.875), (KRect{-96, -430, 2016, 1441}));
  EXPECT_EQ(nv::zoomedRect(nv::kitchenDesignRect(), 1.25), (KRect{-64, -287, 1344, 960}));
  EXPECT_EQ(nv::scaledRect(nv::exitDesignRect(), 1.875), (KRect{1822, 0, 1920, 97}));
}

TEST(KitchenAreas, ComputedFromTheWindowAndPictureSizes) {
  nv::KitchenAreas a = nv::computeKitchenAreas(1024, 768, kPictures);
  EXPECT_EQ(a.largeBox, (KRect{171, 427, 853, 768}));
  EXPECT_EQ(a.boxFront, (KRect{171, 673, 853, 768}));
  EXPECT_EQ(a.coaster, (KRect{836, 643, 1024, 768}));
  EXPECT_EQ(a.coasterArea, (KRect{836, 736, 1024, 768}));
  EXPECT_EQ(a.smallBox, (KRect{448, 704, 576, 768}));
  EXPECT_EQ(a.graph, (KRect{2, 648, 171, 768}));

  a = nv::computeKitchenAreas(1920, 1080, kPictures);
  EXPECT_EQ(a.largeBox, (KRect{320, 440, 1600, 1080}));
  EXPECT_EQ(a.boxFront, (KRect{320, 901, 1600, 1080}));
  EXPECT_EQ(a.coasterArea, (KRect{1568, 1021, 1920, 1080}));
  EXPECT_EQ(a.graph, (KRect{2, 855, 320, 1080}));

  // Missing pictures give empty boxes instead of a division by zero.
  a = nv::computeKitchenAreas(1024, 768, {});
  EXPECT_EQ(a.largeBox.height(), 0);
  EXPECT_EQ(a.coaster.height(), 0);
}

TEST(KitchenAreas, PressLooksUpTheFirstAreaInOrder) {
  const nv::KitchenAreas a = nv::computeKitchenAreas(1024, 768, kPictures);
  // The refrigerator's bottom edge is the freezer's top: the freezer wins there.
  EXPECT_EQ(nv::kitchenAreaAt(a, false, false, 900, 329), KitchenArea::Freezer);
  EXPECT_EQ(nv::kitchenAreaAt(a, false, false, 900, 328), KitchenArea::Refrigerator);
  // Appliances do nothing in the overview, the small box nothing in the working view.
  EXPECT_EQ(nv::kitchenAreaAt(a, true, false, 900, 300), KitchenArea::None);
  EXPECT_EQ(nv::kitchenAreaAt(a, true, false, 500, 740), KitchenArea::SmallBox);
  EXPECT_EQ(nv::kitchenAreaAt(a, false, false, 500, 740), KitchenArea::None);
  // The book is active in both views, at its scaled and its zoomed place.
  EXPECT_EQ(nv::kitchenAreaAt(a, true, false, 200, 420), KitchenArea::RecipeBook);
  EXPECT_EQ(nv::kitchenAreaAt(a, false, false, 200, 320), KitchenArea::RecipeBook);
  // The graph area only counts while the graph is shown.
  EXPECT_EQ(nv::kitchenAreaAt(a, false, true, 50, 700), KitchenArea::Graph);
  EXPECT_EQ(nv::kitchenAreaAt(a, false, false, 50, 700), KitchenArea::None);
}

TEST(KitchenConfinement, BoxDishesStayInsideTheRimAndDrinksGoToTheCoaster) {
  const nv::KitchenAreas a = nv::computeKitchenAreas(1024, 768, kPictures);
  // m = trunc(0.04 x 682) = 27; front height 95.
  const KRect tall = nv::confinementBounds(a, true, 120);
  EXPECT_EQ(tall, (KRect{198, 522, 826, 768}));
  // A dish lower than the rim stops 10 pixels above the rim's top plus its height.
  const KRect low = nv::confinementBounds(a, true, 60);
  EXPECT_EQ(low.bottom, 60 + 673 - 10);
  EXPECT_EQ(nv::confinementBounds(a, false, 60), a.coasterArea);

  // Horizontal: the whole dish inside; vertical: only the bottom edge between the bounds.
  EXPECT_EQ(nv::confine({100, 0, 160, 60}, low), (KRect{198, 462, 258, 522}));
  EXPECT_EQ(nv::confine({900, 700, 960, 760}, low), (KRect{766, 663, 826, 723}));
  EXPECT_EQ(nv::confine({400, 480, 460, 540}, low), (KRect{400, 480, 460, 540}));
  // A drink dropped on the box lands on the coaster area.
  const KRect drink = nv::confine({500, 600, 540, 640}, a.coasterArea);
  EXPECT_EQ(drink, (KRect{836, 696, 876, 736}));
  EXPECT_TRUE(nv::frontCoversDish(a, {400, 630, 460, 673}));
  EXPECT_FALSE(nv::frontCoversDish(a, {400, 600, 460, 672}));
}

TEST(KitchenPlacing, NewDishIsCentredOnTheDropPointAndFitted) {
  // 64 design pixels at s = 1.875 is 120 window pixels, centred where the child dropped it.
  EXPECT_EQ(nv::newPlacedDishRect(500, 400, 64, 1.875, {}), (KRect{440, 340, 560, 460}));
  // A 200 x 100 picture in a 120 square keeps its proportions.
  EXPECT_EQ(nv::newPlacedDishRect(500, 400, 64, 1.875, {200, 100}), (KRect{440, 370, 560, 430}));
  EXPECT_EQ(nv::fitPicture({4, 8}, {10, 10}), (nv::KSize{5, 10}));
  EXPECT_EQ(nv::newPlacedDishRect(10, 10, -5, 1, {}), (KRect{10, 10, 10, 10}));
}

}  // namespace
