#include "app/teacher_services.h"

#include "planner/planner_config.h"
#include "platform/text.h"
#include "teacher/add_kondate_form.h"
#include "teacher/details_form.h"

namespace nv {

DetailsSettings detailsSettingsOf(const PlannerSettings& s) {
  DetailsSettings d;
  d.foodDataFile = s.data.foodDataFile;
  d.kondateDataFile = s.data.kondateDataFile;
  d.sourceBmpFolder = s.data.sourceBmpFolder;
  d.bmpFolder = s.data.bmpFolder;
  d.dataBaseFileName = s.data.dataBaseFileName;
  d.addKondateFileName = s.data.addKondateFileName;
  d.fontSize = s.data.fontSize;
  d.kondateIconSize = s.data.kondateIconSize;
  d.kondateIconFontSize = s.data.kondateIconFontSize;
  d.selIconSize = s.data.selIconSize;
  d.selIconFontSize = s.data.selIconFontSize;
  d.kondateBackColor = s.main.kondateBackColor;
  static const char* const kMeals[4] = {"朝食", "昼食", "夕食", "１日分"};
  for (size_t i = 0; i < s.sel.backColors.size(); ++i)
    d.meals.push_back({sj(kMeals[i]), s.sel.backColors[i]});
  for (size_t i = 0; i < d.gunColors.size(); ++i) d.gunColors[i] = s.data.gunColors[i + 1];
  d.autoOpen = s.data.autoOpen;
  d.kaitenShuuki = s.data.kaitenShuuki;
  return d;
}

void takeDetails(const DetailsSettings& d, PlannerSettings& s) {
  s.data.foodDataFile = d.foodDataFile;
  s.data.kondateDataFile = d.kondateDataFile;
  s.data.sourceBmpFolder = d.sourceBmpFolder;
  s.data.bmpFolder = withSeparator(d.bmpFolder);
  s.data.dataBaseFileName = d.dataBaseFileName;
  s.data.addKondateFileName = d.addKondateFileName;
  s.data.fontSize = d.fontSize;
  s.data.kondateIconSize = d.kondateIconSize;
  s.data.kondateIconFontSize = d.kondateIconFontSize;
  s.data.selIconSize = d.selIconSize;
  s.data.selIconFontSize = d.selIconFontSize;
  s.main.kondateBackColor = d.kondateBackColor;
  for (size_t i = 0; i < d.meals.size() && i < s.sel.backColors.size(); ++i)
    s.sel.backColors[i] = d.meals[i].color;
  for (size_t i = 0; i < d.gunColors.size(); ++i) s.data.gunColors[i + 1] = d.gunColors[i];
  s.data.autoOpen = d.autoOpen;
  s.data.kaitenShuuki = d.kaitenShuuki;
}

bool DetailsSettingsEditor::editSettings(PlannerConfig& config, QWidget* parent) {
  TDetailsForm form(detailsSettingsOf(config.settings()), parent);
  const DetailsFormSettings& stored = config.settings().details;
  DetailsPlacement placement;
  placement.left = stored.bounds.left;
  placement.top = stored.bounds.top;
  placement.width = stored.bounds.width;
  placement.height = stored.bounds.height;
  placement.stored = stored.boundsStored;
  placement.page = stored.page;
  placeDetailsForm(form, placement);
  const bool accepted = form.exec() == QDialog::Accepted;

  // Whatever the answer, the dialog's place and page are kept.
  const DetailsPlacement now = detailsPlacementOf(form);
  DetailsFormSettings& details = config.quietly().details;
  details.bounds = {now.left, now.top, now.width, now.height};
  details.boundsStored = true;
  details.page = now.page;
  if (!accepted) return false;

  const DetailsResult result = form.result();
  const DataSettings before = config.settings().data;
  PlannerSettings edited = config.settings();
  takeDetails(result.settings, edited);
  const bool pathsChanged = edited.data.dataBaseFileName != before.dataBaseFileName ||
                            edited.data.addKondateFileName != before.addKondateFileName ||
                            edited.data.bmpFolder != before.bmpFolder;
  config.apply(edited);
  // A data file converted where the old one was has new contents under the same name: the
  // settings saw no change of path, so the main window is to read it again.
  return result.reloadData() && !pathsChanged;
}

bool AddKondateEditor::editDishes(const TFoodData& foods, TKondateData& dishes, QWidget* parent) {
  return runAddKondateForm(parent, foods, dishes);
}

}  // namespace nv
