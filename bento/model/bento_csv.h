#pragma once
// The teachers' lunch-box dish CSV: reading it into kitchen data with its error list
// "error.txt", the conversion of the two CSV sources into NV.nvb, and the picture check.
#include <string>
#include <string_view>

#include "bento/model/bento_data.h"
#include "platform/result.h"

namespace nv {

class ProgressOpener;
class TFoodData;

// Lines of at most 10238 bytes; longer ones are read in pieces, each counted as a line.
constexpr size_t kBentoCsvLineBuffer = 10239;
constexpr size_t kBentoCsvFieldBytes = 47;
constexpr size_t kBentoCsvStepBytes = 1023;

// Reads the CSV held in memory into kitchen (which starts over with the fifteen default
// categories) and appends the error-file text to `errors` (CR LF lines). When pictureFolder
// is not null, the dishes without "<name>.bmp" there are listed at the end. False, reading
// nothing, when the file has not even a header line. The lines' progress is shown through
// `progress` (null: none).
bool readBentoCsv(std::string_view csv, const TFoodData& foods, TDaidokoro& kitchen,
                  std::string& errors, const std::string* pictureFolder,
                  ProgressOpener* progress = nullptr);

// The file form: creates errorPath anew, reads csvPath and writes the error list, which
// starts with errorLead (CR LF lines of the caller). A UTF-8 CSV is converted and the list
// says so. A failure with its box (and no kitchen data) when the error file is the CSV
// itself or cannot be created, or the CSV cannot be read or holds nothing; a list that cannot
// be written at the end is told but the kitchen data stands.
Result readBentoCsvFile(std::string_view csvPath, std::string_view errorPath,
                        const TFoodData& foods, TDaidokoro& kitchen,
                        const std::string* pictureFolder, std::string_view errorLead = {},
                        ProgressOpener* progress = nullptr);

// The builder's conversion: the food CSV and the dish CSV into the lunch-box data file, with
// "error.txt" beside it (its path goes to errorFile). pictureFolder as above; the program
// uses its folder's "bentou". A failure, with its box, when the data file or error.txt would
// be one of the two CSV files, a file cannot be read or written, or the result holds no food
// or no dish while a data file is there; the data file is then left as it was. A data file
// that is replaced is kept as "<name>.bak". The messages come in the order the steps met
// them (the food table's before the dish file's).
Result convertBentoCsv(std::string_view foodCsvPath, std::string_view dishCsvPath,
                       std::string_view dataFilePath, const std::string* pictureFolder,
                       std::string* errorFile = nullptr, ProgressOpener* progress = nullptr);

// The picture folder's names: files only, without folder and extension, leaving out names
// whose last character is "s" (the small pictures).
NameList pictureNames(std::string_view folder);

struct PictureCheck {
  NameList picturesWithoutDish;   // sorted
  NameList dishesWithoutPicture;  // sorted
};
PictureCheck comparePictures(const NameList& dishNames, const NameList& pictures);
// Reads the dish names of a lunch-box data file and compares them with the picture folder.
// A failure, with its box, when the file cannot be read or is damaged.
Result checkBentoPictures(std::string_view dataFilePath, std::string_view pictureFolder,
                          PictureCheck& out);

}  // namespace nv
