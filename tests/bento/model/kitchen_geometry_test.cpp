// The kitchen's mappings, areas, hit order and confinement against worked numbers.
#include "bento/model/kitchen_geometry.h"

#include <gtest/gtest.h>

#include "bento/model/kitchen_placing.h"

namespace {

using nv::KitchenArea;
using nv::KRect;

const nv::KitchenPictureSizes kPictures{{800, 400}, {800, 112}, {240, 160}};

TEST(KitchenMapping, ScaleOneKeepsDesignAndZoomUsesTheStoredOffsets) {
  const double s = nv::kitchenScale(1024, 768);
  EXPECT_EQ(s, 1.0);
  // One scale for both axes: the one that fits the whole kitchen.
  EXPECT_EQ(nv::kitchenScale(1920, 1080), 1.40625);
  EXPECT_EQ(nv::kitchenScale(1366, 768), 1.0);
  EXPECT_EQ(nv::kitchenScale(1280, 1024), 1.25);
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

  EXPECT_EQ(a.layout(), (KRect{0, 0, 1024, 768}));

  // 16:9: the kitchen is 1440 x 1080, centred; the box stands on the screen's bottom.
  a = nv::computeKitchenAreas(1920, 1080, kPictures);
  EXPECT_EQ(a.layout(), (KRect{240, 0, 1680, 1080}));
  EXPECT_EQ(a.kitchenOverview, a.layout());
  EXPECT_EQ(a.largeBox, (KRect{480, 600, 1440, 1080}));
  EXPECT_EQ(a.boxFront, (KRect{480, 946, 1440, 1080}));
  EXPECT_EQ(a.coasterArea, (KRect{1416, 1036, 1680, 1080}));
  EXPECT_EQ(a.graph, (KRect{242, 912, 480, 1080}));
  EXPECT_EQ(a.exit.right, 1680);
  // At 1366 x 768 it is the 1024 x 768 kitchen moved right by 171; a 5:4 screen centres it
  // vertically.
  a = nv::computeKitchenAreas(1366, 768, kPictures);
  EXPECT_EQ(a.largeBox, (KRect{342, 427, 1024, 768}));
  EXPECT_EQ(a.kitchenWorking, (KRect{120, -229, 1245, 768}));
  a = nv::computeKitchenAreas(1280, 1024, kPictures);
  EXPECT_EQ(a.layout(), (KRect{0, 32, 1280, 992}));
  EXPECT_EQ(a.largeBox.bottom, 992);

  // Missing pictures give empty boxes instead of a division by zero.
  a = nv::computeKitchenAreas(1024, 768, {});
  EXPECT_EQ(a.largeBox.height(), 0);
  EXPECT_EQ(a.coaster.height(), 0);
}

TEST(KitchenAreas, PressLooksUpTheFirstAreaInOrder) {
  const nv::KitchenAreas a = nv::computeKitchenAreas(1024, 768, kPictures);
  // What reaches past the window is clipped to what can be clicked.
  EXPECT_EQ(a.appliance(KitchenArea::FryingPan), (KRect{0, 409, 47, 449}));
  EXPECT_EQ(a.appliance(KitchenArea::Refrigerator), (KRect{896, 11, 1024, 329}));
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
  // m = trunc(0.04 x 682) = 27; front height 95; a dish's bottom stops at the front's top.
  const KRect box = nv::confinementBounds(a, true);
  EXPECT_EQ(box, (KRect{198, 522, 826, 673}));
  EXPECT_EQ(nv::confinementBounds(a, false), a.coasterArea);

  // Horizontal: the whole dish inside; vertical: only the bottom edge between the bounds.
  EXPECT_EQ(nv::confine({100, 0, 160, 60}, box), (KRect{198, 462, 258, 522}));
  EXPECT_EQ(nv::confine({900, 700, 960, 760}, box), (KRect{766, 613, 826, 673}));
  EXPECT_EQ(nv::confine({400, 480, 460, 540}, box), (KRect{400, 480, 460, 540}));
  // A small dish let go low keeps its picture and name above the rim, and so does a tall one.
  EXPECT_EQ(nv::confine({362, 663, 438, 739}, box), (KRect{362, 597, 438, 673}));
  EXPECT_EQ(nv::confine({362, 640, 482, 760}, box).bottom, 673);
  // A drink dropped on the box lands on the coaster area.
  const KRect drink = nv::confine({500, 600, 540, 640}, a.coasterArea);
  EXPECT_EQ(drink, (KRect{836, 696, 876, 736}));
  EXPECT_TRUE(nv::frontCoversDish(a, {400, 630, 460, 673}));
  EXPECT_FALSE(nv::frontCoversDish(a, {400, 600, 460, 672}));
}

TEST(KitchenPlacing, AddedDishesTakeTheNextFreePlaceLeftToRightThenRowByRow) {
  const nv::KitchenAreas a = nv::computeKitchenAreas(1024, 768, kPictures);
  const KRect bounds = nv::confinementBounds(a, true);
  std::vector<KRect> taken;
  for (int i = 0; i < 14; ++i) {
    const KRect r = nv::nextFreePlace(a, {76, 76}, true, taken);
    SCOPED_TRACE(i);
    EXPECT_GE(r.left, bounds.left);
    EXPECT_LE(r.right, bounds.right);
    EXPECT_LE(r.bottom, bounds.bottom);
    EXPECT_GE(r.top, a.largeBox.top);
    for (const KRect& t : taken) {
      EXPECT_FALSE(r.left < t.right && t.left < r.right && r.top < t.bottom && t.top < r.bottom);
    }
    if (!taken.empty()) {
      if (r.top == taken.back().top) {
        EXPECT_GT(r.left, taken.back().left);
      }
      EXPECT_GE(r.top, taken.back().top);  // never back up a row
    }
    taken.push_back(r);
  }
  // The first row sits behind the back rim: half the front's height below the box's top.
  EXPECT_EQ(taken[0], (KRect{198, 474, 274, 550}));
  EXPECT_EQ(taken[1].top, 474);
  EXPECT_GT(taken[13].top, 474);  // a second row began
  // A crowded box takes the place the others cover least, not one spot for every dish.
  std::vector<KRect> crowded = taken;
  crowded.push_back({198, 550, 826, 673});
  EXPECT_EQ(nv::nextFreePlace(a, {76, 76}, true, crowded), (KRect{747, 474, 823, 550}));
  // A drink goes onto the coaster.
  const KRect drink = nv::nextFreePlace(a, {40, 40}, false, {});
  EXPECT_EQ(drink, (KRect{836, 696, 876, 736}));
}

TEST(KitchenPlacing, StoredPlacesFollowTheLayoutAndStayAboveTheRim) {
  // Saved relative to the layout; on a 1366 x 768 screen the layout starts at x = 171.
  const nv::KitchenAreas a = nv::computeKitchenAreas(1366, 768, kPictures);
  EXPECT_EQ(nv::placeStoredDish(a, {300, 500, 376, 576}, true), (KRect{471, 500, 547, 576}));
  // Low in the box: pulled up so that the rim hides nothing.
  EXPECT_EQ(nv::placeStoredDish(a, {362, 663, 438, 739}, true), (KRect{533, 597, 609, 673}));
  EXPECT_EQ(nv::storedPlaceOf(a, {533, 597, 609, 673}), (KRect{362, 597, 438, 673}));
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
