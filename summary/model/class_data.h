#pragma once
// The data files a class's saved files are measured with: NV.nv for the menus, NV.nvb for the
// lunch boxes. Either may be missing; the files of that kind then say so.
#include <memory>
#include <string>
#include <vector>

#include "bento/model/bento_data.h"
#include "core/food.h"
#include "core/kondate_data.h"
#include "summary/model/class_summary.h"

namespace nv {

struct ClassData {
  TFoodData menuFoods;
  TKondateData dishes;
  bool hasMenuData = false;
  TFoodData boxFoods;
  TDaidokoro kitchen;
  bool hasBoxData = false;

  SummaryData view() const;
};

struct DataProblem {
  std::string path, reason;  // CP932
};

// Reads the files named (an empty path: not given). Nothing is shown; a file named but not
// readable is returned with the reason.
std::vector<DataProblem> loadClassData(const std::string& nvPath, const std::string& nvbPath,
                                       ClassData& out);

// The NV.nv the planner reads and the NV.nvb the kitchen reads, as NV.ini sets them.
struct DataFiles {
  std::string nv, nvb;  // CP932
};
DataFiles configuredDataFiles();

}  // namespace nv
