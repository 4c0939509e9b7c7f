#pragma once
// The rice-ball character's rules without its window: where it may stand on the screen and
// how its two pictures alternate until it closes itself.
#include "bento/model/kitchen_geometry.h"

namespace nv {

inline constexpr int kRiceBallDefaultLeft = 402;
inline constexpr int kRiceBallDefaultBottom = 248;
inline constexpr int kRiceBallTickMs = 500;
// Far beyond any desktop, near enough to zero that sums with a window size stay inside an int:
// the stored Left and Bottom are held to it.
inline constexpr int kMostRiceBallCoordinate = 1000000;

// The mood whose pictures are shown: 0..3 and 10 as they are, anything else as 0.
int riceBallPictureMood(int mood);

struct RiceBallPlacement {
  int left = 0, top = 0;
  int bottom = 0;  // the remembered bottom afterwards
};
// Keeps a window of that size on a screen of screenWidth: left at least 0 and its right
// edge on the screen; top = remembered bottom - height, at least 0. Coordinates are first
// held to +-kMostRiceBallCoordinate.
RiceBallPlacement placeRiceBall(int left, int rememberedBottom, KSize window, int screenWidth);

// The picture alternation and the paint countdown: the first picture is painted at most five
// times; the paint after that closes the window.
class RiceBallCycle {
 public:
  int frame() const { return frame_; }
  int countdown() const { return countdown_; }
  // A timer tick (and every show): the other picture.
  void advance() { frame_ = frame_ >= 1 ? 0 : frame_ + 1; }
  enum class Paint { First, Second, Close };
  // What a paint does; paints of the first picture count down.
  Paint paint();

 private:
  int frame_ = -1;
  int countdown_ = 5;
};

}  // namespace nv
