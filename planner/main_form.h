#pragma once
// TMainForm: the menu planner's shell. It owns the food table and the dish database, shows
// the dishes of one category at a time as picture buttons (or on the conveyor belt, or the
// per-meal charts instead), hosts the chosen-menu and graph windows in dock panels, and keeps
// its settings in NV.ini.
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "planner/model/recent_files.h"
#include "planner/planner_host.h"

class QAction;
class QDockWidget;
class QMenu;
class QScrollArea;
class QStackedWidget;
class QTabBar;
class QToolBar;

namespace nv {

class ConveyorView;
class GraphPort;
class Ini;
class PercentView;
class SelKondatePort;
class TKondateButton;

// A folder path with its trailing separator (picture names are appended to it).
std::string withSeparator(std::string folder);

class TMainForm : public QMainWindow, public PlannerHost {
  Q_OBJECT
 public:
  enum class View { Normal, Conveyor, Chart };

  // The profile and the group table belong to the caller and outlive the window.
  // defaultName: the default person name (CP932).
  TMainForm(TKojinData& profile, TGunName& gunName, std::string defaultName,
            QWidget* parent = nullptr);
  ~TMainForm() override;

  // The chosen-menu and graph windows (not owned); docked at the first show.
  void setMenuWindows(SelKondatePort* sel, GraphPort* graph);
  // Paths of menu files given on the command line (CP932), for the start menu choice.
  void setArguments(std::vector<std::string> args) { arguments_ = std::move(args); }
  // The splash window, closed once the window is up (owned from then on).
  void setSplash(QWidget* splash);

  // --- Hooks: commands whose windows are filled in by later work. An empty hook falls back
  // to the behaviour noted beside it. ---
  struct Hooks {
    std::function<bool()> askToSave;                   // default: the save question
    std::function<bool()> newMenu;                     // default: clear, "default", retitle
    std::function<void(const std::string&)> openMenu;  // default: load through the window
    std::function<void()> openMenuDialog;              // default: open dialog + openMenu
    std::function<void()> saveMenu, saveMenuAs;        // default: nothing / nothing
    std::function<void()> chooseStartMenu;             // default: the arguments, last wins
    std::function<void()> printSetup, print;           // default: printer set-up / nothing
    std::function<bool()> getName;                     // default: a name box
    std::function<bool()> setDetails;                  // true when data or folder changed
    std::function<bool()> addKondateData;              // true when the dishes changed
    std::function<void()> searchOrder, showAbout, bentou;
    std::function<void()> helpContents, helpSearch, helpHowtoUse;  // default: usage pages
  };
  Hooks hooks;

  // --- PlannerHost ---
  TFoodData& foodData() override { return *foodData_; }
  TKondateData& kondateData() override { return *kondateData_; }
  TKojinData& profile() override { return profile_; }
  TGunName& gunName() override { return gunName_; }
  void selectMealTab(int index) override;
  bool graphByNutrient() const override;
  BarChart* percentChart(int node) override;
  int selIconSize() const override { return selIconSize_; }
  int selIconFontSize() const override { return selIconFontSize_; }
  void setDishGlyph(QAbstractButton& button, const std::string& dishName, double factor) override;
  void pauseConveyor() override;
  void resumeConveyor() override;
  void refreshView() override;

  // --- Start-up and settings ---
  const std::string& iniPath() const { return iniPath_; }
  void setIniPath(std::string path) { iniPath_ = std::move(path); }
  // Start-up up to the dish buttons (the first show runs it once; tests call it directly).
  void startUp();
  // Then, once the window is up: the splash goes and the menu to start with is chosen.
  void startMenu();
  void readSettings(const Ini& ini);
  void writeSettings(Ini& ini);
  // Loads NV.nv and NV_ADD.nv and refills the category tabs.
  bool loadData(bool showProgress);

  // --- Views and dish buttons ---
  View view() const { return view_; }
  void showNormalView();
  void showConveyorView();
  void showChartView();
  void fillCategoryTabs();
  QTabBar* categoryTabs() const { return categoryTabs_; }
  // The category tab control (tabs over the dish panel); its width sets the columns.
  QWidget* tabControl() const { return normalPage_; }
  // The categories of the tabs, in tab order (CP932).
  const std::vector<std::string>& categories() const { return categories_; }
  // Rebuilds the buttons of category tab `index`; progress with more than 20 when asked.
  void makeDishButtons(int index, bool showProgress = false);
  const std::vector<TKondateButton*>& dishButtons() const { return dishButtons_; }
  int dishColumns() const { return columns_; }
  void layoutDishButtons();
  ConveyorView* conveyor() const { return conveyor_; }
  PercentView* percentView() const { return percentView_; }
  int activeMeal() const { return activeMeal_; }
  // What the category search leads to: the category's tab with its buttons, then the button
  // of that dish used as if clicked. False when the category has no tab.
  bool showDishOf(const std::string& category, const std::string& dish);
  // A dish button's request: the chosen-menu window adds the dish, the belt paused meanwhile.
  void addDish(const std::string& category, const std::string& dish, bool direct);

  // --- Documents ---
  const std::string& currentFileName() const { return currentFileName_; }
  void setCurrentFileName(const std::string& path);
  RecentFiles& recentFiles() { return recent_; }
  const std::string& defaultName() const { return defaultName_; }
  void exportCsv();
  void combineAdded();

  // --- Settings values (NV.ini) ---
  const std::string& dataFileName() const { return dataFileName_; }
  const std::string& addFileName() const { return addFileName_; }
  const std::string& bmpFolder() const { return bmpFolder_; }
  int kondateIconSize() const { return kondateIconSize_; }
  int kondateIconFontSize() const { return kondateIconFontSize_; }
  int tabFontSize() const { return tabFontSize_; }
  int32_t kondateBackColor() const { return kondateBackColor_; }
  bool autoOpen() const { return autoOpen_; }
  int kaitenShuuki() const { return kaitenShuuki_; }
  int editKondateFormWidth() const { return editKondateFormWidth_; }
  void setEditKondateFormWidth(int w) { editKondateFormWidth_ = w; }
  void setKondateBackColor(int32_t color);
  void setKaitenShuuki(int seconds) { kaitenShuuki_ = seconds; }

  // Actions by the names of the actions table (objectName too).
  QAction *NewAction, *OpenAction, *SaveAction, *SaveAsAction, *PrintSetupAction, *PrintAction,
      *SetDetailsAction, *ExitAction, *ShowSelKondateFormAction, *ShowGraphFormAction,
      *ShowGraphFormByEiyousoAction, *ShowToolBarAction, *ShowChoushokuAction, *ShowChuushokuAction,
      *ShowYuushokuAction, *ShowDayAction, *ShowNormalAction, *ShowKaitenSusiAction,
      *ShowEiyousoGraphAction, *GetNameAction, *AddKondateDataAction, *CombineAddKondateAction,
      *SearchOrderAction, *WriteKondateDataToCsvFileAction, *MakeShortCutOnDesktopAction,
      *MakeShortCutOnStartMenuAction, *ShowHtmlFileAction, *HelpContentsAction, *HelpSearchAction,
      *HelpHowtoUseAction, *ShowAboutAction, *BentouAction;
  QMenu *FileMenu, *ReOpenMenu, *TeacherMenu, *EditMenu, *SearchMenu, *ViewMenu, *HelpMenu;
  QToolBar* ToolBar1;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // main_form_actions.cpp
  void createActions();
  void createMenus();
  void createToolBar();
  void connectActions();
  void updateViewMenu();
  void buildRecentMenu(QMenu& menu);
  void setGraphBasis(bool byNutrient);
  void updateViewActions();
  // main_form_documents.cpp
  bool runAskToSave();
  bool runNewMenu();
  void runOpenMenu(const std::string& path);
  void runOpenMenuDialog();
  void runSaveMenu();
  void runSaveMenuAs();
  void runPrintSetup();
  void runSetDetails();
  void runAddKondateData();
  void runChooseStartMenu();
  bool runGetName();
  void openUsagePages();
  // main_form.cpp
  void createCentral();
  void dockMenuWindows();
  void categoryChanged(int index);
  TKondateButton* makeButton(const std::string& category, const std::string& dish);
  void applyPanelColour();

  TKojinData& profile_;
  TGunName& gunName_;
  std::string defaultName_;
  std::unique_ptr<TFoodData> foodData_;
  std::unique_ptr<TKondateData> kondateData_;
  SelKondatePort* sel_ = nullptr;
  GraphPort* graph_ = nullptr;
  QDockWidget* selDock_ = nullptr;
  QDockWidget* graphDock_ = nullptr;

  QStackedWidget* stack_ = nullptr;
  QWidget* normalPage_ = nullptr;
  QTabBar* categoryTabs_ = nullptr;
  QScrollArea* dishScroll_ = nullptr;
  QWidget* dishPanel_ = nullptr;
  ConveyorView* conveyor_ = nullptr;
  PercentView* percentView_ = nullptr;
  std::vector<std::string> categories_;
  std::vector<TKondateButton*> dishButtons_;
  int columns_ = 1;
  View view_ = View::Normal;

  std::string iniPath_;
  std::string dataFileName_, addFileName_, bmpFolder_;
  std::string foodDataFile_, kondateDataFile_, sourceBmpFolder_;  // the settings dialog's
  std::string currentFileName_ = "default";
  std::vector<std::string> arguments_;
  RecentFiles recent_;
  int tabFontSize_ = 12;
  int tabConHeight_ = 0;
  int kondateIconSize_ = 128, kondateIconFontSize_ = 9;
  int selIconSize_ = 64, selIconFontSize_ = 6;
  int32_t kondateBackColor_ = 14803455;
  bool autoOpen_ = false;
  int kaitenShuuki_ = 600;
  int editKondateFormWidth_ = 467;
  Qt::WindowStates storedState_ = Qt::WindowNoState;
  QWidget* splash_ = nullptr;

  int activeMeal_ = 0;
  bool inPageChange_ = false;
  bool started_ = false;
  int conveyorPauses_ = 0;
  bool conveyorWasRunning_ = false;
};

}  // namespace nv
