#pragma once
// The numbers of the appliance preview window: its design rectangles follow the window's
// size, and its caption tells a teacher where the window and every dish area are now.
#include <cstddef>
#include <string>
#include <vector>

#include "bento/model/kitchen_geometry.h"

namespace nv {

// The design rectangle scaled by (now ÷ design) on each axis, every edge truncated. A design
// side of 0 leaves that axis unscaled.
KRect scalePreviewRect(const KRect& design, KSize designSize, KSize now);

// The design number behind one number of the preview window, which shows the kitchen's
// scale s: a number the window kept since it was shown (pixels == shownPixels) gives back the
// design number it came from, so an untouched preview changes nothing; a changed one is its
// pixels ÷ s, rounded. Positions are counted from the kitchen's origin.
int designNumber(int pixels, int shownPixels, int design, double s);

// One dish area of the preview: its storage name (empty for the appliance's own), how many
// dishes it lists, and where it lies in window pixels.
struct PreviewArea {
  std::string name;
  size_t kinds = 0;
  KRect rect;
};

// "<title> <kinds>種類 L=.. T=.. W=.. H=.. (x,y) L=.. T=.. W=.. H=..", then each further
// area as " <name> <kinds>種類 L=.. T=.. W=.. H=..". The first rectangle is the window on the
// screen, the others are relative to it. CP932.
std::string previewCaption(const std::string& title, const KRect& window, int mouseX, int mouseY,
                           const std::vector<PreviewArea>& areas);

}  // namespace nv
