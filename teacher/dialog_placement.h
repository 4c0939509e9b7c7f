#pragma once
// Where a teacher dialog goes when its stored or inherited bounds may lie off every screen (a
// smaller resolution since it was stored, a monitor unplugged): on the screen it overlaps
// most, or the primary one, shrunk to that screen's work area and moved inside it.
#include <QRect>

namespace nv {

QRect onVisibleScreen(const QRect& wanted);

}  // namespace nv
