// The planner main window's commands: the actions with their captions, hints and keys, the
// menu bar and the tool bar that show them.
#include "planner/planner_actions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "planner/toolbar_icons.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {
QAction* makeAction(QObject* owner, const char* name, const QString& caption, const QString& hint,
                    QKeySequence key = {}) {
  auto* a = new QAction(caption, owner);
  a->setObjectName(name);
  if (!hint.isEmpty()) {
    a->setStatusTip(hint);
    a->setToolTip(hint);
  }
  if (!key.isEmpty()) a->setShortcut(key);
  return a;
}
void createActions(QObject* owner, PlannerActions& a) {
  a.NewAction = makeAction(owner, "NewAction", u"新規作成(&N)"_s, u"献立を作り直す"_s,
                           QKeySequence(QStringLiteral("Ctrl+N")));
  a.OpenAction = makeAction(owner, "OpenAction", u"開く(&O)..."_s, u"前に作った献立を開く"_s,
                            QKeySequence(QStringLiteral("Ctrl+O")));
  a.SaveAction = makeAction(owner, "SaveAction", u"上書き保存"_s, u"献立を保存する"_s,
                            QKeySequence(QStringLiteral("Ctrl+S")));
  a.SaveAsAction = makeAction(owner, "SaveAsAction", u"名前を付けて保存(&A)..."_s,
                              u"献立に名前を付けて保存する"_s);
  a.PrintSetupAction =
      makeAction(owner, "PrintSetupAction", u"ページ設定(&R)..."_s, u"ページ設定"_s);
  a.PrintAction = makeAction(owner, "PrintAction", u"印刷(&P)..."_s, u"献立を印刷する"_s,
                             QKeySequence(QStringLiteral("Ctrl+P")));
  a.SetDetailsAction = makeAction(owner, "SetDetailsAction", u"設定(&D)..."_s, u"設定"_s);
  a.ExitAction = makeAction(owner, "ExitAction", u"終了(&X)"_s, u"おわる"_s,
                            QKeySequence(QStringLiteral("Ctrl+Q")));
  a.ShowSelKondateFormAction =
      makeAction(owner, "ShowSelKondateFormAction", u"選んだ献立(&S)"_s, u"選んだ献立を表示する"_s);
  a.ShowGraphFormAction =
      makeAction(owner, "ShowGraphFormAction", u"グラフを表示(&G)"_s, u"グラフを表示する"_s);
  a.ShowGraphFormByEiyousoAction =
      makeAction(owner, "ShowGraphFormByEiyousoAction", u"グラフを栄養素で表示"_s,
                 u"グラフを栄養素で表示する"_s);
  a.ShowToolBarAction =
      makeAction(owner, "ShowToolBarAction", u"ツールバー(&T)"_s, u"ツールバーを表示する"_s);
  a.ShowChoushokuAction =
      makeAction(owner, "ShowChoushokuAction", u"朝食(&B)"_s, u"朝食の献立を表示する"_s);
  a.ShowChuushokuAction =
      makeAction(owner, "ShowChuushokuAction", u"昼食(&L)"_s, u"昼食の献立を表示する"_s);
  a.ShowYuushokuAction =
      makeAction(owner, "ShowYuushokuAction", u"夕食(&D)"_s, u"夕食の献立を表示する"_s);
  a.ShowDayAction =
      makeAction(owner, "ShowDayAction", u"１日分(&A)"_s, u"１日分の献立を表示する"_s);
  a.ShowNormalAction = makeAction(owner, "ShowNormalAction", u"通常表示(&N)"_s, u"通常表示"_s);
  a.ShowKaitenSusiAction =
      makeAction(owner, "ShowKaitenSusiAction", u"回転寿司(&K)"_s, u"回転寿司モードにする"_s);
  a.ShowEiyousoGraphAction =
      makeAction(owner, "ShowEiyousoGraphAction", u"栄養素グラフ(&E)"_s, u"栄養素グラフの表示"_s);
  a.GetNameAction =
      makeAction(owner, "GetNameAction", u"名前の設定(&N)..."_s, u"名前を入力します"_s);
  a.AddKondateDataAction =
      makeAction(owner, "AddKondateDataAction", u"献立の追加(&A)..."_s, u"献立を追加/編集します"_s);
  a.CombineAddKondateAction = makeAction(owner, "CombineAddKondateAction", u"献立の結合..."_s,
                                         u"追加した献立を献立データに結合します。"_s);
  a.SearchOrderAction =
      makeAction(owner, "SearchOrderAction", u"分類名を探す(&O)..."_s, u"献立を探します"_s);
  a.WriteKondateDataToCsvFileAction =
      makeAction(owner, "WriteKondateDataToCsvFileAction",
                 u"献立データのCSVファイルへの書き出し(&W)..."_s, QString());
  a.MakeShortCutOnDesktopAction =
      makeAction(owner, "MakeShortCutOnDesktopAction",
                 u"デスクトップにショートカットアイコンを作成する"_s, QString());
  a.MakeShortCutOnStartMenuAction =
      makeAction(owner, "MakeShortCutOnStartMenuAction",
                 u"スタートメニューにショートカットアイコンを作成する"_s, QString());
  a.ShowHtmlFileAction = makeAction(owner, "ShowHtmlFileAction", u"&HTML表示"_s, QString());
  a.HelpContentsAction = makeAction(owner, "HelpContentsAction", u"目次(&C)"_s, u"目次"_s);
  a.HelpSearchAction =
      makeAction(owner, "HelpSearchAction", u"トピックの検索(&S)..."_s, u"トピックの検索"_s);
  a.HelpHowtoUseAction =
      makeAction(owner, "HelpHowtoUseAction", u"ヘルプの使い方(&H)"_s, u"ヘルプの使い方"_s);
  a.ShowAboutAction =
      makeAction(owner, "ShowAboutAction", u"バージョン情報(&A)..."_s, u"バージョン情報"_s);
  a.BentouAction =
      makeAction(owner, "BentouAction", u"おべんとう箱(&B)..."_s, u"おべとう箱モードにする"_s);
  a.ClassSummaryAction = makeAction(owner, "ClassSummaryAction", u"クラスのまとめ(&M)..."_s,
                                    u"クラスの献立とお弁当をまとめて見る"_s);

  for (QAction* a :
       {a.ShowSelKondateFormAction, a.ShowGraphFormAction, a.ShowGraphFormByEiyousoAction,
        a.ShowToolBarAction, a.ShowChoushokuAction, a.ShowChuushokuAction, a.ShowYuushokuAction,
        a.ShowDayAction, a.ShowKaitenSusiAction})
    a->setCheckable(true);
}

void createMenus(QMainWindow& window, PlannerActions& a) {
  a.FileMenu = window.menuBar()->addMenu(u"ファイル(&F)"_s);
  a.FileMenu->setObjectName("FileMenu");
  a.FileMenu->addAction(a.NewAction);
  a.FileMenu->addAction(a.OpenAction);
  a.ReOpenMenu = a.FileMenu->addMenu(u"開き直す(&R)"_s);
  a.ReOpenMenu->setObjectName("ReOpenMenu");
  a.FileMenu->addAction(a.SaveAction);
  a.FileMenu->addAction(a.SaveAsAction);
  a.FileMenu->addSeparator();
  a.FileMenu->addAction(a.PrintSetupAction);
  a.FileMenu->addAction(a.PrintAction);
  a.FileMenu->addSeparator();
  a.TeacherMenu = a.FileMenu->addMenu(u"先生メニュー(&T)"_s);
  a.TeacherMenu->setObjectName("TeacherMenu");
  a.TeacherMenu->addAction(a.SetDetailsAction);
  a.TeacherMenu->addAction(a.CombineAddKondateAction);
  a.TeacherMenu->addAction(a.WriteKondateDataToCsvFileAction);
  a.TeacherMenu->addAction(a.ClassSummaryAction);
  a.TeacherMenu->addSeparator();
  a.TeacherMenu->addAction(a.MakeShortCutOnDesktopAction);
  a.TeacherMenu->addAction(a.MakeShortCutOnStartMenuAction);
  a.FileMenu->addSeparator();
  a.FileMenu->addAction(a.ExitAction);

  a.EditMenu = window.menuBar()->addMenu(u"編集(&E)"_s);
  a.EditMenu->setObjectName("EditMenu");
  a.EditMenu->addAction(a.GetNameAction);
  a.EditMenu->addAction(a.AddKondateDataAction);

  a.SearchMenu = window.menuBar()->addMenu(u"検索(&S)"_s);
  a.SearchMenu->setObjectName("SearchMenu");
  a.SearchMenu->addAction(a.SearchOrderAction);

  a.ViewMenu = window.menuBar()->addMenu(u"表示(&V)"_s);
  a.ViewMenu->setObjectName("ViewMenu");
  a.ViewMenu->addAction(a.ShowSelKondateFormAction);
  a.ViewMenu->addAction(a.ShowGraphFormAction);
  a.ViewMenu->addAction(a.ShowGraphFormByEiyousoAction);
  a.ViewMenu->addAction(a.ShowToolBarAction);
  a.ViewMenu->addSeparator();
  a.ViewMenu->addAction(a.ShowNormalAction);
  a.ViewMenu->addAction(a.ShowKaitenSusiAction);
  a.ViewMenu->addAction(a.ShowEiyousoGraphAction);
  a.ViewMenu->addSeparator();
  a.ViewMenu->addAction(a.ShowChoushokuAction);
  a.ViewMenu->addAction(a.ShowChuushokuAction);
  a.ViewMenu->addAction(a.ShowYuushokuAction);
  a.ViewMenu->addAction(a.ShowDayAction);

  a.HelpMenu = window.menuBar()->addMenu(u"ヘルプ(&H)"_s);
  a.HelpMenu->setObjectName("HelpMenu");
  a.HelpMenu->addAction(a.ShowHtmlFileAction);
  a.HelpMenu->addAction(a.HelpContentsAction);
  a.HelpMenu->addAction(a.HelpSearchAction);
  a.HelpMenu->addAction(a.HelpHowtoUseAction);
  a.HelpMenu->addSeparator();
  a.HelpMenu->addAction(a.ShowAboutAction);
}

void createToolBar(QMainWindow& window, PlannerActions& a) {
  a.ToolBar1 = new QToolBar(u"ツールバー"_s, &window);
  a.ToolBar1->setObjectName("ToolBar1");
  a.ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  // Short labels under the pictures keep the bar inside the window; menus keep the full texts.
  struct Tool {
    QAction* action;  // null: a separator
    const char* icon;
    const char16_t* label;  // the graph basis's changes with the basis
  };
  const Tool tools[] = {{a.ExitAction, "application-exit", u"終了"},
                        {nullptr, "", u""},
                        {a.NewAction, "document-new", u"新規"},
                        {a.OpenAction, "document-open", u"開く"},
                        {a.SaveAction, "document-save", u"保存"},
                        {a.PrintAction, "document-print", u"印刷"},
                        {a.PrintSetupAction, "document-page-setup", u"ページ設定"},
                        {nullptr, "", u""},
                        {a.AddKondateDataAction, "nv-dish-add", u"追加"},
                        {a.SearchOrderAction, "edit-find", u"探す"},
                        {a.GetNameAction, "nv-name", u"名前"},
                        {nullptr, "", u""},
                        {a.ShowGraphFormByEiyousoAction, "nv-graph-basis", u"栄養素"},
                        {a.ShowChoushokuAction, "nv-breakfast", u"朝食"},
                        {a.ShowChuushokuAction, "nv-lunch", u"昼食"},
                        {a.ShowYuushokuAction, "nv-dinner", u"夕食"},
                        {a.ShowDayAction, "nv-day", u"１日分"},
                        {nullptr, "", u""},
                        {a.BentouAction, "nv-lunch-box", u"お弁当箱"},
                        {a.ShowNormalAction, "nv-normal-view", u"通常表示"},
                        {a.ShowKaitenSusiAction, "nv-conveyor", u"回転寿司"},
                        {nullptr, "", u""},
                        {a.HelpContentsAction, "help-contents", u"目次"},
                        {a.HelpSearchAction, "nv-help-search", u"検索"}};
  for (const Tool& t : tools) {
    if (!t.action) {
      a.ToolBar1->addSeparator();
      continue;
    }
    t.action->setIcon(toolBarIcon(QString::fromLatin1(t.icon)));
    t.action->setIconText(QString::fromUtf16(t.label));
    // A picture in place of the check mark would hide which meal or view is on.
    if (t.action->isCheckable()) t.action->setIconVisibleInMenu(false);
    a.ToolBar1->addAction(t.action);
  }
  window.addToolBar(Qt::TopToolBarArea, a.ToolBar1);
  a.ToolBar1->setVisible(false);
}
}  // namespace

void createPlannerActions(QMainWindow& window, PlannerActions& actions) {
  createActions(&window, actions);
  createMenus(window, actions);
  createToolBar(window, actions);
}

}  // namespace nv
