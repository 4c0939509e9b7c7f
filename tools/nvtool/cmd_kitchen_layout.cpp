// nvtool kitchen-layout --screen WxH [--ini NV.ini] [--data NV.nvb] [--dist DIR]: where every
// part of the kitchen lands on a screen of that size, computed by the kitchen's own code.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bento/model/appliance_layout.h"
#include "bento/model/bento_data.h"
#include "bento/model/bento_pictures.h"
#include "bento/model/bmp_size.h"
#include "bento/model/kitchen_settings.h"
#include "bento/model/reizouko_grid.h"
#include "core/food.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "tools/nvtool/cmd_bento_common.h"
#include "tools/nvtool/commands.h"

namespace nvtool {
namespace {

bool parseScreen(const std::string& v, int& w, int& h) {
  const size_t x = v.find('x');
  if (x == std::string::npos) return false;
  char* end = nullptr;
  const std::string ws = v.substr(0, x), hs = v.substr(x + 1);
  w = int(std::strtol(ws.c_str(), &end, 10));
  if (ws.empty() || *end != '\0') return false;
  h = int(std::strtol(hs.c_str(), &end, 10));
  if (hs.empty() || *end != '\0') return false;
  return w > 0 && h > 0 && w <= 100000 && h <= 100000;
}

void printRect(const std::string& nameUtf8, const nv::KRect& r) {
  std::printf("%s\t%d\t%d\t%d\t%d\n", nameUtf8.c_str(), r.left, r.top, r.right, r.bottom);
}

// The folder beside nvtool's that holds the distribution (build/bin -> build/dist), else
// nvtool's own folder (an installed program folder).
std::string defaultDist() {
  const std::string own = nv::programFolder();
  const std::string dist = nv::joinPath(nv::folderOf(own), "dist");
  return nv::fileExists(nv::joinPath(dist, "NV.nvb")) ? dist : own;
}

int cmdKitchenLayout(const Args& args) {
  std::string screen, iniPath, dataPath, dist;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a != "--screen" && a != "--ini" && a != "--data" && a != "--dist")
      return usageError("kitchen-layout: unknown argument " + a);
    if (i + 1 == args.size()) return usageError(a + " needs a value");
    const std::string& v = args[++i];
    if (a == "--screen") screen = v;
    if (a == "--ini") iniPath = v;
    if (a == "--data") dataPath = v;
    if (a == "--dist") dist = v;
  }
  int W = 0, H = 0;
  if (!parseScreen(screen, W, H)) return usageError("kitchen-layout needs --screen WxH");
  dist = dist.empty() ? defaultDist() : nv::pathFromNative(dist);
  // The settings' defaults (NV.nvb, bentou/) follow the program folder.
  nv::setProgramFolder(dist);
  nv::Ini ini;
  const std::string iniCp =
      iniPath.empty() ? nv::joinPath(dist, "NV.ini") : nv::pathFromNative(iniPath);
  if (!ini.load(iniCp)) return failure("cannot read " + nv::cp932ToUtf8(iniCp));
  const nv::KitchenSettings settings = nv::KitchenSettings::read(ini);

  nv::TFoodData foods;
  nv::TDaidokoro kitchen;
  if (!dataPath.empty()) {
    if (!loadBentoData(dataPath, foods, kitchen)) return kFailed;
  } else {
    const std::string data = settings.dataFileToRead();
    // Without data the kitchen works with empty appliances; so does the layout.
    if (nv::fileExists(data)) loadBentoData(nv::cp932ToUtf8(data), foods, kitchen);
  }

  nv::KitchenPictureSizes pictures;
  pictures.box = nv::bmpFileSize(nv::fixedKitchenPicturePath(nv::FixedKitchenPicture::Box));
  pictures.boxFront =
      nv::bmpFileSize(nv::fixedKitchenPicturePath(nv::FixedKitchenPicture::BoxFront));
  pictures.coaster = nv::bmpFileSize(nv::fixedKitchenPicturePath(nv::FixedKitchenPicture::Coaster));
  const nv::KitchenAreas a = nv::computeKitchenAreas(W, H, pictures);

  std::printf("scale\t%s\n", nv::shortestDecimal(a.s).c_str());
  printRect("kitchen-overview", a.kitchenOverview);
  printRect("kitchen-working", a.kitchenWorking);
  printRect("exit", a.exit);
  printRect("book-overview", a.bookOverview);
  printRect("book-working", a.bookWorking);
  using A = nv::KitchenArea;
  printRect("refrigerator", a.appliance(A::Refrigerator));
  printRect("freezer", a.appliance(A::Freezer));
  printRect("frying-pan", a.appliance(A::FryingPan));
  printRect("pot", a.appliance(A::Pot));
  printRect("cupboard", a.appliance(A::Cupboard));
  printRect("rice-cooker", a.appliance(A::RiceCooker));
  printRect("oven", a.appliance(A::Oven));
  printRect("box-small", a.smallBox);
  printRect("box-large", a.largeBox);
  printRect("box-front", a.boxFront);
  printRect("coaster", a.coaster);
  printRect("coaster-area", a.coasterArea);
  printRect("graph-area", a.graph);

  const nv::KRect fridge =
      a.place(nv::appliancePictureRect(nv::readLayout(ini, nv::LayoutSection::Refrigerator), a.s));
  for (nv::LayoutSection section : nv::allLayoutSections()) {
    const nv::ApplianceLayout l = nv::readLayout(ini, section);
    const bool door = section == nv::LayoutSection::Door;
    const nv::KRect picture = door ? fridge : a.place(nv::appliancePictureRect(l, a.s));
    const nv::KRect dishes =
        door ? nv::doorDishRect(l, fridge, a.s) : a.place(nv::applianceDishRect(l, a.s));
    const std::string name = nv::cp932ToUtf8(nv::layoutSectionName(section));
    printRect("picture " + name, picture);
    printRect("dishes " + name, dishes);
    nv::NameList names;
    kitchen.dishesOfStorage(nv::storageNameOf(section), names);
    for (int style = 0; style <= 4; ++style) {
      const nv::ReizoukoGrid g =
          nv::layoutReizouko(dishes, l.maxCol, l.maxRaw, style, int(names.size()));
      std::printf("view %s\t%d\t%d\t%d\t%d\t%d\t%s\t%d\t%d\t%d\t%d\n", name.c_str(), style, g.d,
                  g.g, g.x0, g.y0, nv::pagingKindName(g.paging), g.pagingRect.left,
                  g.pagingRect.top, g.pagingRect.right, g.pagingRect.bottom);
    }
  }
  return kOk;
}

Registration reg{"kitchen-layout",
                 "kitchen-layout --screen WxH [--ini NV.ini] [--data NV.nvb] [--dist DIR]   "
                 "where the kitchen's parts land on that screen: the scale min(W/1024, H/768), "
                 "the areas of the kitchen centred at that scale (appliances as far as they "
                 "can be clicked on the screen), and per layout section its picture, dish area "
                 "and the cell grid of the five paging styles (picture sizes from DIR, by "
                 "default the distribution folder; the door's picture is the refrigerator's)",
                 cmdKitchenLayout};

}  // namespace
}  // namespace nvtool
