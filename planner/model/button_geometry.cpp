#include "planner/model/button_geometry.h"

#include <algorithm>

namespace nv {

int dishPanelColumns(int panelWidth, int buttonSize) {
  if (buttonSize <= 0) return 1;
  return std::max(1, panelWidth / buttonSize);
}

GlyphSize dishGlyphSize(int buttonWidth, int buttonHeight, int fontPoints, int screenDpi,
                        int pictureWidth, int pictureHeight, double factor) {
  GlyphSize g;
  if (pictureWidth <= 0 || pictureHeight <= 0) return g;
  const double spaceW = buttonWidth - 4;
  const double spaceH = buttonHeight - double(fontPoints) * screenDpi / 72.0 - 4;
  if (spaceW <= 0 || spaceH <= 0 || !(factor >= 0)) return g;
  factor = std::min(factor, kMaxGlyphFactor);
  const double base = std::min(spaceW / pictureWidth, spaceH / pictureHeight);
  g.width = int(factor * pictureWidth * base) + 1;
  g.height = int(factor * pictureHeight * base) + 1;
  g.valid = true;
  return g;
}

GlyphSize panelGlyphSize(int buttonWidth, int buttonHeight, int fontPoints, int screenDpi,
                         int pictureWidth, int pictureHeight) {
  const GlyphSize fitted = dishGlyphSize(buttonWidth, buttonHeight, fontPoints, screenDpi,
                                         pictureWidth, pictureHeight, 1.0);
  if (!fitted.valid) return fitted;
  const double spaceW = buttonWidth - 4;
  const double spaceH = buttonHeight - double(fontPoints) * screenDpi / 72.0 - 4;
  if (pictureWidth <= spaceW && pictureHeight <= spaceH)
    return GlyphSize{pictureWidth, pictureHeight, true};
  return fitted;
}

}  // namespace nv
