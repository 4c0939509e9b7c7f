#include "teacher/model/reizouko_preview.h"

#include <cmath>

#include "platform/text.h"

namespace nv {
namespace {

std::string ltwh(const KRect& r) {
  return cformat("L=%d T=%d W=%d H=%d", r.left, r.top, r.width(), r.height());
}

std::string kinds(size_t n) { return std::to_string(n) + sj("種類"); }

}  // namespace

KRect scalePreviewRect(const KRect& design, KSize designSize, KSize now) {
  const double sx = designSize.width != 0 ? double(now.width) / designSize.width : 1.0;
  const double sy = designSize.height != 0 ? double(now.height) / designSize.height : 1.0;
  return {int(design.left * sx), int(design.top * sy), int(design.right * sx),
          int(design.bottom * sy)};
}

int designNumber(int pixels, int shownPixels, int design, double s) {
  if (pixels == shownPixels || !(s > 0)) return design;
  return int(std::lround(pixels / s));
}

std::string previewCaption(const std::string& title, const KRect& window, int mouseX, int mouseY,
                           const std::vector<PreviewArea>& areas) {
  std::string out = title + " " + kinds(areas.empty() ? 0 : areas.front().kinds) + " " +
                    ltwh(window) + cformat(" (%d,%d) ", mouseX, mouseY);
  for (size_t i = 0; i < areas.size(); ++i) {
    if (i > 0) out += " " + areas[i].name + " " + kinds(areas[i].kinds) + " ";
    out += ltwh(areas[i].rect);
  }
  return out;
}

}  // namespace nv
