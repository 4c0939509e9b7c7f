#include "bento/kitchen_scene.h"

#include <QGuiApplication>
#include <QScreen>

#include "bento/kitchen_pictures.h"
#include "bento/lunch_box_document.h"
#include "bento/model/bento_data_file.h"
#include "bento/model/bento_pictures.h"
#include "bento/model/bmp_size.h"
#include "bento/model/kitchen_placing.h"
#include "bento/model/stored_names.h"
#include "bento/qt_geometry.h"
#include "platform/ini.h"
#include "platform/prompt.h"
#include "platform/result.h"
#include "platform/text.h"
#include "platform/user_folders.h"

namespace nv {

void KitchenScene::readSettingsAndData() {
  settings = KitchenSettings::read(Ini(iniFilePath()));
  showResult(loadBentoDataFile(settings.dataBaseFileName, foods, kitchen, nullptr, &prompt()),
             prompt());
}

void KitchenScene::layOut(QSize size) {
  const QImage box = loadTransparentBmp(fixedKitchenPicturePath(FixedKitchenPicture::Box));
  areas = computeKitchenAreas(size.width(), size.height(), kitchenPictureSizes(box));
}

bool KitchenScene::insideBox(const std::string& dish) const {
  return kitchen.placementName(dish) == boxPlacementName();
}

KRect KitchenScene::bounded(const KRect& rect) const {
  const QRect q = qRect(rect);
  return kRect(QRect(q.topLeft(),
                     q.size().boundedTo(QSize(areas.width, areas.height)).expandedTo(QSize(0, 0))));
}

KRect KitchenScene::placeStored(const PlacedDishRecord& r) const {
  const KRect stored{r.left, r.top, r.left + r.width, r.top + r.height};
  return bounded(placeStoredDish(areas, stored, insideBox(r.name)));
}

BoxGrade KitchenScene::grade(const LunchBoxDocument& box, GraphKind kind) const {
  return gradeBox(kitchen, box.dishNames(), box.child(), kind, foods);
}

QRect kitchenScreenGeometry() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

KitchenPictureSizes kitchenPictureSizes(const QImage& box) {
  return {kSize(box), bmpFileSize(fixedKitchenPicturePath(FixedKitchenPicture::BoxFront)),
          bmpFileSize(fixedKitchenPicturePath(FixedKitchenPicture::Coaster))};
}

}  // namespace nv
