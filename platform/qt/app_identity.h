#pragma once
// Who the program's windows belong to on a desktop: the desktop entry "Nuvelta" (docks group
// the windows with their launcher) and the program's icon. NV and nvsetup both call
// setApplicationIdentity() once after creating their application object.
#include <QIcon>

class QPainter;
class QRectF;

namespace nv {

// The desktop entry's base name, Nuvelta.desktop.
inline constexpr char kDesktopFileName[] = "Nuvelta";

// The icon: a day's nutrient bars reaching the red 100 % line above a bowl of rice, on a
// warm rounded tile. Vectors only, so one function paints every size; the build draws the
// installed icons with it too.
void paintAppIcon(QPainter& painter, const QRectF& rect);
// The desktop theme's "nuvelta" icon where it is installed, else the painted one.
QIcon applicationIcon();
// The desktop file name and the window icon of every window.
void setApplicationIdentity();

}  // namespace nv
