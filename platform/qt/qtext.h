#pragma once
// The one door between CP932 bytes and Qt's QString.
#include <QString>
#include <string>
#include <string_view>

namespace nv {
QString toQ(std::string_view cp932);
std::string fromQ(const QString& text);
}  // namespace nv
