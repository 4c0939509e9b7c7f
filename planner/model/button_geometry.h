#pragma once
// Pixel rules of the dish buttons: the dish panel's columns, the chosen-dish button rows, and
// the size of a dish picture drawn on a button at a portion factor.

namespace nv {

// Columns of the dish panel: the whole buttons that fit its visible width, at least one (a
// wider button is then reached with the horizontal scroll bar).
int dishPanelColumns(int panelWidth, int buttonSize);

struct GlyphSize {
  int width = 0, height = 0;
  bool valid = false;  // false when the picture or the space has no area
};

// The largest portion factor a picture is drawn at: the quantity sliders' 200 %. A portion of
// 99999 g would otherwise ask for a picture of gigabytes.
constexpr double kMaxGlyphFactor = 2.0;

// The picture is fitted into (button width - 4) x (button height - font pixels - 4) and scaled
// by factor (at most kMaxGlyphFactor); sizes are truncated, plus one pixel. fontPoints x dpi /
// 72 gives the caption height.
GlyphSize dishGlyphSize(int buttonWidth, int buttonHeight, int fontPoints, int screenDpi,
                        int pictureWidth, int pictureHeight, double factor);

// The picture of a dish-panel button: drawn at its own size when it fits the picture space,
// else shrunk into it as dishGlyphSize does at factor 1. Small pictures are never enlarged.
GlyphSize panelGlyphSize(int buttonWidth, int buttonHeight, int fontPoints, int screenDpi,
                         int pictureWidth, int pictureHeight);

}  // namespace nv
