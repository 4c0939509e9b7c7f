#include "core/fixed_categories.h"

#include "platform/text.h"

namespace nv {

const std::vector<std::string>& fixedCategoryNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> out;
    for (const char* n :
         {"ごはん", "パン・シリアル", "めん", "汁もの", "魚のおかず", "肉のおかず", "野菜のおかず",
          "卵のおかず", "豆のおかず", "芋のおかず", "乳製品・海藻・小魚のおかず", "くだもの",
          "デザート・お菓子", "飲み物", "その他"})
      out.push_back(sj(n));
    return out;
  }();
  return names;
}

}  // namespace nv
