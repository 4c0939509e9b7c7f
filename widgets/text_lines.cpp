#include "widgets/text_lines.h"

#include <QFontMetrics>

namespace nv {

QStringList fitLines(const QString& text, const QFontMetrics& metrics, int width, int maxLines) {
  QStringList lines;
  if (maxLines <= 0 || text.isEmpty()) return lines;
  qsizetype at = 0;
  while (at < text.size() && lines.size() < maxLines) {
    // As many characters as fit, at least one, never half of a surrogate pair.
    qsizetype end = at;
    while (end < text.size()) {
      const qsizetype next = end + (text[end].isHighSurrogate() && end + 1 < text.size() ? 2 : 1);
      if (end > at && metrics.horizontalAdvance(text.mid(at, next - at)) > width) break;
      end = next;
    }
    lines << text.mid(at, end - at);
    at = end;
  }
  if (at < text.size()) {
    const QString ellipsis(QChar(0x2026));
    QString last = lines.back();
    while (!last.isEmpty() && metrics.horizontalAdvance(last + ellipsis) > width)
      last.chop(last.size() >= 2 && last.back().isLowSurrogate() ? 2 : 1);
    lines.back() = last + ellipsis;
  }
  return lines;
}

}  // namespace nv
