#pragma once
// TMainForm: the menu planner's shell. It owns the food table and the dish database, shows
// the dishes of one category at a time as picture buttons (or on the conveyor belt, or the
// per-meal charts instead), hosts the chosen-menu and graph windows in dock panels and runs
// the menu's commands on its MenuDocument. Its NV.ini values live in PlannerConfig; the
// windows of the later commands come in through PlannerServices. makePlanner() assembles it.
#include <QMainWindow>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "planner/dish_panel.h"
#include "planner/model/planner_settings.h"
#include "planner/model/recent_files.h"
#include "planner/planner_actions.h"
#include "planner/planner_host.h"
#include "planner/planner_services.h"

class QAction;
class QDockWidget;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolBar;

namespace nv {

class ConveyorView;
class HelpWindow;
class GraphPort;
class Ini;
class MenuDocument;
class PercentView;
class PlannerConfig;
class SelKondatePort;
class TKondateButton;

// The primary screen's work area (a 1024 x 768 one without a screen).
ScreenRect primaryWorkArea();

class TMainForm : public QMainWindow, public PlannerHost {
  Q_OBJECT
 public:
  enum class View { Normal, Conveyor, Chart };

  // The document, the settings and the group table belong to the caller and outlive the
  // window; the profile is the document's.
  TMainForm(MenuDocument& doc, PlannerConfig& config, TGunName& gunName,
            const PlannerServices& services, QWidget* parent = nullptr);
  ~TMainForm() override;

  // The chosen-menu and graph windows (not owned); docked at the first show.
  void setMenuWindows(SelKondatePort* sel, GraphPort* graph);
  // Paths of menu files given on the command line (CP932), for the start menu choice.
  void setArguments(std::vector<std::string> args) { arguments_ = std::move(args); }
  // The splash window, closed once the window is up (owned from then on).
  void setSplash(QWidget* splash);

  // The windows behind the later commands (not owned; see planner_services.h); tests swap them.
  void setServices(const PlannerServices& services) { services_ = services; }
  const PlannerServices& services() const { return services_; }
  MenuDocument& document() override { return doc_; }
  PlannerConfig& config() { return config_; }

  // --- PlannerHost ---
  TFoodData& foodData() override { return *foodData_; }
  TKondateData& kondateData() override { return *kondateData_; }
  TKojinData& profile() override;
  TGunName& gunName() override { return gunName_; }
  void selectMealTab(int index) override;
  bool graphByNutrient() const override;
  bool patternBars() const override { return settings().data.patternBars; }
  BarChart* percentChart(int node) override;
  int selIconSize() const override;
  int selIconFontSize() const override;
  void setDishGlyph(QAbstractButton& button, const std::string& dishName, double factor) override;
  void pauseConveyor() override;
  void resumeConveyor() override;
  void refreshView() override;

  // --- Start-up and settings ---
  const std::string& iniPath() const;
  // Start-up up to the dish buttons (the first show runs it once; tests call it directly).
  void startUp();
  // Then, once the window is up: the menu to start with is chosen, the stored window state
  // applied and the splash closed.
  void startMenu();
  // Takes every planner key of ini (settings and recent files) and applies them.
  void readSettings(const Ini& ini);
  // The window's own values (bounds, state, tab height, quantity dialog width, meal colours)
  // into the settings, then every planner key into ini.
  void writeSettings(Ini& ini);
  // Loads NV.nv and NV_ADD.nv and refills the category tabs.
  bool loadData(bool showProgress);

  // --- Views and dish buttons ---
  View view() const { return view_; }
  void showNormalView();
  void showConveyorView();
  void showChartView();
  // The normal view's dish panel (dish_panel.h), its parts in short.
  DishPanel& dishPanel() const { return *dishPanel_; }
  void fillCategoryTabs() { dishPanel_->fillCategoryTabs(); }
  QTabBar* categoryTabs() const { return dishPanel_->categoryTabs(); }
  // The category tab control (tabs over the dish panel); its width sets the columns.
  QWidget* tabControl() const { return dishPanel_; }
  const std::vector<std::string>& categories() const { return dishPanel_->categories(); }
  void makeDishButtons(int index, bool showProgress = false) {
    dishPanel_->makeDishButtons(index, showProgress);
  }
  const std::vector<TKondateButton*>& dishButtons() const { return dishPanel_->dishButtons(); }
  int dishColumns() const { return dishPanel_->columns(); }
  void layoutDishButtons() { dishPanel_->layoutDishButtons(); }
  ConveyorView* conveyor() const { return conveyor_; }
  PercentView* percentView() const { return percentView_; }
  int activeMeal() const { return activeMeal_; }
  // What the category search leads to (DishPanel::showDishOf).
  bool showDishOf(const std::string& category, const std::string& dish) {
    return dishPanel_->showDishOf(category, dish);
  }
  TKondateButton* keyboardDishButton() const { return dishPanel_->keyboardDishButton(); }
  // A dish button's request: the chosen-menu window adds the dish, the belt paused meanwhile.
  void addDish(const std::string& category, const std::string& dish, bool direct);

  // --- Documents ---
  const std::string& currentFileName() const;
  RecentFiles& recentFiles();
  const std::string& defaultName() const;
  void exportCsv();
  void combineAdded();

  // --- Settings values (NV.ini) ---
  const PlannerSettings& settings() const;
  const std::string& dataFileName() const { return settings().data.dataBaseFileName; }
  const std::string& addFileName() const { return settings().data.addKondateFileName; }
  const std::string& bmpFolder() const { return settings().data.bmpFolder; }
  int kondateIconSize() const { return settings().data.kondateIconSize; }
  int kondateIconFontSize() const { return settings().data.kondateIconFontSize; }
  int tabFontSize() const { return settings().data.fontSize; }
  int32_t kondateBackColor() const { return settings().main.kondateBackColor; }
  bool autoOpen() const { return settings().data.autoOpen; }
  int kaitenShuuki() const { return settings().data.kaitenShuuki; }
  int editKondateFormWidth() const { return settings().sel.editKondateFormWidth; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // main_form_actions.cpp
  void connectActions();
  void updateViewMenu();
  void buildRecentMenu(QMenu& menu);
  void setGraphBasis(bool byNutrient);
  void updateViewActions();
  // main_form_documents.cpp
  void connectDocument();
  void runPrintSetup();
  void runSetDetails();
  void runAddKondateData();
  void runSearchOrder();
  HelpWindow* openUsagePage(const char* page);
  // main_form_settings.cpp
  void applySettings(const PlannerSettings& before, const PlannerSettings& now);
  void applyBounds();
  void applyTabConHeight();
  void fitFrameToScreen();
  // main_form.cpp
  void createCentral();
  void dockMenuWindows();
  TKondateButton* makeButton(const std::string& category, const std::string& dish);
  void applyPanelColour();

  // Found by objectName from outside (tests); the window alone wires them.
  PlannerActions ui_;
  MenuDocument& doc_;
  PlannerConfig& config_;
  TGunName& gunName_;
  PlannerServices services_;
  std::unique_ptr<TFoodData> foodData_;
  std::unique_ptr<TKondateData> kondateData_;
  SelKondatePort* sel_ = nullptr;
  GraphPort* graph_ = nullptr;
  QDockWidget* selDock_ = nullptr;
  QDockWidget* graphDock_ = nullptr;

  QStackedWidget* stack_ = nullptr;
  DishPanel* dishPanel_ = nullptr;
  ConveyorView* conveyor_ = nullptr;
  PercentView* percentView_ = nullptr;
  View view_ = View::Normal;

  std::vector<std::string> arguments_;
  QWidget* splash_ = nullptr;

  int activeMeal_ = 0;
  bool inPageChange_ = false;
  bool started_ = false;
  int conveyorPauses_ = 0;
  bool conveyorWasRunning_ = false;
};

}  // namespace nv
