#include "planner/planner_config.h"

#include "platform/paths.h"
#include "platform/user_folders.h"

namespace nv {

PlannerConfig::PlannerConfig(const std::string& programFolder, QObject* parent)
    : QObject(parent),
      settings_(PlannerSettings::defaults(programFolder)),
      iniPath_(iniFilePath()) {
  // An installed program keeps what it writes in the user's folder, and reads the data file
  // converted there in preference to the one it was shipped with.
  settings_.data.addKondateFileName = defaultAddFilePath();
  settings_.data.dataBaseFileName = dataFileForReading(settings_.data.dataBaseFileName);
}

void PlannerConfig::read(const Ini& ini, const ScreenRect& workArea) {
  settings_.read(ini, workArea);
  settings_.data.dataBaseFileName = dataFileForReading(settings_.data.dataBaseFileName);
}

void PlannerConfig::apply(const PlannerSettings& edited) {
  if (edited == settings_) return;
  const PlannerSettings before = settings_;
  settings_ = edited;
  settings_.data.bmpFolder = withSeparator(settings_.data.bmpFolder);
  emit settingsApplied(before, settings_);
}

}  // namespace nv
