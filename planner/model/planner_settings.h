#pragma once
// The menu planner's NV.ini values, one small class per window area, without Qt. Each knows
// its keys, their built-in values and their ranges: text that is no number reads as the
// built-in value, a number outside the range is brought to its nearest end, so a damaged
// NV.ini can neither hide a window nor stall the program. The settings dialog edits a copy
// and hands it back (PlannerConfig::apply).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/nutrients.h"

namespace nv {

class Ini;

// A rectangle in screen pixels (left, top, width, height).
struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const ScreenRect&) const = default;
};

// Reads an integer key: the built-in value when the key is missing or its text starts with
// no number, else the number brought into [low, high].
int readIntegerIn(const Ini& ini, std::string_view section, std::string_view key, int fallback,
                  int low, int high);
// A Windows colour value (0x00BBGGRR); anything else (no number, negative, a high byte set)
// reads as the built-in colour.
int32_t readColor(const Ini& ini, std::string_view section, std::string_view key, int32_t fallback);
// A path or folder; an empty value reads as the built-in one.
std::string readPath(const Ini& ini, std::string_view section, std::string_view key,
                     const std::string& fallback);

// Section MainForm (the recent-file keys belong to RecentFiles).
struct MainFormSettings {
  static constexpr int kMinWidth = 200, kMinHeight = 150;
  static constexpr int32_t kDefaultBackColor = 14803455;
  ScreenRect bounds;     // the normal-state bounds; the work area when not stored
  int windowState = 0;   // 0 normal, 1 minimised, 2 maximised
  int tabConHeight = 0;  // height of the category tab control; 0: the layout's own
  int32_t kondateBackColor = kDefaultBackColor;
  bool showToolBar = false;

  // workArea: the desktop work area, whose left, top, right and bottom are the defaults.
  void read(const Ini& ini, const ScreenRect& workArea);
  void write(Ini& ini) const;
  bool operator==(const MainFormSettings&) const = default;
};

// Section Data: files, sizes, colours of the food groups, start-up and conveyor options.
struct DataSettings {
  std::string dataBaseFileName, addKondateFileName, bmpFolder;  // CP932
  std::string foodDataFile, kondateDataFile, sourceBmpFolder;   // the settings dialog's
  int fontSize = 12;
  int kondateIconSize = 128, kondateIconFontSize = 9;
  int selIconSize = 64, selIconFontSize = 6;
  std::array<int32_t, kFoodGroupCount> gunColors{};
  bool autoOpen = false;
  int kaitenShuuki = 600;  // seconds for one pass of a conveyor row
  // The food groups' hatching on the charts' bars and legends, besides their colours (the
  // printout in grey has it in any case).
  bool patternBars = false;

  // The built-in values for a program folder (CP932, no trailing '/').
  static DataSettings defaults(const std::string& programFolder);
  void read(const Ini& ini);
  void write(Ini& ini) const;
  bool operator==(const DataSettings&) const = default;
};

// Section SelKondateForm: the quantity dialog's width and the four meal boxes' colours.
struct SelKondateSettings {
  static constexpr int kDefaultEditWidth = 467;
  static constexpr std::array<int32_t, 4> kDefaultBackColors = {16777113, 16702936, 12910591,
                                                                10533116};
  int editKondateFormWidth = kDefaultEditWidth;
  std::array<int32_t, 4> backColors = kDefaultBackColors;

  void read(const Ini& ini);
  void write(Ini& ini) const;
  bool operator==(const SelKondateSettings&) const = default;
};

// Section DetailsForm: the settings dialog's own bounds and page.
struct DetailsFormSettings {
  static constexpr int kPageCount = 4;
  ScreenRect bounds{0, 0, 666, 484};
  bool boundsStored = false;  // false: the dialog places itself
  int page = 0;

  void read(const Ini& ini);
  void write(Ini& ini) const;
  bool operator==(const DetailsFormSettings&) const = default;
};

struct PlannerSettings {
  MainFormSettings main;
  DataSettings data;
  SelKondateSettings sel;
  DetailsFormSettings details;

  static PlannerSettings defaults(const std::string& programFolder);
  void read(const Ini& ini, const ScreenRect& workArea);
  void write(Ini& ini) const;
  bool operator==(const PlannerSettings&) const = default;
};

// A folder path with its trailing separator (picture names are appended to it). Only '/'
// counts: a CP932 name may end in a trail byte 0x5C ("表").
std::string withSeparator(std::string folder);

}  // namespace nv
