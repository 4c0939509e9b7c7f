#pragma once
// The planner main window's commands as one table: every action (its objectName is the name
// below), the menu bar and the tool bar. The window owns them and connects them
// (main_form_actions.cpp); nothing outside the window holds them.
class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace nv {

struct PlannerActions {
  QAction *NewAction = nullptr, *OpenAction = nullptr, *SaveAction = nullptr,
          *SaveAsAction = nullptr, *PrintSetupAction = nullptr, *PrintAction = nullptr,
          *SetDetailsAction = nullptr, *ExitAction = nullptr, *ShowSelKondateFormAction = nullptr,
          *ShowGraphFormAction = nullptr, *ShowGraphFormByEiyousoAction = nullptr,
          *ShowToolBarAction = nullptr, *ShowChoushokuAction = nullptr,
          *ShowChuushokuAction = nullptr, *ShowYuushokuAction = nullptr, *ShowDayAction = nullptr,
          *ShowNormalAction = nullptr, *ShowKaitenSusiAction = nullptr,
          *ShowEiyousoGraphAction = nullptr, *GetNameAction = nullptr,
          *AddKondateDataAction = nullptr, *CombineAddKondateAction = nullptr,
          *SearchOrderAction = nullptr, *WriteKondateDataToCsvFileAction = nullptr,
          *MakeShortCutOnDesktopAction = nullptr, *MakeShortCutOnStartMenuAction = nullptr,
          *ShowHtmlFileAction = nullptr, *HelpContentsAction = nullptr, *HelpSearchAction = nullptr,
          *HelpHowtoUseAction = nullptr, *ShowAboutAction = nullptr, *BentouAction = nullptr,
          *ClassSummaryAction = nullptr;
  QMenu *FileMenu = nullptr, *ReOpenMenu = nullptr, *TeacherMenu = nullptr, *EditMenu = nullptr,
        *SearchMenu = nullptr, *ViewMenu = nullptr, *HelpMenu = nullptr;
  QToolBar* ToolBar1 = nullptr;
};

// Creates the actions as children of `window`, fills its menu bar and adds the tool bar
// (hidden). The re-open submenu stays empty: the window fills it from the recent files.
void createPlannerActions(QMainWindow& window, PlannerActions& actions);

}  // namespace nv
