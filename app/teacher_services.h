#pragma once
// The teacher tools as services of the menu planner: the settings dialog over a copy of the
// planner's settings, and the dish add-and-edit window over the main window's dishes.
#include "planner/model/planner_settings.h"
#include "planner/planner_services.h"
#include "teacher/model/details_model.h"

namespace nv {

// The dialog's values from the planner's settings, and back.
DetailsSettings detailsSettingsOf(const PlannerSettings& settings);
void takeDetails(const DetailsSettings& details, PlannerSettings& settings);

class DetailsSettingsEditor : public SettingsEditor {
 public:
  bool editSettings(PlannerConfig& config, QWidget* parent) override;
};

class AddKondateEditor : public DishEditor {
 public:
  bool editDishes(const TFoodData& foods, TKondateData& dishes, QWidget* parent) override;
};

}  // namespace nv
