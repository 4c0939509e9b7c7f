#pragma once
// The settings dialog's values and rules without widgets: what it edits (a copy the main
// window takes back on OK), the layout of its colour buttons, and the CSV conversion and
// data-file preview behind its first and third tabs.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/rows.h"

namespace nv {

struct DetailsSettings {
  // Section Data, the dialog's own paths.
  std::string foodDataFile, kondateDataFile, sourceBmpFolder;
  // The main window's files: picture folder, data file, add-dish file.
  std::string bmpFolder, dataBaseFileName, addKondateFileName;
  int fontSize = 12;  // 6..72
  int kondateIconSize = 128, kondateIconFontSize = 9;
  int selIconSize = 64, selIconFontSize = 6;
  int32_t kondateBackColor = 14803455;
  // One per meal box: its name (CP932) and colour.
  struct Meal {
    std::string name;
    int32_t color = 0;
    bool operator==(const Meal&) const = default;
  };
  std::vector<Meal> meals;
  std::array<int32_t, 6> gunColors{};  // food groups 1..6
  bool autoOpen = false;
  int kaitenShuuki = 180;  // 30..600 seconds
  bool operator==(const DetailsSettings&) const = default;
};

// What a dialog closed with OK hands back.
struct DetailsResult {
  DetailsSettings settings;
  // The data file was converted or chosen, the add-dish file or the picture folder chosen:
  // the main window reloads its data.
  bool fileNameChanged = false;
  bool addFileChanged = false;
  bool bmpFolderChanged = false;
  bool reloadData() const { return fileNameChanged || addFileChanged || bmpFolderChanged; }
};

struct ButtonBox {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const ButtonBox&) const = default;
};
// Meal colour button i of n on an environment tab `tabWidth` wide.
ButtonBox mealColorButton(int count, int tabWidth, int index);
// Left and width of group colour button i (0..5); the window keeps their top and height.
ButtonBox gunColorButton(int tabWidth, int index);
// "回転寿司での１周に要する時間（<seconds>秒）".
std::string kaitenShuukiCaption(int seconds);

// The first tab's conversion and check.
struct CsvConversion {
  bool foodsRead = false;
  bool dishesRead = false;
  bool written = false;
  TextRows foodRows;  // code, name, group, colour class, energy
  TextRows dishRows;  // number, name, standard weight, foods 1..5
};
// Reads the food CSV, then the dish CSV against those foods; writes the data file when
// dataPath is not empty and both were read. Files that cannot be read are reported
// ("ファイルを読み込めません"); a data file that cannot be written is reported by the writer and
// the old one stays, as it does when the result holds no food or no dish. A data file that
// is replaced is kept as "<name>.bak". Nothing is done when the data file or the report would
// be one of the two sources.
CsvConversion convertCsvFiles(std::string_view foodCsv, std::string_view dishCsv,
                              std::string_view dataPath);
// The dish CSV's report: its path with the extension ".txt".
std::string dishCsvReportPath(std::string_view dishCsv);

// The third tab: the foods (code, name, group, colour, ten nutrients) and dishes of a data
// file; opened false (nothing shown) when the file cannot be read.
struct DataFilePreview {
  bool opened = false;
  TextRows foodRows;
  TextRows dishRows;
};
DataFilePreview previewDataFile(std::string_view path);

}  // namespace nv
