#include "planner/model/planner_settings.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "core/gun_name.h"
#include "platform/ini.h"
#include "platform/paths.h"

namespace nv {
namespace {

constexpr char kMain[] = "MainForm";
constexpr char kData[] = "Data";
constexpr char kSel[] = "SelKondateForm";
constexpr char kDetails[] = "DetailsForm";
// Far beyond any desktop, near enough to zero that sums of two stay inside an int.
constexpr int kCoordinateLimit = 1000000;

// The leading decimal number of a value (sign, digits), saturated; nothing without a digit.
bool leadingNumber(const std::string& text, long long& value) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  long long v = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
    v = std::min<long long>(v * 10 + (text[i] - '0'), LLONG_MAX / 100);
  value = negative ? -v : v;
  return true;
}

}  // namespace

int readIntegerIn(const Ini& ini, std::string_view section, std::string_view key, int fallback,
                  int low, int high) {
  long long v = 0;
  if (!leadingNumber(ini.readString(section, key, ""), v)) return fallback;
  return int(std::clamp<long long>(v, low, high));
}

int32_t readColor(const Ini& ini, std::string_view section, std::string_view key,
                  int32_t fallback) {
  long long v = 0;
  if (!leadingNumber(ini.readString(section, key, ""), v) || v < 0 || v > 0xFFFFFF) return fallback;
  return int32_t(v);
}

std::string readPath(const Ini& ini, std::string_view section, std::string_view key,
                     const std::string& fallback) {
  std::string value = ini.readString(section, key, fallback);
  return value.empty() ? fallback : value;
}

std::string withSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

// ---------------------------------------------------------------- MainForm

void MainFormSettings::read(const Ini& ini, const ScreenRect& workArea) {
  const int l = kCoordinateLimit;
  bounds.left = readIntegerIn(ini, kMain, "Left", workArea.left, -l, l);
  bounds.top = readIntegerIn(ini, kMain, "Top", workArea.top, -l, l);
  // The stored width and height default to the work area's right and bottom edges.
  bounds.width = readIntegerIn(ini, kMain, "Width", workArea.right(), kMinWidth, l);
  bounds.height = readIntegerIn(ini, kMain, "Height", workArea.bottom(), kMinHeight, l);
  // A state the window does not know is the normal one.
  windowState = readIntegerIn(ini, kMain, "WindowState", 0, INT_MIN, INT_MAX);
  if (windowState < 0 || windowState > 2) windowState = 0;
  tabConHeight = readIntegerIn(ini, kMain, "TabConHeight", 0, 0, l);
  kondateBackColor = readColor(ini, kMain, "KondateBackColor", kDefaultBackColor);
  showToolBar = readIntegerIn(ini, kMain, "ShowToolBar", 0, INT_MIN, INT_MAX) != 0;
}

void MainFormSettings::write(Ini& ini) const {
  ini.writeInteger(kMain, "WindowState", windowState);
  ini.writeInteger(kMain, "Left", bounds.left);
  ini.writeInteger(kMain, "Top", bounds.top);
  ini.writeInteger(kMain, "Width", bounds.width);
  ini.writeInteger(kMain, "Height", bounds.height);
  ini.writeInteger(kMain, "TabConHeight", tabConHeight);
  ini.writeInteger(kMain, "KondateBackColor", kondateBackColor);
  ini.writeBool(kMain, "ShowToolBar", showToolBar);
}

// ---------------------------------------------------------------- Data

DataSettings DataSettings::defaults(const std::string& programFolder) {
  DataSettings d;
  d.dataBaseFileName = joinPath(programFolder, "NV.nv");
  d.addKondateFileName = joinPath(programFolder, "NV_ADD.nv");
  d.bmpFolder = joinPath(programFolder, "bmp") + "/";
  for (int i = 0; i < kFoodGroupCount; ++i) d.gunColors[size_t(i)] = TGunName::defaultColor(i);
  return d;
}

void DataSettings::read(const Ini& ini) {
  dataBaseFileName = readPath(ini, kData, "DataBaseFileName", dataBaseFileName);
  addKondateFileName = readPath(ini, kData, "AddKondateFileName", addKondateFileName);
  bmpFolder = withSeparator(readPath(ini, kData, "BmpFolder", bmpFolder));
  foodDataFile = ini.readString(kData, "FoodDataFile", foodDataFile);
  kondateDataFile = ini.readString(kData, "KondateDataFile", kondateDataFile);
  sourceBmpFolder = ini.readString(kData, "SourceBmpFolder", sourceBmpFolder);
  // The ranges of the settings dialog's boxes.
  fontSize = readIntegerIn(ini, kData, "FontSize", 12, 6, 72);
  kondateIconSize = readIntegerIn(ini, kData, "KondateIconSize", 128, 16, 400);
  kondateIconFontSize = readIntegerIn(ini, kData, "KondateIconFontSize", 9, 6, 64);
  selIconSize = readIntegerIn(ini, kData, "SelIconSize", 64, 16, 200);
  selIconFontSize = readIntegerIn(ini, kData, "SelIconFontSize", 6, 6, 64);
  for (int i = 0; i < kFoodGroupCount; ++i)
    gunColors[size_t(i)] =
        readColor(ini, kData, "GunColor" + std::to_string(i), TGunName::defaultColor(i));
  autoOpen = readIntegerIn(ini, kData, "AutoOpen0", 0, INT_MIN, INT_MAX) != 0;
  kaitenShuuki = readIntegerIn(ini, kData, "KaitenShuuki", 600, 30, 600);
  patternBars = readIntegerIn(ini, kData, "PatternBars", 0, 0, 1) != 0;
}

void DataSettings::write(Ini& ini) const {
  ini.writeString(kData, "DataBaseFileName", dataBaseFileName);
  ini.writeString(kData, "AddKondateFileName", addKondateFileName);
  ini.writeInteger(kData, "FontSize", fontSize);
  ini.writeInteger(kData, "KondateIconSize", kondateIconSize);
  ini.writeInteger(kData, "KondateIconFontSize", kondateIconFontSize);
  ini.writeInteger(kData, "SelIconSize", selIconSize);
  ini.writeInteger(kData, "SelIconFontSize", selIconFontSize);
  for (int i = 0; i < kFoodGroupCount; ++i)
    ini.writeInteger(kData, "GunColor" + std::to_string(i), gunColors[size_t(i)]);
  ini.writeString(kData, "BmpFolder", bmpFolder);
  ini.writeBool(kData, "AutoOpen0", autoOpen);
  ini.writeInteger(kData, "KaitenShuuki", kaitenShuuki);
  ini.writeBool(kData, "PatternBars", patternBars);
  ini.writeString(kData, "FoodDataFile", foodDataFile);
  ini.writeString(kData, "KondateDataFile", kondateDataFile);
  ini.writeString(kData, "SourceBmpFolder", sourceBmpFolder);
}

// ---------------------------------------------------------------- SelKondateForm

void SelKondateSettings::read(const Ini& ini) {
  // Narrower than 400 pixels the quantity dialog's labels run into each other.
  editKondateFormWidth =
      readIntegerIn(ini, kSel, "EditKondateFormWidth", kDefaultEditWidth, 400, 4000);
  for (size_t node = 0; node < backColors.size(); ++node)
    backColors[node] =
        readColor(ini, kSel, "BackColor" + std::to_string(node), kDefaultBackColors[node]);
}

void SelKondateSettings::write(Ini& ini) const {
  ini.writeInteger(kSel, "EditKondateFormWidth", editKondateFormWidth);
  for (size_t node = 0; node < backColors.size(); ++node)
    ini.writeInteger(kSel, "BackColor" + std::to_string(node), backColors[node]);
}

// ---------------------------------------------------------------- DetailsForm

void DetailsFormSettings::read(const Ini& ini) {
  const int l = kCoordinateLimit;
  boundsStored = ini.hasKey(kDetails, "Left") || ini.hasKey(kDetails, "Top");
  bounds.left = readIntegerIn(ini, kDetails, "Left", 0, -l, l);
  bounds.top = readIntegerIn(ini, kDetails, "Top", 0, -l, l);
  bounds.width = readIntegerIn(ini, kDetails, "Width", 666, 200, l);
  bounds.height = readIntegerIn(ini, kDetails, "Height", 484, 150, l);
  page = readIntegerIn(ini, kDetails, "Page", 0, 0, kPageCount - 1);
}

void DetailsFormSettings::write(Ini& ini) const {
  ini.writeInteger(kDetails, "Left", bounds.left);
  ini.writeInteger(kDetails, "Top", bounds.top);
  ini.writeInteger(kDetails, "Width", bounds.width);
  ini.writeInteger(kDetails, "Height", bounds.height);
  ini.writeInteger(kDetails, "Page", page);
}

// ---------------------------------------------------------------- all

PlannerSettings PlannerSettings::defaults(const std::string& programFolder) {
  PlannerSettings s;
  s.data = DataSettings::defaults(programFolder);
  return s;
}

void PlannerSettings::read(const Ini& ini, const ScreenRect& workArea) {
  main.read(ini, workArea);
  data.read(ini);
  sel.read(ini);
  details.read(ini);
}

void PlannerSettings::write(Ini& ini) const {
  main.write(ini);
  data.write(ini);
  sel.write(ini);
  // The settings dialog's bounds are written only once it has been open.
  if (details.boundsStored) details.write(ini);
}

}  // namespace nv
