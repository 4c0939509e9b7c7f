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

// The file form: creates errorPath anew, reads csvPath and writes the error list, which
// starts with errorLead (CR LF lines of the caller). A UTF-8 CSV is converted and the list
// says so. False with a message (and no kitchen data) when the error file is the CSV itself
// or cannot be created, or the CSV cannot be read or holds nothing.
bool readBentoCsvFile(std::string_view csvPath, std::string_view errorPath, const TFoodData& foods,
                      TDaidokoro& kitchen, const std::string* pictureFolder,
                      std::string_view errorLead = {});

// The builder's conversion: the food CSV and the dish CSV into the lunch-box data file, with
// "error.txt" beside it (its path goes to errorFile). pictureFolder as above; the program
// uses its folder's "bentou". False, with a message, when the data file or error.txt would
// be one of the two CSV files, a file cannot be read or written, or the result holds no food
// or no dish while a data file is there; the data file is then left as it was. A data file
// that is replaced is kept as "<name>.bak".
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
