#pragma once
// The recipe book's rules: its size and where its parts lie on the 640 x 391 book picture,
// the grouping the label cycles through, the two columns of group buttons and the dishes a
// group button lists. The window only places what these functions return.
#include <string>
#include <string_view>
#include <vector>

#include "bento/model/bento_data.h"
#include "bento/model/kitchen_geometry.h"

namespace nv {

// What the grouping label shows, in the order a click cycles through them.
enum class BookGrouping { Category, Placement, Storage, Reading };
BookGrouping nextGrouping(BookGrouping g);
// "作り方", "置く場所", "保存場所", "あいうえお順" (CP932).
std::string groupingCaption(BookGrouping g);

// The four name lists the kitchen hands over: the categories, placements and storages in
// use and the eleven reading groups.
struct BookLists {
  NameList categories, placements, storages, readingGroups;
};
BookLists bookListsOf(const TDaidokoro& data);
const NameList& groupNames(const BookLists& lists, BookGrouping g);

// The dishes behind one group button, sorted for display.
NameList bookDishes(const TDaidokoro& data, BookGrouping g, std::string_view group);

// "お弁当作りのポイント", or the grouping caption + "（" + group + "）" while a group is open.
std::string pointCaption();
std::string pointCaption(BookGrouping g, std::string_view group);
// "12種類"
std::string kindsCaption(size_t count);

// The group buttons over the frame: two columns, in list order row by row; empty for no names.
inline constexpr int kMaxGroupButtonHeight = 28;
std::vector<KRect> groupButtonRects(const KRect& frame, int count);

// The window's client size: 4/5 of the screen width, in the picture's proportions.
KSize bookClientSize(int screenWidth);

// Places on the 640-wide book picture. Only the left and top of the controls follow the
// window's scale; the two frames scale whole.
struct BookDesign {
  static constexpr int kWidth = 640, kHeight = 391;
  KRect points{60, 40, 0, 0};     // L_Point
  KRect grouping{344, 40, 0, 0};  // L_Tukurikata
  KRect topics[4]{{78, 92, 0, 0}, {78, 148, 0, 0}, {78, 204, 0, 0}, {78, 260, 0, 0}};
  KRect kinds{500, 40, 0, 0};           // L_Shurui
  KRect back{430, 338, 0, 0};           // SB_Modoru
  KRect close{522, 338, 0, 0};          // SB_Close
  KRect groupFrame{340, 78, 592, 330};  // Bevel1
  KRect dishFrame{44, 72, 596, 332};    // Bevel2
};
// The left and top of a control at scale s (the right and bottom of the result are unset).
KRect bookControlAt(const KRect& design, double s);
KRect bookFrameAt(const KRect& design, double s);
// Whether a frame is big enough to hold the dish grid.
bool dishFrameUsable(const KRect& frame);

inline constexpr int kBookGridColumns = 7, kBookGridRows = 3;

// The book picture and the four topic pictures, from the program folder.
std::string bookPicturePath();
std::string topicPicturePath(int topic);  // 0..3: point1, point2, point3, kiso

}  // namespace nv
