#include "app/nv_menu_windows.h"

#include "planner/graph_form.h"
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
  void ClearAll() override { form_.ClearAll(); }
  bool SaveMenuFile(const std::string& path) override { return form_.SaveMenuFile(path); }
  bool LoadMenuFile(const std::string& path) override { return form_.LoadMenuFile(path); }
  void ReadBackColors(const Ini& ini) override { form_.ReadBackColors(ini); }
  void WriteBackColors(Ini& ini) override { form_.WriteBackColors(ini); }
  void SetChartTitles(const std::string& name) override { form_.SetChartTitles(name); }
  void setActivePage(int index) override { form_.setActivePage(index); }
  bool Modified() const override { return form_.Modified(); }
  void refresh() override { form_.refresh(); }
  int EditKondateFormWidth() const override { return form_.EditKondateFormWidth(); }
  void setEditKondateFormWidth(int width) override { form_.setEditKondateFormWidth(width); }
  KojinViewState loadedViewState() const override { return form_.loadedViewState(); }

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
