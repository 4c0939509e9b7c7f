#include "summary/model/class_data.h"

#include "bento/model/bento_data_file.h"
#include "bento/model/kitchen_settings.h"
#include "core/nv_file.h"
#include "planner/model/planner_settings.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/result.h"
#include "platform/text.h"
#include "platform/user_folders.h"
#include "summary/model/recording_prompt.h"

namespace nv {

SummaryData ClassData::view() const {
  SummaryData d;
  if (hasMenuData) d.menuFoods = &menuFoods;
  if (hasBoxData) {
    d.boxFoods = &boxFoods;
    d.kitchen = &kitchen;
  }
  return d;
}

std::vector<DataProblem> loadClassData(const std::string& nvPath, const std::string& nvbPath,
                                       ClassData& out) {
  std::vector<DataProblem> problems;
  if (!nvPath.empty()) {
    RecordingPrompt recorder(nvPath);
    ScopedPrompt scoped(recorder);
    out.hasMenuData =
        showResult(loadDataFile(nvPath, out.menuFoods, out.dishes, nullptr), recorder);
    if (!out.hasMenuData) problems.push_back({nvPath, recorder.first()});
  }
  if (!nvbPath.empty()) {
    RecordingPrompt recorder(nvbPath);
    std::string bytes;
    if (!readFile(nvbPath, bytes)) {
      problems.push_back({nvbPath, sj("ファイルを読み込めません")});
    } else if (!(out.hasBoxData = showResult(
                     parseBentoData(bytes, out.boxFoods, out.kitchen, nullptr), recorder))) {
      problems.push_back({nvbPath, recorder.first().empty() ? sj("お弁当の献立データが壊れています")
                                                            : recorder.first()});
    }
  }
  return problems;
}

DataFiles configuredDataFiles() {
  const Ini ini(iniFilePath());
  DataSettings data = DataSettings::defaults(programFolder());
  data.read(ini);
  return {dataFileForReading(data.dataBaseFileName), KitchenSettings::read(ini).dataFileToRead()};
}

}  // namespace nv
