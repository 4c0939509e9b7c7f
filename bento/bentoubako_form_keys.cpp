// The kitchen without a mouse: Tab and the arrows move a visible focus between the things a
// child can click, Enter uses it, and a placed dish with the focus moves with the arrows.
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

#include "bento/bentoubako_form.h"
#include "bento/model/appliance_layout.h"
#include "bento/qt_geometry.h"
#include "bento/selected_bentou_item.h"
#include "core/kojin_data.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

std::vector<int32_t> serialsOf(const PlacedDishes& placed) {
  std::vector<int32_t> out;
  for (const PlacedDish& d : placed.dishes()) out.push_back(d.serial);
  return out;
}

}  // namespace

bool TBentoubakoForm::focusNextPrevChild(bool next) {
  // Inside an opened appliance Tab goes from dish to dish as it always did.
  if (QWidget* f = focusWidget(); f && f != this && view_) return QWidget::focusNextPrevChild(next);
  keyFocusShown_ = true;
  setKeyFocus(stepFocus(kitchenFocusRing(overview_, serialsOf(document_.dishes())), keyFocus_,
                        next ? 1 : -1));
  return true;
}

bool TBentoubakoForm::kitchenKey(QKeyEvent* event) {
  const std::vector<KitchenFocus> ring = kitchenFocusRing(overview_, serialsOf(document_.dishes()));
  const bool onDish = keyFocusShown_ && keyFocus_.kind == KitchenFocus::Kind::Dish &&
                      items_.contains(keyFocus_.serial);
  const int step = std::max(4, scaled(8, scale()));
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Up: {
      const bool forward = event->key() == Qt::Key_Right || event->key() == Qt::Key_Down;
      if (onDish) {
        const bool horizontal = event->key() == Qt::Key_Right || event->key() == Qt::Key_Left;
        const int d = forward ? step : -step;
        moveFocusedDish(horizontal ? d : 0, horizontal ? 0 : d);
      } else {
        keyFocusShown_ = true;
        setKeyFocus(stepFocus(ring, keyFocus_, forward ? 1 : -1));
      }
      return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (std::find(ring.begin(), ring.end(), keyFocus_) == ring.end()) {
        keyFocusShown_ = true;
        setKeyFocus(ring.front());
        return true;
      }
      activateKeyFocus();
      return true;
    case Qt::Key_Delete:
      if (!onDish || (event->modifiers() & Qt::ShiftModifier)) return false;
      {
        // The focus goes on to the next thing, as if the dish had never been there.
        const int32_t serial = keyFocus_.serial;
        setKeyFocus(stepFocus(ring, keyFocus_, 1));
        startDeleteTimer(serial);
      }
      return true;
    case Qt::Key_Escape:
      if (!view_) return false;
      // Back from the opened appliance to the kitchen, the focus on that appliance.
      for (const KitchenFocus& f : ring)
        if (f.kind == KitchenFocus::Kind::Area && isAppliance(f.area) &&
            sectionOfArea(f.area) == openSection_)
          keyFocus_ = f;
      closeAppliance();
      setFocus(Qt::OtherFocusReason);
      keyFocusShown_ = true;
      update();
      return true;
    default:
      return false;
  }
}

QString TBentoubakoForm::keyFocusDescription() const {
  switch (keyFocus_.kind) {
    case KitchenFocus::Kind::Exit:
      return u"でぐち：Enterでお弁当箱をやめます"_s;
    case KitchenFocus::Kind::RiceBall:
      return u"おにぎりくん：Enterでお弁当のできばえがわかります"_s;
    case KitchenFocus::Kind::Dish: {
      const PlacedDish* d = document_.dishes().find(keyFocus_.serial);
      return d ? toQ(d->name) + u"：矢印キーで動かし、Deleteで取り出します"_s : QString();
    }
    case KitchenFocus::Kind::Area:
      break;
  }
  if (keyFocus_.area == KitchenArea::SmallBox)
    return u"小さなお弁当箱：Enterで名前を入れて、お弁当作りを始めます"_s;
  if (keyFocus_.area == KitchenArea::RecipeBook) return u"料理の本：Enterで開きます"_s;
  if (!isAppliance(keyFocus_.area)) return {};
  return toQ(layoutSectionName(sectionOfArea(keyFocus_.area))) +
         u"：Enterで開いて、中の料理を見ます"_s;
}

void TBentoubakoForm::setKeyFocus(const KitchenFocus& focus) {
  const KitchenFocus before = keyFocus_;
  keyFocus_ = focus;
  // A screen reader hears what the frame is on: the appliances are painted, not widgets.
  setAccessibleDescription(keyFocusDescription());
  for (const KitchenFocus& f : {before, focus})
    if (f.kind == KitchenFocus::Kind::Dish)
      if (TSelectedBentouItem* item = items_.value(f.serial)) item->update();
  update();
}

void TBentoubakoForm::activateKeyFocus() {
  keyFocusShown_ = true;
  update();
  switch (keyFocus_.kind) {
    case KitchenFocus::Kind::Exit:
      close();
      return;
    case KitchenFocus::Kind::RiceBall:
      showResult();
      return;
    case KitchenFocus::Kind::Dish:
      return;
    case KitchenFocus::Kind::Area:
      break;
  }
  const KitchenArea a = keyFocus_.area;
  if (a == KitchenArea::SmallBox) {
    if (NameSetting()) switchToWorkingView();
    return;
  }
  if (a == KitchenArea::RecipeBook) {
    closeAppliance();
    if (ports_.recipes) ports_.recipes->openBook(*this);
    return;
  }
  if (!isAppliance(a)) return;
  openAppliance(sectionOfArea(a));
  // The first dish takes the focus: Enter adds it, Tab goes on, Escape comes back here.
  if (view_ && !view_->cells().empty()) view_->cells().front()->setFocus(Qt::TabFocusReason);
}

void TBentoubakoForm::moveFocusedDish(int dx, int dy) {
  TSelectedBentouItem* item = items_.value(keyFocus_.serial);
  if (!item) return;
  item->move(item->pos() + QPoint(dx, dy));
  confineDish(*item);
}

QRect TBentoubakoForm::keyFocusRect() const {
  switch (keyFocus_.kind) {
    case KitchenFocus::Kind::Exit:
      return qRect(areas_.exit);
    case KitchenFocus::Kind::RiceBall:
      return RiceBallButton->geometry();
    case KitchenFocus::Kind::Dish:
      return {};
    case KitchenFocus::Kind::Area:
      break;
  }
  if (keyFocus_.area == KitchenArea::SmallBox) return qRect(areas_.smallBox);
  if (keyFocus_.area == KitchenArea::RecipeBook) return qRect(areas_.book(overview_));
  return qRect(areas_.appliance(keyFocus_.area));
}

void TBentoubakoForm::paintKeyFocus(QPainter& p) {
  if (!keyFocusShown_ || view_) return;
  const QRect r = keyFocusRect().intersected(rect().adjusted(2, 2, -2, -2));
  if (r.isEmpty()) return;
  // A thick orange frame in a white one: it shows on the light wall and on dark appliances.
  const int w = std::max(3, scaled(4, scale()));
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, w + 4));
  p.drawRoundedRect(r, 8, 8);
  p.setPen(QPen(QColor(255, 110, 0), w));
  p.drawRoundedRect(r, 8, 8);
}

}  // namespace nv
