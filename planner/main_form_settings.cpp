// The main window and its NV.ini values: sections MainForm, Data and SelKondateForm, kept in
// PlannerConfig and applied here.
#include <QDockWidget>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolBar>
#include <algorithm>

#include "core/gun_name.h"
#include "planner/conveyor_view.h"
#include "planner/main_form.h"
#include "planner/menu_document.h"
#include "planner/menu_ports.h"
#include "planner/model/window_placement.h"
#include "planner/planner_config.h"
#include "platform/ini.h"

namespace nv {
namespace {

ScreenRect screenRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

std::vector<ScreenRect> workAreas() {
  std::vector<ScreenRect> areas;
  if (QScreen* primary = QGuiApplication::primaryScreen())
    areas.push_back(screenRect(primary->availableGeometry()));
  for (QScreen* s : QGuiApplication::screens())
    if (s != QGuiApplication::primaryScreen()) areas.push_back(screenRect(s->availableGeometry()));
  return areas;
}

}  // namespace

ScreenRect primaryWorkArea() {
  const std::vector<ScreenRect> areas = workAreas();
  return areas.empty() ? ScreenRect{0, 0, 1024, 768} : areas.front();
}

void TMainForm::readSettings(const Ini& ini) {
  config_.read(ini, primaryWorkArea());
  doc_.recentFiles().read(ini);
  applySettings(settings(), settings());
  applyBounds();
}

void TMainForm::applyBounds() {
  // The stored bounds are the frame's; they go on a screen the user can see.
  const ScreenRect r = placeOnScreens(settings().main.bounds, workAreas());
  const QSize frameExtra = frameGeometry().size() - geometry().size();
  move(r.left, r.top);
  resize(std::max(MainFormSettings::kMinWidth, r.width - frameExtra.width()),
         std::max(MainFormSettings::kMinHeight, r.height - frameExtra.height()));
}

void TMainForm::fitFrameToScreen() {
  // The frame's size is known only once the window is up: a frame that reaches past the
  // work area (the title bar above the screen, the bottom cut) is brought inside it.
  if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  const QRect frame = frameGeometry();
  const ScreenRect want = screenRect(frame);
  const ScreenRect r = placeOnScreens(want, workAreas());
  if (r == want) return;
  const QSize frameExtra = frame.size() - geometry().size();
  move(r.left, r.top);
  resize(r.width - frameExtra.width(), r.height - frameExtra.height());
}

void TMainForm::applyTabConHeight() {
  // The stored height of the category tabs: the chosen-menu panel below takes the rest.
  const int wanted = settings().main.tabConHeight;
  if (wanted <= 0 || !selDock_ || !selDock_->isVisibleTo(this)) return;
  // resizeDocks() sizes the panel's contents, not its title and separator: the asked size
  // is corrected by what the tabs then measure.
  layout()->activate();
  const int room = stack_->height() + selDock_->height();
  const int tabs = std::clamp(wanted, 50, std::max(50, room - 60));
  int asked = std::max(30, room - tabs);
  for (int pass = 0; pass < 2 && stack_->height() != tabs; ++pass) {
    resizeDocks({selDock_}, {asked}, Qt::Vertical);
    layout()->activate();
    asked = std::max(30, asked + stack_->height() - tabs);
  }
}

void TMainForm::applySettings(const PlannerSettings& before, const PlannerSettings& now) {
  QFont f = categoryTabs()->font();
  f.setPointSize(now.data.fontSize);
  categoryTabs()->setFont(f);
  applyPanelColour();
  ui_.ToolBar1->setVisible(now.main.showToolBar);
  ui_.ShowToolBarAction->setChecked(now.main.showToolBar);
  for (int i = 0; i < kFoodGroupCount; ++i) gunName_.setColor(i, now.data.gunColors[size_t(i)]);
  if (sel_) sel_->applySettings(now.sel);
  if (&before == &now || !started_) return;

  // After the settings dialog: what changed is redone.
  const bool reload = before.data.dataBaseFileName != now.data.dataBaseFileName ||
                      before.data.addKondateFileName != now.data.addKondateFileName ||
                      before.data.bmpFolder != now.data.bmpFolder;
  if (reload) loadData(true);
  makeDishButtons(categoryTabs()->currentIndex(), true);
  if (sel_ && (before.data.selIconSize != now.data.selIconSize ||
               before.data.selIconFontSize != now.data.selIconFontSize))
    sel_->applyIconSettings();
  if (sel_) sel_->refresh();
  if (view_ == View::Conveyor) showConveyorView();
}

void TMainForm::writeSettings(Ini& ini) {
  PlannerSettings& s = config_.quietly();
  const Qt::WindowStates state = windowState();
  int stateValue = 0;
  if (state & Qt::WindowMinimized)
    stateValue = 1;
  else if (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
    stateValue = 2;
  s.main.windowState = stateValue;
  // The frame's bounds in the normal state, whatever the state is now.
  const QSize frameExtra = frameGeometry().size() - geometry().size();
  QRect bounds = stateValue == 0 ? geometry() : normalGeometry();
  if (!bounds.isValid()) bounds = geometry();
  const QPoint topLeft = stateValue == 0 ? pos() : bounds.topLeft();
  s.main.bounds = {topLeft.x(), topLeft.y(), bounds.width() + frameExtra.width(),
                   bounds.height() + frameExtra.height()};
  if (stack_->isVisible()) s.main.tabConHeight = stack_->height();
  s.main.showToolBar = ui_.ShowToolBarAction->isChecked();
  if (sel_) sel_->storeSettings(s.sel);
  config_.write(ini);
  doc_.recentFiles().write(ini);
}

}  // namespace nv
