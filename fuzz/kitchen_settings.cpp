// Fuzzes the typed readers of NV.ini: the kitchen's settings, the appliance layouts with the
// cell grid laid over them, and the planner's settings. Whatever the file holds, every number
// comes out within its range and nothing built from them overflows (UndefinedBehaviorSanitizer
// watches the arithmetic).
#include "bento/model/kitchen_settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "bento/model/appliance_layout.h"
#include "bento/model/reizouko_grid.h"
#include "planner/model/planner_settings.h"
#include "platform/ini.h"

namespace {

// Names the broken rule in the crash report.
#define check(ok)                                                   \
  do {                                                              \
    if (!(ok)) {                                                    \
      std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #ok); \
      std::abort();                                                 \
    }                                                               \
  } while (0)

void layouts(const nv::Ini& ini, int style) {
  for (double s : {0.5, 1.0, 1.875, 3.75}) {
    const nv::KRect fridge =
        nv::appliancePictureRect(nv::readLayout(ini, nv::LayoutSection::Refrigerator), s);
    for (nv::LayoutSection section : nv::allLayoutSections()) {
      const nv::ApplianceLayout l = nv::readLayout(ini, section);
      check(l.iRight >= 0 && l.iBottom >= 0 && l.iRight <= 4096 && l.iBottom <= 4096);
      check(l.maxCol >= 1 && l.maxRaw >= 1 && l.maxCol <= nv::kMaxGridSide &&
            l.maxRaw <= nv::kMaxGridSide);
      const nv::KRect picture = nv::appliancePictureRect(l, s);
      check(int64_t(picture.width()) * picture.height() <= int64_t(16384) * 16384);
      const nv::KRect area = section == nv::LayoutSection::Door ? nv::doorDishRect(l, fridge, s)
                                                                : nv::applianceDishRect(l, s);
      const nv::ReizoukoGrid grid = nv::layoutReizouko(area, l.maxCol, l.maxRaw, style, 100);
      check(grid.cells.size() == size_t(grid.pageSize()) && grid.d >= 0);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nv::Ini ini;
  ini.parse(std::string_view(reinterpret_cast<const char*>(data), size));

  const nv::KitchenSettings kitchen = nv::KitchenSettings::read(ini);
  check(kitchen.kondateIconSize >= 1 && kitchen.kondateIconSize <= 1024);
  check(kitchen.scrollBarStyle >= 0 && kitchen.scrollBarStyle <= 4);
  check(!kitchen.bmpFolder.empty());
  layouts(ini, kitchen.scrollBarStyle);

  const nv::ScreenRect workArea{0, 0, 1920, 1040};
  nv::PlannerSettings planner = nv::PlannerSettings::defaults("/opt/nv");
  planner.read(ini, workArea);
  check(planner.main.windowState >= 0 && planner.main.windowState <= 2);
  check(planner.data.fontSize >= 6 && planner.data.fontSize <= 72);
  check(planner.data.kaitenShuuki >= 30 && planner.data.kaitenShuuki <= 600);
  check(planner.details.page >= 0 && planner.details.page < nv::DetailsFormSettings::kPageCount);
  check(int64_t(planner.main.bounds.left) + planner.main.bounds.width < INT32_MAX);
  // The numbers the planner writes read back as themselves (the settings dialog writes its
  // own section when it closes; a path holding a line break does not survive a settings file).
  nv::Ini written;
  planner.write(written);
  nv::PlannerSettings back = nv::PlannerSettings::defaults("/opt/nv");
  back.read(written, workArea);
  auto numbers = [](nv::DataSettings d) {
    d.dataBaseFileName = d.addKondateFileName = d.bmpFolder = "";
    d.foodDataFile = d.kondateDataFile = d.sourceBmpFolder = "";
    return d;
  };
  check(back.main == planner.main && back.sel == planner.sel &&
        numbers(back.data) == numbers(planner.data));
  return 0;
}
