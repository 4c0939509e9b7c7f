#pragma once
// Pixel rules of the dish buttons: the dish panel's columns, the chosen-dish button rows, and
// the size of a dish picture drawn on a button at a portion factor.

namespace nv {

// Columns of the dish panel: (width - 4 + size/2) / size, at least one.
int dishPanelColumns(int tabControlWidth, int buttonSize);

struct GlyphSize {
  int width = 0, height = 0;
  bool valid = false;  // false when the picture or the space has no area
};

// The picture is fitted into (button width - 4) x (button height - font pixels - 4) and scaled
// by factor; sizes are truncated, plus one pixel. fontPoints x dpi / 72 gives the caption height.
GlyphSize dishGlyphSize(int buttonWidth, int buttonHeight, int fontPoints, int screenDpi,
                        int pictureWidth, int pictureHeight, double factor);

}  // namespace nv
