// The recipe browser's reading groups: a dish belongs to a group when its first character
// lies in the group's hiragana or katakana range (CP932 byte order).
#include <array>

#include "bento/model/bento_data.h"
#include "platform/text.h"

namespace nv {
namespace {

struct Group {
  const char* name;
  const char* hiraFirst;
  const char* hiraLast;
  const char* kataFirst;
  const char* kataLast;
};

constexpr std::array<Group, 11> kGroups{{
    {"あ行", "ぁ", "お", "ァ", "オ"},
    {"か行", "か", "ご", "カ", "ゴ"},
    {"さ行", "さ", "ぞ", "サ", "ゾ"},
    {"た行", "た", "ど", "タ", "ド"},
    {"な行", "な", "の", "ナ", "ノ"},
    {"は行", "は", "ぽ", "ハ", "ポ"},
    {"ま行", "ま", "も", "マ", "モ"},
    {"や行", "ゃ", "よ", "ャ", "ヨ"},
    {"ら行", "ら", "ろ", "ラ", "ロ"},
    {"わ行", "ゎ", "ん", "ヮ", "ヶ"},
    {"漢字", "亜", "黑", "亜", "黑"},
}};

// The first two bytes as one unsigned value (a shorter name is padded with NULs).
unsigned firstTwo(std::string_view s) {
  unsigned hi = s.size() > 0 ? static_cast<unsigned char>(s[0]) : 0;
  unsigned lo = s.size() > 1 ? static_cast<unsigned char>(s[1]) : 0;
  return hi << 8 | lo;
}

struct Ranges {
  std::string name;
  unsigned lo1, hi1, lo2, hi2;
};

const std::array<Ranges, 11>& ranges() {
  static const std::array<Ranges, 11> table = [] {
    std::array<Ranges, 11> t;
    for (size_t i = 0; i < kGroups.size(); ++i) {
      const Group& g = kGroups[i];
      t[i] = {sj(g.name), firstTwo(sj(g.hiraFirst)), firstTwo(sj(g.hiraLast)),
              firstTwo(sj(g.kataFirst)), firstTwo(sj(g.kataLast))};
    }
    return t;
  }();
  return table;
}

}  // namespace

void readingGroups(NameList& out) {
  for (const Ranges& r : ranges()) out.push_back(r.name);
}

bool inReadingGroup(std::string_view group, std::string_view name) {
  unsigned c = firstTwo(name);
  for (const Ranges& r : ranges())
    if (r.name == group) return (c >= r.lo1 && c <= r.hi1) || (c >= r.lo2 && c <= r.hi2);
  return false;
}

}  // namespace nv
