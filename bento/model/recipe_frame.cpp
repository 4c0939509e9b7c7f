#include "bento/model/recipe_frame.h"

#include <algorithm>
#include <cstdint>

namespace nv {

KSize fitPicture(KSize picture, int maxWidth, int maxHeight, bool enlarge) {
  if (picture.width <= 0 || picture.height <= 0) return {};
  int64_t w = std::max(1, maxWidth);
  // The height allows this width in the picture's proportions.
  w = std::min<int64_t>(w, int64_t(std::max(1, maxHeight)) * picture.width / picture.height);
  if (!enlarge) w = std::min<int64_t>(w, picture.width);
  w = std::max<int64_t>(1, w);
  return {int(w), int(std::max<int64_t>(1, w * picture.height / picture.width))};
}

}  // namespace nv
