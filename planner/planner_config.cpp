#include "planner/planner_config.h"

#include "platform/paths.h"

namespace nv {

PlannerConfig::PlannerConfig(const std::string& programFolder, QObject* parent)
    : QObject(parent),
      settings_(PlannerSettings::defaults(programFolder)),
      iniPath_(joinPath(programFolder, "NV.ini")) {}

void PlannerConfig::read(const Ini& ini, const ScreenRect& workArea) {
  settings_.read(ini, workArea);
}

void PlannerConfig::apply(const PlannerSettings& edited) {
  if (edited == settings_) return;
  const PlannerSettings before = settings_;
  settings_ = edited;
  settings_.data.bmpFolder = withSeparator(settings_.data.bmpFolder);
  emit settingsApplied(before, settings_);
}

}  // namespace nv
