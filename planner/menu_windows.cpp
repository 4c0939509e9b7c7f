#include "planner/menu_windows.h"

#include "planner/graph_form.h"
#include "planner/model/planner_settings.h"
#include "planner/sel_kondate_form.h"

namespace nv {
namespace {

class SelKondateAdapter : public SelKondatePort {
 public:
  explicit SelKondateAdapter(TSelKondateForm& form) : form_(form) {}
  QWidget* widget() override { return &form_; }
  void AddDish(const std::string& category, const std::string& dishName, bool direct) override {
    form_.AddDish(category, dishName, direct);
  }
  void RecalcAllGraphs() override { form_.RecalcAllGraphs(); }
  void SetChartTitles(const std::string& name) override { form_.SetChartTitles(name); }
  void setActivePage(int index) override { form_.setActivePage(index); }
  void refresh() override { form_.refresh(); }
  void applySettings(const SelKondateSettings& settings) override { form_.applySettings(settings); }
  void storeSettings(SelKondateSettings& settings) const override { form_.storeSettings(settings); }
  void applyIconSettings() override { form_.applyIconSettings(); }

 private:
  TSelKondateForm& form_;
};

class GraphAdapter : public GraphPort {
 public:
  explicit GraphAdapter(TGraphForm& form) : form_(form) {}
  QWidget* widget() override { return &form_; }
  void setActivePage(int index) override { form_.setActivePage(index); }

 private:
  TGraphForm& form_;
};

}  // namespace

MenuWindows makeMenuWindows(PlannerHost& host) {
  MenuWindows w;
  w.graphForm = new TGraphForm(host);
  w.selForm = new TSelKondateForm(host, w.graphForm);
  w.graph = std::make_unique<GraphAdapter>(*w.graphForm);
  w.sel = std::make_unique<SelKondateAdapter>(*w.selForm);
  return w;
}

}  // namespace nv
