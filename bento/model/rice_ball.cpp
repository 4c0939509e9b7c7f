#include "bento/model/rice_ball.h"

#include <algorithm>

namespace nv {

int riceBallPictureMood(int mood) { return (mood >= 0 && mood <= 3) || mood == 10 ? mood : 0; }

RiceBallPlacement placeRiceBall(int left, int rememberedBottom, KSize window, int screenWidth) {
  const int most = kMostRiceBallCoordinate;
  left = std::clamp(left, -most, most);
  rememberedBottom = std::clamp(rememberedBottom, -most, most);
  window.width = std::clamp(window.width, 0, most);
  window.height = std::clamp(window.height, 0, most);
  RiceBallPlacement p;
  p.left = std::max(0, left);
  if (p.left + window.width > screenWidth) p.left = std::max(0, screenWidth - window.width);
  p.top = std::max(0, rememberedBottom - window.height);
  p.bottom = p.top + window.height;
  return p;
}

RiceBallCycle::Paint RiceBallCycle::paint() {
  if (frame_ == 1) return Paint::Second;
  if (--countdown_ < 0) return Paint::Close;
  return Paint::First;
}

}  // namespace nv
