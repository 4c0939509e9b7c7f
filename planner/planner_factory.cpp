#include "planner/planner_factory.h"

#include "core/kojin_data.h"
#include "planner/get_jidoumei_form.h"
#include "planner/main_form.h"
#include "planner/menu_document.h"
#include "planner/menu_ports.h"
#include "planner/planner_config.h"
#include "planner/re_open_form.h"
#include "platform/ini.h"
#include "platform/paths.h"

namespace nv {
namespace {

class NameEntry : public ProfileEditor {
 public:
  bool editProfile(TKojinData& profile, QWidget* parent) override {
    return nv::editProfile(profile, parent);
  }
};

class ReOpenDialog : public ReOpenChooser {
 public:
  ReOpenChoice choose(RecentFiles& recent, ProfileEditor& profile, TKojinData& kojin,
                      QWidget* parent) override {
    return TReOpenForm::choose(
        recent, [&profile, &kojin, parent] { return profile.editProfile(kojin, parent); }, parent);
  }
};

}  // namespace

Planner::~Planner() {
  // The window goes first: its docks hold the chosen-menu and graph windows.
  mainForm.reset();
  windows = {};
}

std::unique_ptr<Planner> makePlanner(const PlannerParts& parts) {
  auto p = std::make_unique<Planner>();
  p->config = std::make_unique<PlannerConfig>(programFolder());
  p->document = std::make_unique<MenuDocument>(parts.profile.get(), parts.defaultName);
  PlannerServices services = parts.services;
  p->mainForm =
      std::make_unique<TMainForm>(*p->document, *p->config, parts.gunName.get(), services);
  TMainForm& form = *p->mainForm;

  if (!services.profile) {
    p->profileEditor = std::make_unique<NameEntry>();
    services.profile = p->profileEditor.get();
  }
  if (!services.reOpen) {
    p->reOpenChooser = std::make_unique<ReOpenDialog>();
    services.reOpen = p->reOpenChooser.get();
  }
  form.setServices(services);
  p->document->setProfileEditor(services.profile);
  p->document->setReOpenChooser(services.reOpen);

  if (parts.sel || parts.graph) {
    form.setMenuWindows(parts.sel, parts.graph);
  } else {
    p->windows = makeMenuWindows(form);
    form.setMenuWindows(p->windows.sel.get(), p->windows.graph.get());
  }
  form.setArguments(parts.menuFiles);

  // The one read of NV.ini: every planner window's values and the recent files.
  const Ini ini(p->config->iniPath());
  form.readSettings(ini);
  return p;
}

}  // namespace nv
