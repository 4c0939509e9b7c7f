#include "planner/model/about_info.h"

#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace nv {

std::string aboutVersionText(int major, int minor, int release, int build) {
  return cformat("Version %d.%d.%d Build:%d", major, minor, release, build);
}

std::string aboutVersionText() {
  return aboutVersionText(NV_VERSION_MAJOR, NV_VERSION_MINOR, NV_VERSION_RELEASE, NV_VERSION_BUILD);
}

AboutInfo readAboutInfo(const std::string& cp932Path) {
  AboutInfo info;
  if (!fileExists(cp932Path)) return info;
  Ini ini(cp932Path);
  info.maker = ini.readString("About", "Maker", "");
  info.mail = ini.readString("About", "Mail", "");
  for (const std::string& key : ini.keyNames("Contributors"))
    info.contributors.push_back(ini.readString("Contributors", key, ""));
  return info;
}

std::string aboutMailUrl(const std::string& mailCp932) {
  auto encode = [](const std::string& utf8) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : utf8) {
      if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
          c == '_' || c == '.' || c == '~' || c == '@') {
        out += char(c);
      } else {
        out += '%';
        out += hex[c >> 4];
        out += hex[c & 15];
      }
    }
    return out;
  };
  return "mailto:" + encode(cp932ToUtf8(mailCp932)) + "?subject=" + encode("NVの感想");
}

AboutScroller::Step AboutScroller::step() {
  // A list that fits in its box has nothing to scroll.
  if (lines_ <= kTail) return {top_, false};
  ++top_;
  return {top_, top_ >= lines_ - kTail};
}

}  // namespace nv
