#include "bento/model/stored_names.h"

#include "platform/text.h"

namespace nv {

const std::string& boxPlacementName() {
  static const std::string name = sj("弁当箱");
  return name;
}

const std::string& recipePageBackground() {
  static const std::string path = sj("daidokoro/レシピ2.bmp");
  return path;
}

}  // namespace nv
