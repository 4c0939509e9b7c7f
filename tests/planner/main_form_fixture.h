#pragma once
// The main window as makePlanner() assembles it, on the offscreen platform, over a small NV.nv
// written into a fresh folder that stands in for the program folder, with recording
// stand-ins for the chosen-menu and graph windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "core/food.h"
#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "core/kondate_data.h"
#include "core/nv_file.h"
#include "planner/main_form.h"
#include "planner/menu_document.h"
#include "planner/menu_ports.h"
#include "planner/model/planner_settings.h"
#include "planner/planner_config.h"
#include "planner/planner_factory.h"
#include "planner/planner_host.h"
#include "planner_test_app.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "shown.h"
#include "temp_dir.h"
#include "window_parts.h"

namespace nvtest {

inline QApplication& mainFormApp() { return plannerApp(); }

// The windows of the planner's later commands, doing nothing; a test that looks at one puts
// its own in.
struct IdleServices : nv::MenuPrinter,
                      nv::DishSearch,
                      nv::AboutBox,
                      nv::LunchBoxLauncher,
                      nv::ClassSummaryLauncher,
                      nv::SettingsEditor,
                      nv::DishEditor {
  void printSetup(QWidget*) override {}
  void print(nv::MenuDocument&, QWidget*) override {}
  bool search(std::string&, std::string&, QWidget*) override { return false; }
  void showAbout(QWidget*) override {}
  void startLunchBox(QWidget*) override {}
  void showClassSummary(QWidget*) override {}
  bool editSettings(nv::PlannerConfig&, QWidget*) override { return false; }
  bool editDishes(const nv::TFoodData&, nv::TKondateData&, QWidget*) override { return false; }
  nv::PlannerServices services() {
    return {.printer = *this,
            .search = *this,
            .about = *this,
            .lunchBox = *this,
            .classSummary = *this,
            .settings = *this,
            .dishes = *this};
  }
};

// The docked widget belongs to the window once docked.
struct DockedLabel {
  QPointer<QLabel> label = new QLabel;
  ~DockedLabel() {
    if (label && !label->parent()) delete label;
  }
};

struct RecordingSel : nv::SelKondatePort {
  DockedLabel docked;
  std::vector<int> pages;
  std::vector<std::string> added;      // "category/dish/direct"
  nv::PlannerHost* reenter = nullptr;  // calls the page routine again from inside
  int recalcs = 0;
  QWidget* widget() override { return docked.label; }
  void AddDish(const std::string& c, const std::string& d, bool direct) override {
    added.push_back(c + "/" + d + (direct ? "/1" : "/0"));
  }
  void RecalcAllGraphs() override { ++recalcs; }
  std::vector<std::string> titles;  // names the chart titles were set for
  void SetChartTitles(const std::string& name) override { titles.push_back(name); }
  void setActivePage(int index) override {
    pages.push_back(index);
    if (reenter) reenter->selectMealTab((index + 1) % 4);
  }
  void refresh() override { ++recalcs; }
  void applySettings(const nv::SelKondateSettings& s) override { settings = s; }
  void storeSettings(nv::SelKondateSettings& s) const override { s = settings; }
  void applyIconSettings() override { ++iconRebuilds; }
  nv::SelKondateSettings settings;
  int iconRebuilds = 0;
};

// A name entry that accepts with a fixed name (or refuses), counting its calls.
struct ScriptedNameEntry : nv::ProfileEditor {
  bool editProfile(nv::TKojinData& profile, QWidget*) override {
    ++calls;
    if (accept) profile.setName(nv::sj(name));
    return accept;
  }
  bool accept = true;
  std::string name = "たろう";  // UTF-8
  int calls = 0;
};

struct RecordingGraph : nv::GraphPort {
  DockedLabel docked;
  std::vector<int> pages;
  QWidget* widget() override { return docked.label; }
  void setActivePage(int index) override { pages.push_back(index); }
};

// Dishes per category name (UTF-8); the categories are written in this order.
using Menu = std::vector<std::pair<std::string, std::vector<std::string>>>;

inline void writeDataFile(const std::string& path, const Menu& menu) {
  nv::TFoodData foods;
  nv::TFood rice;
  rice.number = 1;
  rice.name = nv::sj("こめ");
  rice.group = 5;
  rice.nutrients[0] = 356;
  foods.setFoods({rice});
  nv::TKondateData dishes;
  int32_t number = 1;
  for (const auto& [category, names] : menu) {
    nv::TOrder& order = dishes.findOrAppendOrder(nv::sj(category));
    for (const std::string& n : names) {
      nv::TKondate k = nv::TKondate::make(number++, nv::sj(n));
      nv::TUsedFood f;
      f.foodNumber = 1;
      f.amount = 100;
      f.standardAmount = 100;
      k.foods.push_back(f);
      k.standardWeight = 100;
      order.base.push_back(std::move(k));
    }
  }
  ASSERT_TRUE(nvtest::shown(nv::writeDataFile(path, foods, dishes, &nv::prompt())));
}

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousFolder_ = nv::programFolder();
    nv::setProgramFolder(dir.path());
  }
  void TearDown() override {
    planner.reset();
    nv::setProgramFolder(previousFolder_);
  }
  // The window over NV.nv in the folder (written from `menu` unless empty), with the
  // folder's NV.ini read; with the real chosen-menu and graph windows unless `recording`.
  nv::TMainForm& make(const Menu& menu, bool recording = true) {
    if (!menu.empty()) writeDataFile(dir.file("NV.nv"), menu);
    nv::PlannerParts parts{.profile = profile, .gunName = gunName, .services = services};
    parts.defaultName = nv::sj("host");
    parts.services.profile = &nameEntry;
    if (recording) {
      parts.sel = &sel;
      parts.graph = &graph;
    }
    planner = nv::makePlanner(parts);
    form = planner->mainForm.get();
    return *form;
  }
  // The window as make() gives it, started up.
  nv::TMainForm& started(const Menu& menu, bool recording = true) {
    make(menu, recording).startUp();
    return *form;
  }
  nv::MenuDocument& doc() { return *planner->document; }

  struct App {
    App() { mainFormApp(); }
  } app_;  // before any widget member
  TempDir dir;
  nv::TGunName gunName;
  nv::TKojinData profile;
  RecordingSel sel;
  RecordingGraph graph;
  ScriptedNameEntry nameEntry;
  IdleServices idle;
  // What make() assembles the planner with; a test puts a real window in before make().
  nv::PlannerServices services = idle.services();
  std::unique_ptr<nv::Planner> planner;
  nv::TMainForm* form = nullptr;

 private:
  std::string previousFolder_;
};

}  // namespace nvtest
