#include "planner/model/conveyor_rows.h"

#include "platform/text.h"

namespace nv {

const std::array<std::vector<std::string>, 3>& conveyorRowCategories() {
  static const std::array<std::vector<std::string>, 3> rows = {
      std::vector<std::string>{sj("ごはん"), sj("パン・シリアル"), sj("めん"), sj("汁もの")},
      std::vector<std::string>{sj("魚のおかず"), sj("肉のおかず"), sj("野菜のおかず"),
                               sj("卵のおかず"), sj("豆のおかず"), sj("芋のおかず"),
                               sj("乳製品・海藻・小魚のおかず")},
      std::vector<std::string>{sj("くだもの"), sj("デザート・お菓子"), sj("飲み物"), sj("その他")}};
  return rows;
}

}  // namespace nv
