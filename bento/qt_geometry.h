#pragma once
// The kitchen's rectangles and sizes (right and bottom exclusive) to and from Qt's, in one
// place so that the kitchen, its printed page and the appliance preview agree on the edges.
#include <QImage>
#include <QRect>

#include "bento/model/kitchen_geometry.h"

namespace nv {

inline QRect qRect(const KRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }
inline KRect kRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
// 0 x 0 for a missing picture.
inline KSize kSize(const QImage& i) { return i.isNull() ? KSize{} : KSize{i.width(), i.height()}; }

}  // namespace nv
