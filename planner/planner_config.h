#pragma once
// PlannerConfig: the menu planner's settings while it runs. NV.ini is read into it once when
// the planner is made and written from it once when the main window closes. A settings
// dialog works on a copy:
//
//   PlannerSettings edited = config.settings();   // copy
//   ... the dialog changes `edited` ...
//   if (edited != config.settings()) config.apply(edited);   // OK pressed, something changed
//
// apply() takes the values as they are (the dialog's boxes have the ranges of the INI keys);
// the main window and the chosen-menu window react to settingsApplied() (new sizes, colours,
// a reload when a data file or the picture folder changed).
#include <QObject>
#include <string>

#include "planner/model/planner_settings.h"

namespace nv {

class Ini;

class PlannerConfig : public QObject {
  Q_OBJECT
 public:
  // The built-in values for the program folder; NV.ini and NV_ADD.nv where the program keeps
  // what it writes (platform/user_folders.h).
  explicit PlannerConfig(const std::string& programFolder, QObject* parent = nullptr);

  const PlannerSettings& settings() const { return settings_; }
  const std::string& iniPath() const { return iniPath_; }
  void setIniPath(std::string path) { iniPath_ = std::move(path); }

  // Reads every planner key from ini (one load of NV.ini serves all windows).
  void read(const Ini& ini, const ScreenRect& workArea);
  // Writes every planner key into ini (the caller saves it once).
  void write(Ini& ini) const { settings_.write(ini); }

  // Takes the edited settings; emits settingsApplied when anything differs.
  void apply(const PlannerSettings& edited);
  // Values the windows change themselves (bounds at close, the quantity dialog's width, the
  // dialog's page) without a reaction from the others.
  PlannerSettings& quietly() { return settings_; }

 signals:
  void settingsApplied(const nv::PlannerSettings& before, const nv::PlannerSettings& now);

 private:
  PlannerSettings settings_;
  std::string iniPath_;
};

}  // namespace nv
