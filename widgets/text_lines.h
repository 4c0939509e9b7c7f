#pragma once
// A short text broken into lines of a given width (at any character, as Japanese is), at
// most `maxLines` of them; a text that does not fit ends its last line with "…".
#include <QStringList>

class QFontMetrics;

namespace nv {

QStringList fitLines(const QString& text, const QFontMetrics& metrics, int width, int maxLines);

}  // namespace nv
