#pragma once
// The planner's last word on added dishes whose save failed: asked at exit.
#include <string>
#include <string_view>

namespace nv {

class TKondateData;

// At exit, while added dishes are still unsaved (their last write failed): writes them to
// addPath again. When that fails, asks whether to save them elsewhere (a save dialog; addPath
// then names the file written), to quit without them, or to stay (false: do not quit). The
// data file dataPath is never offered as elsewhere.
bool saveAddedDishesAtExit(TKondateData& dishes, std::string& addPath, std::string_view dataPath);

}  // namespace nv
