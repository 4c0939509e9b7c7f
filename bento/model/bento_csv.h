#pragma once
// The teachers' lunch-box dish CSV: reading it into kitchen data with its error list
// "error.txt", the conversion of the two CSV sources into NV.nvb, and the picture check.
#include <string>
#include <string_view>

#include "bento/model/bento_data.h"

namespace nv {

class TFoodData;

// Lines of at most 10238 bytes; longer ones are read in pieces, each counted as a line.
constexpr size_t kBentoCsvLineBuffer = 10239;
constexpr size_t kBentoCsvFieldBytes = 47;
constexpr size_t kBentoCsvStepBytes = 1023;

// Reads the CSV held in memory into kitchen (which starts over with the fifteen default
// categories) and appends the error-file text to `errors` (CR LF lines). When pictureFolder
// is not null, the dishes without "<name>.bmp" there are listed at the end. False, reading
// nothing, when the file has not even a header line.
bool readBentoCsv(std::string_view csv, const TFoodData& foods, TDaidokoro& kitchen,
                  std::string& errors, const std::string* pictureFolder, bool showProgress = true);

// The file form: creates errorPath anew, reads csvPath and writes the error list. False with
// a message (and no kitchen data) when the error file cannot be created, the CSV cannot be
// read or holds nothing.
bool readBentoCsvFile(std::string_view csvPath, std::string_view errorPath, const TFoodData& foods,
                      TDaidokoro& kitchen, const std::string* pictureFolder);

// The builder's conversion: the food CSV and the dish CSV into the lunch-box data file, with
// "error.txt" beside it (its path goes to errorFile). pictureFolder as above; the program
// uses its folder's "bentou". False, with a message, when a file cannot be read or written;
// the data file is then left as it was.
bool convertBentoCsv(std::string_view foodCsvPath, std::string_view dishCsvPath,
                     std::string_view dataFilePath, const std::string* pictureFolder,
                     std::string* errorFile = nullptr);

// The picture folder's names: files only, without folder and extension, leaving out names
// whose last character is "s" (the small pictures).
NameList pictureNames(std::string_view folder);

struct PictureCheck {
  NameList picturesWithoutDish;   // sorted
  NameList dishesWithoutPicture;  // sorted
};
PictureCheck comparePictures(const NameList& dishNames, const NameList& pictures);
// Reads the dish names of a lunch-box data file and compares them with the picture folder.
// False, with a message, when the file cannot be read or is damaged.
bool checkBentoPictures(std::string_view dataFilePath, std::string_view pictureFolder,
                        PictureCheck& out);

}  // namespace nv
