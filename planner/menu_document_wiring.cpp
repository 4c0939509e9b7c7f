#include "planner/menu_document_wiring.h"

#include <QAction>

#include "planner/main_form.h"
#include "planner/menu_ports.h"
#include "planner/model/menu_document.h"
#include "planner/re_open_form.h"

namespace nv {

void wireMenuDocument(MenuDocument& doc, const MenuDocumentParts& parts) {
  TMainForm& form = *parts.form;
  SelKondatePort& sel = *parts.sel;

  doc.hooks.modified = [&sel] { return sel.Modified(); };
  doc.hooks.setModified = parts.setModified;
  doc.hooks.loadMenuFile = [&form, &sel](const std::string& path) {
    if (!sel.LoadMenuFile(path)) return false;
    // The file also holds the graph basis and the meal tab it was saved with.
    const KojinViewState view = sel.loadedViewState();
    form.ShowGraphFormByEiyousoAction->setChecked(view.graphByNutrient);
    if (view.activeMealTab >= 0 && view.activeMealTab <= 3) form.selectMealTab(view.activeMealTab);
    return true;
  };
  doc.hooks.saveMenuFile = [&sel](const std::string& path) { return sel.SaveMenuFile(path); };
  doc.hooks.clearAll = [&sel] { sel.ClearAll(); };
  doc.hooks.profileDialog = parts.profileDialog;
  doc.hooks.reOpenDialog = [&form](RecentFiles& recent, std::function<bool()> profileDialog) {
    return TReOpenForm::choose(recent, std::move(profileDialog), &form);
  };
  // The window keeps its own copy of the file name (printing, the title).
  doc.hooks.setTitle = [&form, &doc](const std::string&) {
    form.setCurrentFileName(doc.currentFileName());
  };
  doc.hooks.retitleCharts = [&sel](const std::string& name) { sel.SetChartTitles(name); };
  doc.hooks.refresh = [&sel] { sel.refresh(); };

  form.hooks.askToSave = [&doc] { return doc.AskToSave(); };
  form.hooks.newMenu = [&doc] { return doc.NewMenu(); };
  form.hooks.openMenu = [&doc](const std::string& path) { doc.OpenMenu(path); };
  form.hooks.openMenuDialog = [&doc] { doc.OpenAction(); };
  form.hooks.saveMenu = [&doc] { doc.SaveMenu(); };
  form.hooks.saveMenuAs = [&doc] { doc.SaveMenuAs(); };
  // The window retitles the charts and refreshes after an accepted name itself.
  form.hooks.getName = [&doc] { return doc.ProfileDialog(); };
  form.hooks.chooseStartMenu = [&doc, &form, args = parts.arguments] {
    doc.ChooseStartMenu(args, form.autoOpen());
  };
}

}  // namespace nv
