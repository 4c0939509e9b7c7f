// What the main window's commands do, and what the View menu shows.
#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QToolBar>

#include "planner/main_form.h"
#include "planner/menu_document.h"
#include "planner/menu_ports.h"
#include "planner/percent_view.h"
#include "planner/toolbar_icons.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/qt/shell.h"
#include "platform/qt/shortcuts.h"
#include "platform/text.h"
#include "widgets/help_window.h"

using namespace Qt::StringLiterals;

namespace nv {

void TMainForm::connectActions() {
  connect(ui_.FileMenu, &QMenu::aboutToShow, this, [this] { buildRecentMenu(*ui_.ReOpenMenu); });
  buildRecentMenu(*ui_.ReOpenMenu);
  connect(ui_.ViewMenu, &QMenu::aboutToShow, this, &TMainForm::updateViewMenu);
  connect(ui_.NewAction, &QAction::triggered, this, [this] { doc_.NewAction(); });
  connect(ui_.OpenAction, &QAction::triggered, this, [this] { doc_.OpenAction(); });
  connect(ui_.SaveAction, &QAction::triggered, this, [this] { doc_.SaveMenu(); });
  connect(ui_.SaveAsAction, &QAction::triggered, this, [this] { doc_.SaveMenuAs(); });
  connect(ui_.PrintSetupAction, &QAction::triggered, this, [this] { runPrintSetup(); });
  connect(ui_.PrintAction, &QAction::triggered, this,
          [this] { services_.printer.get().print(doc_, this); });
  connect(ui_.SetDetailsAction, &QAction::triggered, this, [this] { runSetDetails(); });
  connect(ui_.ExitAction, &QAction::triggered, this, &QWidget::close);
  connect(ui_.ShowSelKondateFormAction, &QAction::triggered, this, [this](bool on) {
    if (selDock_) selDock_->setVisible(on);
  });
  connect(ui_.ShowGraphFormAction, &QAction::triggered, this, [this](bool on) {
    if (graphDock_) graphDock_->setVisible(on);
  });
  connect(ui_.ShowGraphFormByEiyousoAction, &QAction::toggled, this, &TMainForm::setGraphBasis);
  connect(ui_.ShowToolBarAction, &QAction::toggled, ui_.ToolBar1, &QToolBar::setVisible);
  const std::array<QAction*, 4> meals = {ui_.ShowChoushokuAction, ui_.ShowChuushokuAction,
                                         ui_.ShowYuushokuAction, ui_.ShowDayAction};
  for (int i = 0; i < 4; ++i)
    connect(meals[size_t(i)], &QAction::triggered, this, [this, i] { selectMealTab(i); });
  connect(ui_.ShowNormalAction, &QAction::triggered, this, &TMainForm::showNormalView);
  connect(ui_.ShowKaitenSusiAction, &QAction::triggered, this, &TMainForm::showConveyorView);
  connect(ui_.ShowEiyousoGraphAction, &QAction::triggered, this, &TMainForm::showChartView);
  connect(ui_.GetNameAction, &QAction::triggered, this, [this] { doc_.GetName(); });
  connect(ui_.AddKondateDataAction, &QAction::triggered, this, [this] { runAddKondateData(); });
  connect(ui_.CombineAddKondateAction, &QAction::triggered, this, &TMainForm::combineAdded);
  connect(ui_.SearchOrderAction, &QAction::triggered, this, [this] { runSearchOrder(); });
  connect(ui_.WriteKondateDataToCsvFileAction, &QAction::triggered, this, &TMainForm::exportCsv);
  connect(ui_.MakeShortCutOnDesktopAction, &QAction::triggered, this,
          [] { makeDesktopShortcut(); });
  connect(ui_.MakeShortCutOnStartMenuAction, &QAction::triggered, this,
          [] { makeStartMenuShortcut(); });
  // The usage pages stand in for the help file, each command at its own page, in the
  // program's help window (its button hands a page to the web browser).
  connect(ui_.ShowHtmlFileAction, &QAction::triggered, this,
          [this] { openUsagePage(kHelpContentsPage); });
  connect(ui_.HelpContentsAction, &QAction::triggered, this,
          [this] { openUsagePage(kHelpContentsPage); });
  connect(ui_.HelpSearchAction, &QAction::triggered, this, [this] {
    if (HelpWindow* help = openUsagePage(kHelpTopicsPage)) help->focusSearch();
  });
  connect(ui_.HelpHowtoUseAction, &QAction::triggered, this,
          [this] { openUsagePage(kHelpHowToPage); });
  connect(ui_.ShowAboutAction, &QAction::triggered, this,
          [this] { services_.about.get().showAbout(this); });
  connect(ui_.BentouAction, &QAction::triggered, this,
          [this] { services_.lunchBox.get().startLunchBox(this); });
  connect(ui_.ClassSummaryAction, &QAction::triggered, this,
          [this] { services_.classSummary.get().showClassSummary(this); });
}

void TMainForm::setGraphBasis(bool byNutrient) {
  // The caption always names the other basis.
  const QString caption = byNutrient ? u"グラフを６群で表示"_s : u"グラフを栄養素で表示"_s;
  const QString hint = byNutrient ? u"グラフを６群で表示する"_s : u"グラフを栄養素で表示する"_s;
  ui_.ShowGraphFormByEiyousoAction->setText(caption);
  ui_.ShowGraphFormByEiyousoAction->setIconText(byNutrient ? u"６群"_s : u"栄養素"_s);
  ui_.ShowGraphFormByEiyousoAction->setStatusTip(hint);
  ui_.ShowGraphFormByEiyousoAction->setToolTip(hint);
  if (ui_.ShowGraphFormByEiyousoAction->isChecked() != byNutrient)
    ui_.ShowGraphFormByEiyousoAction->setChecked(byNutrient);
  doc_.setViewState({byNutrient, activeMeal_});
  if (sel_) sel_->refresh();
}

bool TMainForm::graphByNutrient() const { return ui_.ShowGraphFormByEiyousoAction->isChecked(); }

void TMainForm::updateViewActions() {
  ui_.ShowNormalAction->setVisible(view_ != View::Normal);
  ui_.ShowKaitenSusiAction->setVisible(view_ != View::Conveyor);
  ui_.ShowKaitenSusiAction->setChecked(view_ == View::Conveyor);
}

void TMainForm::updateViewMenu() {
  ui_.ShowSelKondateFormAction->setChecked(selDock_ && selDock_->isVisibleTo(this));
  ui_.ShowGraphFormAction->setChecked(graphDock_ && graphDock_->isVisibleTo(this));
  {
    const QSignalBlocker block(ui_.ShowToolBarAction);
    ui_.ShowToolBarAction->setChecked(!ui_.ToolBar1->isHidden());
  }
  const std::array<QAction*, 4> meals = {ui_.ShowChoushokuAction, ui_.ShowChuushokuAction,
                                         ui_.ShowYuushokuAction, ui_.ShowDayAction};
  for (int i = 0; i < 4; ++i) meals[size_t(i)]->setChecked(i == activeMeal_);
}

void TMainForm::buildRecentMenu(QMenu& menu) {
  menu.clear();
  const bool isSubmenu = &menu == ui_.ReOpenMenu;
  RecentFiles& recent = doc_.recentFiles();
  if (recent.empty()) {
    if (isSubmenu) menu.menuAction()->setVisible(false);
    return;
  }
  if (isSubmenu) menu.menuAction()->setVisible(true);
  menu.addAction(u"履歴の削除(&D)"_s, this, [this] { doc_.recentFiles().clear(); });
  if (recent.paths().size() >= 2) menu.addSeparator();
  for (const std::string& caption : recent.menuCaptions()) {
    QAction* a = menu.addAction(toQ(caption));
    connect(a, &QAction::triggered, this, [this, caption] { doc_.OpenRecent(caption); });
  }
}

}  // namespace nv
