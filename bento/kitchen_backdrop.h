#pragma once
// The kitchen is drawn for 4:3; on a wider (or taller) window its picture is drawn where the
// layout puts it and the rest of the window continues the picture's edges outward, so that the
// wall, the counter and the floor simply go on beside it.
class QPainter;
class QPixmap;
class QRect;

namespace nv {

// Draws `picture` at `target` (its size) and fills what `window` shows beyond it with the
// picture's outermost rows and columns stretched, the corners with the corner pixels' colour.
// Without a picture the window is white.
void drawWithEdges(QPainter& painter, const QPixmap& picture, const QRect& target,
                   const QRect& window);

}  // namespace nv
