#pragma once
// Where the lunch-box game's pictures are. Paths are CP932 with '/' separators; bmpFolder is
// the BmpFolder setting (by default the program folder's "bentou/").
#include <string>
#include <string_view>

namespace nv {

// The default BmpFolder: the program folder followed by "bentou/".
std::string defaultBentoBmpFolder();

// Whether a dish name can name a picture file: not empty, no "/" or "\" of its own (the
// second byte of 表 or ソ is none) and no "..", so that a name from a file never reaches
// another folder.
bool isPictureName(std::string_view dishName);

// Dish pictures under BmpFolder: "<name>.bmp" and the small "<name>s.bmp". Empty (no file)
// for a name that is no picture name: such a dish shows as its label.
std::string dishPicturePath(std::string_view bmpFolder, std::string_view dishName);
std::string dishSmallPicturePath(std::string_view bmpFolder, std::string_view dishName);
// The how-to-make picture: program folder, "bentou/setumei/<name>.jpg" (empty, likewise).
std::string dishExplanationPath(std::string_view dishName);

// The pictures loaded while the kitchen window is built: always from the program folder.
enum class FixedKitchenPicture { Kitchen, Box, BoxFront, Coaster };
std::string fixedKitchenPicturePath(FixedKitchenPicture which);

// Pictures under BmpFolder's "daidokoro/".
enum class KitchenPicture {
  Box,       // 弁当箱.bmp (on paper)
  BoxFront,  // 弁当箱手前.bmp (on paper)
  Exit,      // 出口.bmp
  Refrigerator,
  Freezer,
  RiceCooker,
  Cupboard,
  Pot,
  FryingPan,
  Oven
};
// "daidokoro/..." relative to BmpFolder, as the appliance settings name them.
std::string kitchenPictureRelative(KitchenPicture which);
std::string kitchenPicturePath(std::string_view bmpFolder, KitchenPicture which);

// The rice ball's pictures, program folder "bentou/daidokoro/": mood 0..3 with frame 1 or 2
// ("おにぎり0101.bmp" ... "おにぎり0402.bmp"), mood 10 the full box ("おなかがいっぱい01.bmp").
std::string riceBallPicturePath(int mood, int frame);
// The rice ball on the printed page: the second picture of the grade's pair under BmpFolder
// (grade 0..3, 10 for a full box, "おにぎり0102.bmp" for anything else).
std::string riceBallPrintPicturePath(std::string_view bmpFolder, int grade);

}  // namespace nv
