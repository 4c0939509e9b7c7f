#include "planner/model/window_placement.h"

#include <algorithm>

namespace nv {
namespace {

long long overlap(const ScreenRect& a, const ScreenRect& b) {
  const long long w = std::min(a.right(), b.right()) - std::max(a.left, b.left);
  const long long h = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

}  // namespace

ScreenRect placeOnScreens(const ScreenRect& wanted, const std::vector<ScreenRect>& workAreas) {
  if (workAreas.empty()) return wanted;
  const ScreenRect* area = &workAreas.front();
  long long best = 0;
  for (const ScreenRect& a : workAreas) {
    const long long o = overlap(wanted, a);
    if (o > best) {
      best = o;
      area = &a;
    }
  }
  ScreenRect r = wanted;
  r.width = std::clamp(r.width, 1, std::max(1, area->width));
  r.height = std::clamp(r.height, 1, std::max(1, area->height));
  r.left = std::clamp(r.left, area->left, area->right() - r.width);
  r.top = std::clamp(r.top, area->top, area->bottom() - r.height);
  return r;
}

}  // namespace nv
