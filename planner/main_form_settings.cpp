// The main window's part of NV.ini: sections MainForm, Data and SelKondateForm.
#include <QGuiApplication>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolBar>

#include "core/gun_name.h"
#include "planner/main_form.h"
#include "planner/menu_ports.h"
#include "platform/ini.h"
#include "platform/paths.h"

namespace nv {
namespace {
constexpr char kMain[] = "MainForm";
constexpr char kData[] = "Data";
constexpr char kSel[] = "SelKondateForm";

// Sizes of 0 or less would leave no button to click: the built-in value is used instead.
int positive(int value, int fallback) { return value > 0 ? value : fallback; }
}  // namespace

// Only '/' counts: a CP932 name may end in a trail byte 0x5C ("表").
std::string withSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

void TMainForm::readSettings(const Ini& ini) {
  // MainForm: the normal bounds (applied now), the state (applied at the end of start-up).
  QRect area(0, 0, 1024, 768);
  if (QScreen* s = QGuiApplication::primaryScreen()) area = s->availableGeometry();
  const int left = ini.readInteger(kMain, "Left", area.left());
  const int top = ini.readInteger(kMain, "Top", area.top());
  const int width = ini.readInteger(kMain, "Width", area.left() + area.width());
  const int height = ini.readInteger(kMain, "Height", area.top() + area.height());
  setGeometry(left, top, std::max(200, width), std::max(150, height));
  switch (ini.readInteger(kMain, "WindowState", 0)) {
    case 1:
      storedState_ = Qt::WindowMinimized;
      break;
    case 2:
      storedState_ = Qt::WindowMaximized;
      break;
    default:
      storedState_ = Qt::WindowNoState;
      break;
  }
  tabConHeight_ = ini.readInteger(kMain, "TabConHeight", tabConHeight_);
  setKondateBackColor(ini.readInteger(kMain, "KondateBackColor", kondateBackColor_));
  const bool toolBar = ini.readBool(kMain, "ShowToolBar", false);
  ToolBar1->setVisible(toolBar);
  ShowToolBarAction->setChecked(toolBar);
  recent_.read(ini);

  dataFileName_ = ini.readString(kData, "DataBaseFileName", dataFileName_);
  addFileName_ = ini.readString(kData, "AddKondateFileName", addFileName_);
  tabFontSize_ = positive(ini.readInteger(kData, "FontSize", tabFontSize_), 12);
  QFont f = categoryTabs_->font();
  f.setPointSize(tabFontSize_);
  categoryTabs_->setFont(f);
  kondateIconSize_ = positive(ini.readInteger(kData, "KondateIconSize", kondateIconSize_), 128);
  kondateIconFontSize_ =
      positive(ini.readInteger(kData, "KondateIconFontSize", kondateIconFontSize_), 9);
  selIconSize_ = positive(ini.readInteger(kData, "SelIconSize", selIconSize_), 64);
  selIconFontSize_ = positive(ini.readInteger(kData, "SelIconFontSize", selIconFontSize_), 6);
  gunName_.loadColors(ini);
  bmpFolder_ = withSeparator(ini.readString(kData, "BmpFolder", bmpFolder_));
  autoOpen_ = ini.readBool(kData, "AutoOpen0", autoOpen_);
  const int period = ini.readInteger(kData, "KaitenShuuki", kaitenShuuki_);
  kaitenShuuki_ = period >= 0 ? period : 600;
  foodDataFile_ = ini.readString(kData, "FoodDataFile", foodDataFile_);
  kondateDataFile_ = ini.readString(kData, "KondateDataFile", kondateDataFile_);
  sourceBmpFolder_ = ini.readString(kData, "SourceBmpFolder", sourceBmpFolder_);

  editKondateFormWidth_ = ini.readInteger(kSel, "EditKondateFormWidth", editKondateFormWidth_);
  if (sel_) {
    sel_->setEditKondateFormWidth(editKondateFormWidth_);
    sel_->ReadBackColors(ini);
  }
}

void TMainForm::writeSettings(Ini& ini) {
  const Qt::WindowStates state = windowState();
  int stateValue = 0;
  if (state & Qt::WindowMinimized)
    stateValue = 1;
  else if (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
    stateValue = 2;
  ini.writeInteger(kMain, "WindowState", stateValue);
  // The bounds of the normal state, whatever the state is now.
  QRect bounds = stateValue == 0 ? geometry() : normalGeometry();
  if (!bounds.isValid()) bounds = geometry();
  ini.writeInteger(kMain, "Left", bounds.x());
  ini.writeInteger(kMain, "Top", bounds.y());
  ini.writeInteger(kMain, "Width", bounds.width());
  ini.writeInteger(kMain, "Height", bounds.height());
  if (centralWidget() && centralWidget()->isVisible()) tabConHeight_ = centralWidget()->height();
  ini.writeInteger(kMain, "TabConHeight", tabConHeight_);
  ini.writeInteger(kMain, "KondateBackColor", kondateBackColor_);
  ini.writeBool(kMain, "ShowToolBar", ShowToolBarAction->isChecked());
  recent_.write(ini);

  ini.writeString(kData, "DataBaseFileName", dataFileName_);
  ini.writeString(kData, "AddKondateFileName", addFileName_);
  ini.writeInteger(kData, "FontSize", tabFontSize_);
  ini.writeInteger(kData, "KondateIconSize", kondateIconSize_);
  ini.writeInteger(kData, "KondateIconFontSize", kondateIconFontSize_);
  ini.writeInteger(kData, "SelIconSize", selIconSize_);
  ini.writeInteger(kData, "SelIconFontSize", selIconFontSize_);
  gunName_.saveColors(ini);
  ini.writeString(kData, "BmpFolder", bmpFolder_);
  ini.writeBool(kData, "AutoOpen0", autoOpen_);
  ini.writeInteger(kData, "KaitenShuuki", kaitenShuuki_);
  ini.writeString(kData, "FoodDataFile", foodDataFile_);
  ini.writeString(kData, "KondateDataFile", kondateDataFile_);
  ini.writeString(kData, "SourceBmpFolder", sourceBmpFolder_);

  if (sel_) editKondateFormWidth_ = sel_->EditKondateFormWidth();
  ini.writeInteger(kSel, "EditKondateFormWidth", editKondateFormWidth_);
  if (sel_) sel_->WriteBackColors(ini);
}

}  // namespace nv
