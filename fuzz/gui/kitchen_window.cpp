// Fuzzes the way from a lunch-box save file to the kitchen's placed dishes, on the offscreen
// platform: the reader, then every dish made with its picture as the kitchen makes it. The
// kitchen is built once over a small program folder of its own (pictures, NV.nvb, NV.ini);
// whatever a file holds, it survives, and no placed dish is larger than the kitchen.
#include <QApplication>
#include <QColor>
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "bento/bentoubako_form.h"
#include "bento/model/bento_data.h"
#include "bento/model/bento_data_file.h"
#include "bento/selected_bentou_item.h"
#include "core/food.h"
#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "fuzz/scratch_folder.h"
#include "fuzz/silent_prompt.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

namespace {

void picture(const std::string& cp932Path, int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  image.setPixelColor(0, 0, Qt::white);  // the background colour the kitchen keys out
  if (!image.save(nv::toQ(cp932Path), "BMP")) std::abort();
}

// Two dishes of the box, one for the coaster, with pictures (the second only a small one).
void writeProgramFolder(const std::string& folder) {
  const std::string bentou = folder + "/bentou/";
  std::filesystem::create_directories(nv::toFsPath(bentou + "daidokoro"));
  picture(bentou + nv::sj("daidokoro/台所.bmp"), 256, 192, QColor(230, 220, 200));
  picture(bentou + nv::sj("daidokoro/弁当箱.bmp"), 300, 200, Qt::black);
  picture(bentou + nv::sj("daidokoro/弁当箱手前.bmp"), 300, 40, Qt::darkGray);
  picture(bentou + nv::sj("daidokoro/コースター.bmp"), 100, 60, Qt::darkYellow);
  picture(bentou + nv::sj("ごはん.bmp"), 64, 48, Qt::lightGray);
  picture(bentou + nv::sj("ごはんs.bmp"), 32, 24, Qt::lightGray);
  picture(bentou + nv::sj("たまごs.bmp"), 32, 32, Qt::yellow);
  picture(bentou + nv::sj("お茶.bmp"), 20, 40, Qt::green);

  nv::TFoodData foods;
  nv::TFood rice;
  rice.number = 1;
  rice.name = nv::sj("ごはん");
  rice.nutrients.fill(1);
  foods.setFoods({rice});
  nv::TDaidokoro k;
  k.Categories = nv::defaultBentoCategories();
  k.Placements = {nv::sj("弁当箱"), nv::sj("コースター")};
  k.Storages = {nv::sj("炊飯器"), nv::sj("冷蔵庫")};
  for (const char* name : {"ごはん", "たまご", "お茶"}) {
    nv::TBentouData d;
    d.Name = nv::sj(name);
    d.Foods = {{1, 100}};
    d.VolumeMl = 100;
    d.PlacementIndex = std::string(name) == "お茶" ? 1 : 0;
    k.Dishes.push_back(d);
  }
  k.renumber();
  nvfuzz::putFile(nv::toFsPath(folder + "/NV.nvb").string(), nv::bentoDataBytes(foods, k));
}

struct Kitchen {
  nv::TKojinData profile;
  nv::TGunName gunName;
  std::unique_ptr<nv::TBentoubakoForm> form;
  std::string boxFile;
};

Kitchen& kitchen() {
  static Kitchen* k = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_kitchen_window";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    nvfuzz::installSilentPrompt();
    const std::string folder = nv::fromFsPath(nvfuzz::scratchFolder());
    nv::setProgramFolder(folder);
    writeProgramFolder(folder);
    auto* made = new Kitchen;
    made->form = std::make_unique<nv::TBentoubakoForm>(made->profile, made->gunName, nv::sj("host"),
                                                       nv::KitchenPorts{}, QSize(1024, 768));
    made->boxFile = folder + "/box.nvub";
    return made;
  }();
  return *k;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Kitchen& k = kitchen();
  nvfuzz::putFile(nv::toFsPath(k.boxFile).string(),
                  std::string_view(reinterpret_cast<const char*>(data), size));
  if (k.form->loadFile(k.boxFile)) {
    for (const nv::TSelectedBentouItem* item : k.form->placedItems())
      if (item->width() > k.form->width() || item->height() > k.form->height()) std::abort();
  }
  k.form->document().setModified(false);
  k.form->New();
  return 0;
}
