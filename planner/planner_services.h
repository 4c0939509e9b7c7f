#pragma once
// The windows the menu planner opens from its commands, as small interfaces. The main window
// is built with one PlannerServices: the windows a planner always has are references, so a
// planner assembled without one of them does not compile; the planner's own start dialogs are
// pointers, null for the planner's dialog. app/ fills them in, tests with fakes. A service is
// handed what it works on when it is called, so each can be made before the main window.
//
// What the menu itself does (file name, changed mark, chosen dishes, new/open/save) is not
// here: it is MenuDocument (planner/menu_document.h), whose signals the windows observe.
// The settings are PlannerConfig (planner/planner_config.h).
#include <functional>
#include <string>

class QWidget;

namespace nv {

class MenuDocument;
class PlannerConfig;
class RecentFiles;
class TFoodData;
class TKojinData;
class TKondateData;

// What the re-open dialog ended with.
struct ReOpenChoice {
  enum Kind {
    Open,           // "選択": open `path`
    New,            // "新規作成": the profile dialog was accepted; the menu stays new
    DeleteHistory,  // "履歴の削除": the list was cleared
    Closed          // closed otherwise: nothing to open
  } kind = Closed;
  std::string path;  // CP932, for Open
};

// The name-entry dialog on the profile. True when the child accepted it.
class ProfileEditor {
 public:
  virtual ~ProfileEditor() = default;
  virtual bool editProfile(TKojinData& profile, QWidget* parent) = 0;
};

// The start-up choice between a recent menu and a new one. `profile` is the name entry its
// "新規作成" button opens.
class ReOpenChooser {
 public:
  virtual ~ReOpenChooser() = default;
  virtual ReOpenChoice choose(RecentFiles& recent, ProfileEditor& profile, TKojinData& kojin,
                              QWidget* parent) = 0;
};

// PrintAction and PrintSetupAction.
class MenuPrinter {
 public:
  virtual ~MenuPrinter() = default;
  virtual void printSetup(QWidget* parent) = 0;
  // Prints (or previews) the chosen menu of `doc`.
  virtual void print(MenuDocument& doc, QWidget* parent) = 0;
};

// SearchOrderAction. Fills category and dish (CP932) and returns true when the user chose a
// dish; the main window then shows that category and uses the dish's button.
class DishSearch {
 public:
  virtual ~DishSearch() = default;
  virtual bool search(std::string& category, std::string& dish, QWidget* parent) = 0;
};

// ShowAboutAction.
class AboutBox {
 public:
  virtual ~AboutBox() = default;
  virtual void showAbout(QWidget* parent) = 0;
};

// SetDetailsAction: the settings dialog edits a copy of config.settings() and, on OK, hands
// it to config.apply(), which tells the main window what changed. True when the data files
// were converted where the old ones were: their names did not change, so the main window reads
// them again itself.
class SettingsEditor {
 public:
  virtual ~SettingsEditor() = default;
  virtual bool editSettings(PlannerConfig& config, QWidget* parent) = 0;
};

// AddKondateDataAction: the dish add-and-edit window over the main window's food table and
// dish database. True when the dishes changed (the main window then writes the add-dish file
// and rebuilds its buttons).
class DishEditor {
 public:
  virtual ~DishEditor() = default;
  virtual bool editDishes(const TFoodData& foods, TKondateData& dishes, QWidget* parent) = 0;
};

// BentouAction (menu and tool bar): the lunch-box game from the planner.
class LunchBoxLauncher {
 public:
  virtual ~LunchBoxLauncher() = default;
  virtual void startLunchBox(QWidget* parent) = 0;
};

// ClassSummaryAction: the teacher's class summary window.
class ClassSummaryLauncher {
 public:
  virtual ~ClassSummaryLauncher() = default;
  virtual void showClassSummary(QWidget* parent) = 0;
};

// Not owned; each outlives the main window.
struct PlannerServices {
  std::reference_wrapper<MenuPrinter> printer;
  std::reference_wrapper<DishSearch> search;
  std::reference_wrapper<AboutBox> about;
  std::reference_wrapper<LunchBoxLauncher> lunchBox;
  std::reference_wrapper<ClassSummaryLauncher> classSummary;
  std::reference_wrapper<SettingsEditor> settings;
  std::reference_wrapper<DishEditor> dishes;
  ProfileEditor* profile = nullptr;  // null: the name-entry dialog (get_jidoumei_form.h)
  ReOpenChooser* reOpen = nullptr;   // null: the re-open dialog (re_open_form.h)
};

}  // namespace nv
