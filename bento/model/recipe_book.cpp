#include "bento/model/recipe_book.h"

#include <algorithm>

#include "platform/paths.h"
#include "platform/text.h"

namespace nv {

BookGrouping nextGrouping(BookGrouping g) {
  switch (g) {
    case BookGrouping::Category:
      return BookGrouping::Placement;
    case BookGrouping::Placement:
      return BookGrouping::Storage;
    case BookGrouping::Storage:
      return BookGrouping::Reading;
    case BookGrouping::Reading:
      break;
  }
  return BookGrouping::Category;
}

std::string groupingCaption(BookGrouping g) {
  switch (g) {
    case BookGrouping::Category:
      return sj("作り方");
    case BookGrouping::Placement:
      return sj("置く場所");
    case BookGrouping::Storage:
      return sj("保存場所");
    case BookGrouping::Reading:
      break;
  }
  return sj("あいうえお順");
}

BookLists bookListsOf(const TDaidokoro& data) {
  BookLists l;
  data.categoriesInUse(l.categories);
  data.placementsInUse(l.placements);
  data.storagesInUse(l.storages);
  readingGroups(l.readingGroups);
  return l;
}

const NameList& groupNames(const BookLists& lists, BookGrouping g) {
  switch (g) {
    case BookGrouping::Category:
      return lists.categories;
    case BookGrouping::Placement:
      return lists.placements;
    case BookGrouping::Storage:
      return lists.storages;
    case BookGrouping::Reading:
      break;
  }
  return lists.readingGroups;
}

NameList bookDishes(const TDaidokoro& data, BookGrouping g, std::string_view group) {
  NameList names;
  switch (g) {
    case BookGrouping::Category:
      data.dishesOfCategory(group, names);
      break;
    case BookGrouping::Placement:
      data.dishesOfPlacement(group, names);
      break;
    case BookGrouping::Reading:
      data.dishesOfReadingGroup(group, names);
      break;
    case BookGrouping::Storage:
      data.dishesOfStorage(group, names);
      break;
  }
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& a, const std::string& b) { return compareJa(a, b) < 0; });
  return names;
}

std::string pointCaption() { return sj("お弁当作りのポイント"); }

std::string pointCaption(BookGrouping g, std::string_view group) {
  return groupingCaption(g) + sj("（") + std::string(group) + sj("）");
}

std::string kindsCaption(size_t count) { return std::to_string(count) + sj("種類"); }

std::vector<KRect> groupButtonRects(const KRect& frame, int count) {
  std::vector<KRect> out;
  if (count <= 0) return out;
  const int column = frame.width() / 2;
  const int rows = (count + 1) / 2;
  const int pitch = frame.height() / rows;
  const int width = std::max(0, column - 4);
  const int height = std::clamp(pitch - 4, 0, kMaxGroupButtonHeight);
  for (int i = 0; i < count; ++i) {
    const int left = frame.left + (i % 2) * column, top = frame.top + (i / 2) * pitch;
    out.push_back({left, top, left + width, top + height});
  }
  return out;
}

KSize bookClientSize(int screenWidth) {
  const int w = screenWidth * 4 / 5;
  return {w, w * BookDesign::kHeight / BookDesign::kWidth};
}

KRect bookControlAt(const KRect& design, double s) {
  const int left = scaled(design.left, s), top = scaled(design.top, s);
  return {left, top, left, top};
}

KRect bookFrameAt(const KRect& design, double s) {
  const KRect at = bookControlAt(design, s);
  return {at.left, at.top, at.left + scaled(design.width(), s),
          at.top + scaled(design.height(), s)};
}

bool dishFrameUsable(const KRect& frame) {
  return frame.left > 0 && frame.top > 0 && frame.width() > 10 && frame.height() > 10;
}

std::string bookPicturePath() {
  return joinPath(programFolder(), sj("bentou/daidokoro/レシピ本.bmp"));
}

std::string topicPicturePath(int topic) {
  static const char* const kFiles[] = {"point1.bmp", "point2.bmp", "point3.bmp", "kiso.bmp"};
  return joinPath(programFolder(),
                  std::string("bentou/setumei/") + kFiles[std::clamp(topic, 0, 3)]);
}

}  // namespace nv
