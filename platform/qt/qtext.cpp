#include "platform/qt/qtext.h"

#include <QFile>
#include <filesystem>

#include "platform/paths.h"
#include "platform/text.h"

namespace nv {

QString toQ(std::string_view cp932) {
  std::u16string u = cp932ToUtf16(cp932);
  return QString::fromUtf16(u.data(), qsizetype(u.size()));
}

std::string fromQ(const QString& text) {
  return utf16ToCp932(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())));
}

std::string pathFromQ(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  return fromFsPath(std::filesystem::path(std::string(native.constData(), size_t(native.size()))));
}

}  // namespace nv
