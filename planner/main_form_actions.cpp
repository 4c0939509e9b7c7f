// The main window's actions, menus and tool bar, and what the View menu shows.
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

namespace nv {
namespace {
QAction* makeAction(QObject* owner, const char* name, const char* caption, const char* hint,
                    QKeySequence key = {}) {
  auto* a = new QAction(toQ(sj(caption)), owner);
  a->setObjectName(name);
  if (*hint) {
    a->setStatusTip(toQ(sj(hint)));
    a->setToolTip(toQ(sj(hint)));
  }
  if (!key.isEmpty()) a->setShortcut(key);
  return a;
}
}  // namespace

void TMainForm::createActions() {
  NewAction = makeAction(this, "NewAction", "新規作成(&N)", "献立を作り直す",
                         QKeySequence(QStringLiteral("Ctrl+N")));
  OpenAction = makeAction(this, "OpenAction", "開く(&O)...", "前に作った献立を開く",
                          QKeySequence(QStringLiteral("Ctrl+O")));
  SaveAction = makeAction(this, "SaveAction", "上書き保存", "献立を保存する",
                          QKeySequence(QStringLiteral("Ctrl+S")));
  SaveAsAction =
      makeAction(this, "SaveAsAction", "名前を付けて保存(&A)...", "献立に名前を付けて保存する");
  PrintSetupAction = makeAction(this, "PrintSetupAction", "ページ設定(&R)...", "ページ設定");
  PrintAction = makeAction(this, "PrintAction", "印刷(&P)...", "献立を印刷する",
                           QKeySequence(QStringLiteral("Ctrl+P")));
  SetDetailsAction = makeAction(this, "SetDetailsAction", "設定(&D)...", "設定");
  ExitAction =
      makeAction(this, "ExitAction", "終了(&X)", "おわる", QKeySequence(QStringLiteral("Ctrl+Q")));
  ShowSelKondateFormAction =
      makeAction(this, "ShowSelKondateFormAction", "選んだ献立(&S)", "選んだ献立を表示する");
  ShowGraphFormAction =
      makeAction(this, "ShowGraphFormAction", "グラフを表示(&G)", "グラフを表示する");
  ShowGraphFormByEiyousoAction = makeAction(this, "ShowGraphFormByEiyousoAction",
                                            "グラフを栄養素で表示", "グラフを栄養素で表示する");
  ShowToolBarAction =
      makeAction(this, "ShowToolBarAction", "ツールバー(&T)", "ツールバーを表示する");
  ShowChoushokuAction = makeAction(this, "ShowChoushokuAction", "朝食(&B)", "朝食の献立を表示する");
  ShowChuushokuAction = makeAction(this, "ShowChuushokuAction", "昼食(&L)", "昼食の献立を表示する");
  ShowYuushokuAction = makeAction(this, "ShowYuushokuAction", "夕食(&D)", "夕食の献立を表示する");
  ShowDayAction = makeAction(this, "ShowDayAction", "１日分(&A)", "１日分の献立を表示する");
  ShowNormalAction = makeAction(this, "ShowNormalAction", "通常表示(&N)", "通常表示");
  ShowKaitenSusiAction =
      makeAction(this, "ShowKaitenSusiAction", "回転寿司(&K)", "回転寿司モードにする");
  ShowEiyousoGraphAction =
      makeAction(this, "ShowEiyousoGraphAction", "栄養素グラフ(&E)", "栄養素グラフの表示");
  GetNameAction = makeAction(this, "GetNameAction", "名前の設定(&N)...", "名前を入力します");
  AddKondateDataAction =
      makeAction(this, "AddKondateDataAction", "献立の追加(&A)...", "献立を追加/編集します");
  CombineAddKondateAction = makeAction(this, "CombineAddKondateAction", "献立の結合...",
                                       "追加した献立を献立データに結合します。");
  SearchOrderAction =
      makeAction(this, "SearchOrderAction", "分類名を探す(&O)...", "献立を探します");
  WriteKondateDataToCsvFileAction = makeAction(this, "WriteKondateDataToCsvFileAction",
                                               "献立データのCSVファイルへの書き出し(&W)...", "");
  MakeShortCutOnDesktopAction = makeAction(this, "MakeShortCutOnDesktopAction",
                                           "デスクトップにショートカットアイコンを作成する", "");
  MakeShortCutOnStartMenuAction =
      makeAction(this, "MakeShortCutOnStartMenuAction",
                 "スタートメニューにショートカットアイコンを作成する", "");
  ShowHtmlFileAction = makeAction(this, "ShowHtmlFileAction", "&HTML表示", "");
  HelpContentsAction = makeAction(this, "HelpContentsAction", "目次(&C)", "目次");
  HelpSearchAction =
      makeAction(this, "HelpSearchAction", "トピックの検索(&S)...", "トピックの検索");
  HelpHowtoUseAction =
      makeAction(this, "HelpHowtoUseAction", "ヘルプの使い方(&H)", "ヘルプの使い方");
  ShowAboutAction = makeAction(this, "ShowAboutAction", "バージョン情報(&A)...", "バージョン情報");
  BentouAction = makeAction(this, "BentouAction", "おべんとう箱(&B)...", "おべとう箱モードにする");
  ClassSummaryAction = makeAction(this, "ClassSummaryAction", "クラスのまとめ(&M)...",
                                  "クラスの献立とお弁当をまとめて見る");

  for (QAction* a : {ShowSelKondateFormAction, ShowGraphFormAction, ShowGraphFormByEiyousoAction,
                     ShowToolBarAction, ShowChoushokuAction, ShowChuushokuAction,
                     ShowYuushokuAction, ShowDayAction, ShowKaitenSusiAction})
    a->setCheckable(true);
}

void TMainForm::createMenus() {
  FileMenu = menuBar()->addMenu(toQ(sj("ファイル(&F)")));
  FileMenu->addAction(NewAction);
  FileMenu->addAction(OpenAction);
  ReOpenMenu = FileMenu->addMenu(toQ(sj("開き直す(&R)")));
  FileMenu->addAction(SaveAction);
  FileMenu->addAction(SaveAsAction);
  FileMenu->addSeparator();
  FileMenu->addAction(PrintSetupAction);
  FileMenu->addAction(PrintAction);
  FileMenu->addSeparator();
  TeacherMenu = FileMenu->addMenu(toQ(sj("先生メニュー(&T)")));
  TeacherMenu->addAction(SetDetailsAction);
  TeacherMenu->addAction(CombineAddKondateAction);
  TeacherMenu->addAction(WriteKondateDataToCsvFileAction);
  TeacherMenu->addAction(ClassSummaryAction);
  TeacherMenu->addSeparator();
  TeacherMenu->addAction(MakeShortCutOnDesktopAction);
  TeacherMenu->addAction(MakeShortCutOnStartMenuAction);
  FileMenu->addSeparator();
  FileMenu->addAction(ExitAction);
  connect(FileMenu, &QMenu::aboutToShow, this, [this] { buildRecentMenu(*ReOpenMenu); });
  buildRecentMenu(*ReOpenMenu);

  EditMenu = menuBar()->addMenu(toQ(sj("編集(&E)")));
  EditMenu->addAction(GetNameAction);
  EditMenu->addAction(AddKondateDataAction);

  SearchMenu = menuBar()->addMenu(toQ(sj("検索(&S)")));
  SearchMenu->addAction(SearchOrderAction);

  ViewMenu = menuBar()->addMenu(toQ(sj("表示(&V)")));
  ViewMenu->addAction(ShowSelKondateFormAction);
  ViewMenu->addAction(ShowGraphFormAction);
  ViewMenu->addAction(ShowGraphFormByEiyousoAction);
  ViewMenu->addAction(ShowToolBarAction);
  ViewMenu->addSeparator();
  ViewMenu->addAction(ShowNormalAction);
  ViewMenu->addAction(ShowKaitenSusiAction);
  ViewMenu->addAction(ShowEiyousoGraphAction);
  ViewMenu->addSeparator();
  ViewMenu->addAction(ShowChoushokuAction);
  ViewMenu->addAction(ShowChuushokuAction);
  ViewMenu->addAction(ShowYuushokuAction);
  ViewMenu->addAction(ShowDayAction);
  connect(ViewMenu, &QMenu::aboutToShow, this, &TMainForm::updateViewMenu);

  HelpMenu = menuBar()->addMenu(toQ(sj("ヘルプ(&H)")));
  HelpMenu->addAction(ShowHtmlFileAction);
  HelpMenu->addAction(HelpContentsAction);
  HelpMenu->addAction(HelpSearchAction);
  HelpMenu->addAction(HelpHowtoUseAction);
  HelpMenu->addSeparator();
  HelpMenu->addAction(ShowAboutAction);
}

void TMainForm::createToolBar() {
  ToolBar1 = new QToolBar(toQ(sj("ツールバー")), this);
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  // Short labels under the pictures keep the bar inside the window; menus keep the full texts.
  struct Tool {
    QAction* action;  // null: a separator
    const char* icon;
    const char* label;  // the graph basis's changes with the basis
  };
  const Tool tools[] = {{ExitAction, "application-exit", "終了"},
                        {nullptr, "", ""},
                        {NewAction, "document-new", "新規"},
                        {OpenAction, "document-open", "開く"},
                        {SaveAction, "document-save", "保存"},
                        {PrintAction, "document-print", "印刷"},
                        {PrintSetupAction, "document-page-setup", "ページ設定"},
                        {nullptr, "", ""},
                        {AddKondateDataAction, "nv-dish-add", "追加"},
                        {SearchOrderAction, "edit-find", "探す"},
                        {GetNameAction, "nv-name", "名前"},
                        {nullptr, "", ""},
                        {ShowGraphFormByEiyousoAction, "nv-graph-basis", "栄養素"},
                        {ShowChoushokuAction, "nv-breakfast", "朝食"},
                        {ShowChuushokuAction, "nv-lunch", "昼食"},
                        {ShowYuushokuAction, "nv-dinner", "夕食"},
                        {ShowDayAction, "nv-day", "１日分"},
                        {nullptr, "", ""},
                        {BentouAction, "nv-lunch-box", "お弁当箱"},
                        {ShowNormalAction, "nv-normal-view", "通常表示"},
                        {ShowKaitenSusiAction, "nv-conveyor", "回転寿司"},
                        {nullptr, "", ""},
                        {HelpContentsAction, "help-contents", "目次"},
                        {HelpSearchAction, "nv-help-search", "検索"}};
  for (const Tool& t : tools) {
    if (!t.action) {
      ToolBar1->addSeparator();
      continue;
    }
    t.action->setIcon(toolBarIcon(QString::fromLatin1(t.icon)));
    t.action->setIconText(toQ(sj(t.label)));
    // A picture in place of the check mark would hide which meal or view is on.
    if (t.action->isCheckable()) t.action->setIconVisibleInMenu(false);
    ToolBar1->addAction(t.action);
  }
  addToolBar(Qt::TopToolBarArea, ToolBar1);
  ToolBar1->setVisible(false);
}

void TMainForm::connectActions() {
  connect(NewAction, &QAction::triggered, this, [this] { doc_.NewAction(); });
  connect(OpenAction, &QAction::triggered, this, [this] { doc_.OpenAction(); });
  connect(SaveAction, &QAction::triggered, this, [this] { doc_.SaveMenu(); });
  connect(SaveAsAction, &QAction::triggered, this, [this] { doc_.SaveMenuAs(); });
  connect(PrintSetupAction, &QAction::triggered, this, [this] { runPrintSetup(); });
  connect(PrintAction, &QAction::triggered, this, [this] {
    if (services_.printer) services_.printer->print(doc_, this);
  });
  connect(SetDetailsAction, &QAction::triggered, this, [this] { runSetDetails(); });
  connect(ExitAction, &QAction::triggered, this, &QWidget::close);
  connect(ShowSelKondateFormAction, &QAction::triggered, this, [this](bool on) {
    if (selDock_) selDock_->setVisible(on);
  });
  connect(ShowGraphFormAction, &QAction::triggered, this, [this](bool on) {
    if (graphDock_) graphDock_->setVisible(on);
  });
  connect(ShowGraphFormByEiyousoAction, &QAction::toggled, this, &TMainForm::setGraphBasis);
  connect(ShowToolBarAction, &QAction::toggled, ToolBar1, &QToolBar::setVisible);
  const std::array<QAction*, 4> meals = {ShowChoushokuAction, ShowChuushokuAction,
                                         ShowYuushokuAction, ShowDayAction};
  for (int i = 0; i < 4; ++i)
    connect(meals[size_t(i)], &QAction::triggered, this, [this, i] { selectMealTab(i); });
  connect(ShowNormalAction, &QAction::triggered, this, &TMainForm::showNormalView);
  connect(ShowKaitenSusiAction, &QAction::triggered, this, &TMainForm::showConveyorView);
  connect(ShowEiyousoGraphAction, &QAction::triggered, this, &TMainForm::showChartView);
  connect(GetNameAction, &QAction::triggered, this, [this] { doc_.GetName(); });
  connect(AddKondateDataAction, &QAction::triggered, this, [this] { runAddKondateData(); });
  connect(CombineAddKondateAction, &QAction::triggered, this, &TMainForm::combineAdded);
  connect(SearchOrderAction, &QAction::triggered, this, [this] { runSearchOrder(); });
  connect(WriteKondateDataToCsvFileAction, &QAction::triggered, this, &TMainForm::exportCsv);
  connect(MakeShortCutOnDesktopAction, &QAction::triggered, this, [] { makeDesktopShortcut(); });
  connect(MakeShortCutOnStartMenuAction, &QAction::triggered, this,
          [] { makeStartMenuShortcut(); });
  // The usage pages stand in for the help file, each command at its own page, in the
  // program's help window (its button hands a page to the web browser).
  connect(ShowHtmlFileAction, &QAction::triggered, this,
          [this] { openUsagePage(kHelpContentsPage); });
  connect(HelpContentsAction, &QAction::triggered, this,
          [this] { openUsagePage(kHelpContentsPage); });
  connect(HelpSearchAction, &QAction::triggered, this, [this] {
    if (HelpWindow* help = openUsagePage(kHelpTopicsPage)) help->focusSearch();
  });
  connect(HelpHowtoUseAction, &QAction::triggered, this, [this] { openUsagePage(kHelpHowToPage); });
  connect(ShowAboutAction, &QAction::triggered, this, [this] {
    if (services_.about) services_.about->showAbout(this);
  });
  connect(BentouAction, &QAction::triggered, this, [this] {
    if (services_.lunchBox) services_.lunchBox->startLunchBox(this);
  });
  connect(ClassSummaryAction, &QAction::triggered, this, [this] {
    if (services_.classSummary) services_.classSummary->showClassSummary(this);
  });
}

void TMainForm::setGraphBasis(bool byNutrient) {
  // The caption always names the other basis.
  const char* caption = byNutrient ? "グラフを６群で表示" : "グラフを栄養素で表示";
  const char* hint = byNutrient ? "グラフを６群で表示する" : "グラフを栄養素で表示する";
  ShowGraphFormByEiyousoAction->setText(toQ(sj(caption)));
  ShowGraphFormByEiyousoAction->setIconText(toQ(sj(byNutrient ? "６群" : "栄養素")));
  ShowGraphFormByEiyousoAction->setStatusTip(toQ(sj(hint)));
  ShowGraphFormByEiyousoAction->setToolTip(toQ(sj(hint)));
  if (ShowGraphFormByEiyousoAction->isChecked() != byNutrient)
    ShowGraphFormByEiyousoAction->setChecked(byNutrient);
  doc_.setViewState({byNutrient, activeMeal_});
  if (sel_) sel_->refresh();
}

bool TMainForm::graphByNutrient() const { return ShowGraphFormByEiyousoAction->isChecked(); }

void TMainForm::updateViewActions() {
  ShowNormalAction->setVisible(view_ != View::Normal);
  ShowKaitenSusiAction->setVisible(view_ != View::Conveyor);
  ShowKaitenSusiAction->setChecked(view_ == View::Conveyor);
}

void TMainForm::updateViewMenu() {
  ShowSelKondateFormAction->setChecked(selDock_ && selDock_->isVisibleTo(this));
  ShowGraphFormAction->setChecked(graphDock_ && graphDock_->isVisibleTo(this));
  {
    const QSignalBlocker block(ShowToolBarAction);
    ShowToolBarAction->setChecked(!ToolBar1->isHidden());
  }
  const std::array<QAction*, 4> meals = {ShowChoushokuAction, ShowChuushokuAction,
                                         ShowYuushokuAction, ShowDayAction};
  for (int i = 0; i < 4; ++i) meals[size_t(i)]->setChecked(i == activeMeal_);
}

void TMainForm::buildRecentMenu(QMenu& menu) {
  menu.clear();
  const bool isSubmenu = &menu == ReOpenMenu;
  RecentFiles& recent = doc_.recentFiles();
  if (recent.empty()) {
    if (isSubmenu) menu.menuAction()->setVisible(false);
    return;
  }
  if (isSubmenu) menu.menuAction()->setVisible(true);
  menu.addAction(toQ(sj("履歴の削除(&D)")), this, [this] { doc_.recentFiles().clear(); });
  if (recent.paths().size() >= 2) menu.addSeparator();
  for (const std::string& caption : recent.menuCaptions()) {
    QAction* a = menu.addAction(toQ(caption));
    connect(a, &QAction::triggered, this, [this, caption] { doc_.OpenRecent(caption); });
  }
}

}  // namespace nv
