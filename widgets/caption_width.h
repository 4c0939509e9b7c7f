#pragma once
// Window managers cut a title that does not fit: dialogs whose caption is the question they
// ask are made at least as wide as it.
class QWidget;

namespace nv {

// The width a title bar needs for `window`'s title: its text in a bold title font plus room
// for the window icon and buttons.
int captionWidth(const QWidget& window);

// Raises the window's minimum width to captionWidth (never lowers it).
void fitCaption(QWidget& window);

}  // namespace nv
