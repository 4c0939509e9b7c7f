#include "bento/model/recipe_cutting.h"

#include <algorithm>
#include <array>

#include "platform/text.h"

namespace nv {

namespace {

struct Phrase {
  const char* phrase;  // UTF-8 here; compared as CP932
  const char* method;
};

// Searched in this order; the first phrase found for a method adds it.
constexpr Phrase kPhrases[] = {
    {"くし形切り", "くし形切り"},
    {"櫛形切り", "くし形切り"},
    {"さいの目切り", "さいの目切り"},
    {"さいの目に切", "さいの目切り"},
    {"賽の目切り", "さいの目切り"},
    {"賽の目に切", "さいの目切り"},
    {"賽目切り", "さいの目切り"},
    {"賽目に切", "さいの目切り"},
    {"わ切り", "輪切り"},
    {"輪切り", "輪切り"},
    {"千切り", "せん切り"},
    {"せん切り", "せん切り"},
    {"小口切り", "小口切り"},
    {"小口に切", "小口切り"},
    {"ささがき", "ささがき"},
    {"たんざく切り", "短冊切り"},
    {"たんざくに切", "短冊切り"},
    {"短ざく切り", "短冊切り"},
    {"短ざくに切", "短冊切り"},
    {"短冊切り", "短冊切り"},
    {"短冊に切", "短冊切り"},
    {"みじん切り", "みじん切り"},
    {"みじんに切", "みじん切り"},
    {"微塵切り", "みじん切り"},
    {"らん切り", "らん切り"},
    {"乱切り", "らん切り"},
    {"いちょう切り", "いちょう切り"},
    {"いちょうに切", "いちょう切り"},
    {"銀杏切り", "いちょう切り"},
    {"銀杏に切", "いちょう切り"},
    {"ひょうし木切り", "ひょうし木切り"},
    {"拍子木切り", "ひょうし木切り"},
    {"しきし切り", "色紙切り"},
    {"色紙切り", "色紙切り"},
    {"石ずき", "きのこの石づき"},
    {"石づき", "きのこの石づき"},
};
static_assert(std::size(kPhrases) == 36);

}  // namespace

size_t findCp932(std::string_view text, std::string_view needle) {
  const size_t m = needle.size();
  if (m == 0 || m > text.size()) return m == 0 ? 0 : std::string_view::npos;
  std::array<size_t, 256> skip;
  skip.fill(m);
  for (size_t i = 0; i + 1 < m; ++i) skip[static_cast<unsigned char>(needle[i])] = m - 1 - i;

  // Character starts of the text, so a match can be checked against them.
  std::vector<bool> starts(text.size(), false);
  for (size_t i = 0; i < text.size();) {
    starts[i] = true;
    i += (isCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
  }
  size_t pos = 0;
  while (pos + m <= text.size()) {
    if (text.compare(pos, m, needle) == 0) {
      if (starts[pos]) return pos;
      ++pos;  // inside a character: look on
      continue;
    }
    pos += skip[static_cast<unsigned char>(text[pos + m - 1])];
  }
  return std::string_view::npos;
}

std::vector<std::string> cuttingMethods(const std::vector<std::string>& steps) {
  std::string joined;
  for (const std::string& s : steps) {
    joined += s;
    joined += "\r\n";
  }
  std::vector<std::string> methods;
  for (const Phrase& p : kPhrases) {
    std::string method = sj(p.method);
    if (std::find(methods.begin(), methods.end(), method) != methods.end()) continue;
    if (findCp932(joined, sj(p.phrase)) != std::string_view::npos) methods.push_back(method);
  }
  return methods;
}

int cuttingSlotSize(size_t methods) {
  constexpr int kSlot = 96, kRoom = 332;
  if (methods == 0 || static_cast<int>(methods) * kSlot <= kRoom) return kSlot;
  return kRoom / static_cast<int>(methods);
}

}  // namespace nv
