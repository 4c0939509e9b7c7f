// The kitchen's appliances and the dishes placed in the box.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include "bento/bentoubako_form.h"
#include "bento/model/bento_pictures.h"
#include "bento/model/kitchen_placing.h"
#include "bento/onigiri_bouya_form.h"
#include "bento/qt_geometry.h"
#include "bento/selected_bentou_item.h"
#include "core/kojin_data.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {
int dishFontPixels(double s) { return std::max(11, scaled(12, s)); }
}  // namespace

QImage TBentoubakoForm::dishImage(const std::string& cp932Path) {
  return pictures_.transparent(cp932Path);
}

bool TBentoubakoForm::hasHowToMake(const std::string& dish) {
  const QString key = toQ(dish);
  auto it = howToMake_.find(key);
  if (it == howToMake_.end())
    it = howToMake_.insert(key, kitchen_.hasRecipe(dish) || fileExists(dishExplanationPath(dish)));
  return it.value();
}

void TBentoubakoForm::showHowToMake(const std::string& dish) {
  if (ports_.recipes)
    ports_.recipes->showHowToMake(*this, dish);
  else
    prompt().message(dish);
  if (BoxFront->isVisible()) BoxFront->raise();
}

void TBentoubakoForm::dropDish(const std::string& dish, QPoint centre) { addDish(dish, centre); }

void TBentoubakoForm::addDishAtCentre(const std::string& dish) {
  // Dishes added one after another would pile on one spot: each takes the next free place.
  addDishAtNextPlace(dish);
}

void TBentoubakoForm::openAppliance(LayoutSection section) {
  if (overview_) return;
  closeAppliance();
  const Ini ini(iniPath());
  const double s = scale();
  const ApplianceLayout layout = readLayout(ini, section);
  const KRect picture = areas_.place(appliancePictureRect(layout, s));
  applianceRect_ = qRect(picture);
  // Scaled once per appliance and size: opening it again only draws.
  const QString key = toQ(kitchenPicturePath(settings_.bmpFolder, applianceOf(section))) +
                      QString::number(applianceRect_.width()) + QLatin1Char('x') +
                      QString::number(applianceRect_.height());
  auto cached = appliancePixmaps_.find(key);
  if (cached == appliancePixmaps_.end())
    cached =
        appliancePixmaps_.insert(key, scaledPixmap(pictures_.transparent(kitchenPicturePath(
                                                       settings_.bmpFolder, applianceOf(section))),
                                                   applianceRect_.size()));
  appliancePixmap_ = cached.value();
  openSection_ = section;
  NameList names;
  kitchen_.dishesOfStorage(storageNameOf(section), names);
  const int font = dishFontPixels(s);
  view_ = std::make_unique<TReizouko>(
      *this, this, qRect(areas_.place(applianceDishRect(layout, s))), layout.maxCol, layout.maxRaw,
      settings_.scrollBarStyle, settings_.bmpFolder, names, font);
  if (section == LayoutSection::Refrigerator) {
    const ApplianceLayout door = readLayout(ini, LayoutSection::Door);
    NameList doorNames;
    kitchen_.dishesOfStorage(storageNameOf(LayoutSection::Door), doorNames);
    if (!doorNames.empty())
      door_ = std::make_unique<TReizouko>(*this, this, qRect(doorDishRect(door, picture, s)),
                                          door.maxCol, door.maxRaw, settings_.scrollBarStyle,
                                          settings_.bmpFolder, doorNames, font);
  }
  redraw(applianceRect_);
  updateStatusLine();
}

void TBentoubakoForm::closeAppliance() {
  if (ports_.recipes) ports_.recipes->closeBook();
  if (!view_) return;
  view_.reset();
  door_.reset();
  appliancePixmap_ = QPixmap();
  redraw(applianceRect_);
  updateStatusLine();
}

bool TBentoubakoForm::insideBox(const std::string& dish) const {
  return kitchen_.placementName(dish) == sj("弁当箱");
}

std::vector<TSelectedBentouItem*> TBentoubakoForm::placedItems() const {
  std::vector<TSelectedBentouItem*> out;
  for (const PlacedDish& d : document_.dishes().dishes()) out.push_back(items_.value(d.serial));
  return out;
}

TSelectedBentouItem* TBentoubakoForm::placedItem(int32_t serial) const {
  return items_.value(serial, nullptr);
}

KRect TBentoubakoForm::boundedDishRect(const KRect& rect) const {
  // No dish is larger than the kitchen: a size from a file or a huge size factor must not
  // make a picture of gigabytes.
  const QRect q = qRect(rect);
  return kRect(QRect(
      q.topLeft(), q.size().boundedTo(QSize(areas_.width, areas_.height)).expandedTo(QSize(0, 0))));
}

TSelectedBentouItem* TBentoubakoForm::createItem(const PlacedDish& dish) {
  const std::string& name = dish.name;
  QImage picture = pictures_.transparent(dishSmallPicturePath(settings_.bmpFolder, name));
  if (picture.isNull()) picture = pictures_.transparent(dishPicturePath(settings_.bmpFolder, name));
  const QRect r = qRect(dish.rect);
  const QPixmap pm =
      renderDishPixmap(picture, r.size(), toQ(name), true, false, dishFontPixels(scale()));
  auto* item = new TSelectedBentouItem(*this, dish.serial, name, r, pm);
  item->setAccessibleDescription(insideBox(name) ? u"お弁当箱の中の料理"_s
                                                 : u"コースターの上の飲み物"_s);
  items_.insert(dish.serial, item);
  item->show();
  return item;
}

void TBentoubakoForm::placeNewDish(const std::string& name, std::optional<QPoint> drop) {
  // The drop point is where the dish's centre was let go, in window pixels: only the size
  // follows the kitchen's scale, so the dish lands under the child's hand.
  const int size = placedPictureSize(settings_.kondateIconSize, kitchen_.sizeFactor(name));
  if (!document_.dishes().empty()) {
    if (!boxTakesDish(kitchen_, document_.dishNames(), name, document_.child().lunchBoxCapacity)) {
      showFullBox();
      return;
    }
    if (ports_.riceBall) ports_.riceBall->close();
  }
  QImage picture = pictures_.transparent(dishSmallPicturePath(settings_.bmpFolder, name));
  if (picture.isNull()) picture = pictures_.transparent(dishPicturePath(settings_.bmpFolder, name));
  const KSize pictureSize = picture.isNull() ? KSize{} : KSize{picture.width(), picture.height()};
  KRect r;
  if (drop) {
    r = newPlacedDishRect(drop->x(), drop->y(), size, scale(), pictureSize);
  } else {
    const KRect sized = newPlacedDishRect(0, 0, size, scale(), pictureSize);
    std::vector<KRect> taken;
    for (const PlacedDish& d : document_.dishes().dishes()) taken.push_back(d.rect);
    r = nextFreePlace(areas_, {sized.width(), sized.height()}, insideBox(name), taken);
  }
  const int32_t serial = document_.addDish(name, boundedDishRect(r));
  TSelectedBentouItem* item = createItem(*document_.dishes().find(serial));
  confineDish(*item);
  recomputeGraph();
  if (showGraph_) redraw();
  rebuildBringToFrontMenu();
  updateStatusLine();
}

void TBentoubakoForm::showFullBox() {
  if (ports_.riceBall) {
    ports_.riceBall->show(*this, RiceBallPort::kFullMood);
    return;
  }
  // Until the rice ball has its own window: its "full" face beside the button for a moment.
  auto* face = new QLabel(this);
  face->setObjectName(QStringLiteral("fullFace"));
  const QImage img = loadTransparentBmp(riceBallPicturePath(RiceBallPort::kFullMood, 1));
  QImage shown;
  if (!img.isNull()) {
    const KSize fit =
        fitPicture({img.width(), img.height()}, {scaled(160, scale()), scaled(160, scale())});
    shown = img.scaled(fit.width, fit.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  shown =
      withSpokenWords(shown, fullBoxWords(), std::max(14, scaled(16, scale())), Qt::transparent);
  face->setPixmap(QPixmap::fromImage(shown));
  face->setAccessibleName(fullBoxWords());
  face->adjustSize();
  face->move(width() - face->width() - 8, 8);
  face->show();
  QTimer::singleShot(2500, face, &QObject::deleteLater);
}

void TBentoubakoForm::confineDish(TSelectedBentouItem& item) {
  const bool box = insideBox(item.dishName());
  const KRect bounds = confinementBounds(areas_, box);
  const KRect r =
      confine({item.x(), item.y(), item.x() + item.width(), item.y() + item.height()}, bounds);
  item.move(r.left, r.top);
  document_.moveDish(item.Serial(), r);
  if (box && frontCoversDish(areas_, r)) BoxFront->raise();
}

void TBentoubakoForm::raiseFrontOver(const TSelectedBentouItem& item) {
  if (insideBox(item.dishName()) && item.y() + item.height() >= areas_.boxFront.top)
    BoxFront->raise();
}

void TBentoubakoForm::startBringToFrontTimer(int32_t serial) {
  frontSerial_ = serial;
  frontTimer_.start();
}

void TBentoubakoForm::startDeleteTimer(int32_t serial) {
  deleteSerial_ = serial;
  deleteTimer_.start();
}

void TBentoubakoForm::fireTimers() {
  if (frontTimer_.isActive()) {
    frontTimer_.stop();
    bringToFrontNow();
  }
  if (deleteTimer_.isActive()) {
    deleteTimer_.stop();
    deletePlaced(deleteSerial_);
  }
}

void TBentoubakoForm::bringToFrontNow() { document_.bringToFront(frontSerial_); }

void TBentoubakoForm::bringToFrontFromMenu(int32_t serial) {
  TSelectedBentouItem* item = placedItem(serial);
  if (!item) return;
  item->raise();
  raiseFrontOver(*item);
  startBringToFrontTimer(serial);
}

void TBentoubakoForm::removeTopDish() {
  if (document_.dishes().empty()) return;
  startDeleteTimer(document_.dishes().topSerial());
}

void TBentoubakoForm::deletePlaced(int32_t serial) {
  TSelectedBentouItem* item = items_.take(serial);
  if (!item) return;
  if (ports_.riceBall) ports_.riceBall->close();
  document_.removeDish(serial);
  item->hide();
  item->deleteLater();
  rebuildBringToFrontMenu();
  recomputeGraph();
  if (showGraph_) redraw();
  updateStatusLine();
}

void TBentoubakoForm::clearItems() {
  for (TSelectedBentouItem* item : items_) {
    item->hide();
    item->deleteLater();
  }
  items_.clear();
}

void TBentoubakoForm::removeAllDishes() {
  if (document_.dishes().empty()) return;
  clearItems();
  document_.removeAllDishes();
  rebuildBringToFrontMenu();
  recomputeGraph();
  if (showGraph_) redraw();
  updateStatusLine();
}

void TBentoubakoForm::rebuildBringToFrontMenu() {
  BringToFrontMenu->clear();
  for (const PlacedDish& d : document_.dishes().dishes()) {
    QAction* a = BringToFrontMenu->addAction(toQ(d.name));
    a->setData(d.serial);
  }
  BringToFrontMenu->menuAction()->setVisible(!document_.dishes().empty());
}

}  // namespace nv
