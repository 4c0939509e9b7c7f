#include "bento/selected_bentou_item.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "bento/bentoubako_form.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {

TSelectedBentouItem::TSelectedBentouItem(TBentoubakoForm& kitchen, int32_t serial,
                                         const std::string& name, const QRect& rect,
                                         const QPixmap& pixmap)
    : QWidget(&kitchen), kitchen_(kitchen), serial_(serial), name_(name), pixmap_(pixmap) {
  setGeometry(rect);
  setToolTip(toQ(name));
  setAccessibleName(toQ(name));
  setAttribute(Qt::WA_NoSystemBackground);
}

void TSelectedBentouItem::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, pixmap_);
  if (kitchen_.dishHasKeyFocus(serial_)) {
    // The keyboard's dish: the arrows move it, Delete takes it out.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 5));
    p.drawRoundedRect(QRectF(rect()).adjusted(3, 3, -3, -3), 6, 6);
    p.setPen(QPen(QColor(255, 110, 0), 3));
    p.drawRoundedRect(QRectF(rect()).adjusted(3, 3, -3, -3), 6, 6);
  }
}

void TSelectedBentouItem::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton || name_.empty()) return;
  Dragging = true;
  raise();
  GrabX = int(event->position().x());
  GrabY = int(event->position().y());
  kitchen_.startBringToFrontTimer(serial_);
}

void TSelectedBentouItem::mouseMoveEvent(QMouseEvent* event) {
  if (!Dragging) return;
  move(x() + int(event->position().x()) - GrabX, y() + int(event->position().y()) - GrabY);
}

void TSelectedBentouItem::mouseReleaseEvent(QMouseEvent*) {
  if (!Dragging) return;
  Dragging = false;
  kitchen_.confineDish(*this);
}

void TSelectedBentouItem::contextMenuEvent(QContextMenuEvent* event) {
  raise();
  QMenu menu(this);
  QAction* del = menu.addAction(u"削除(&D)"_s);
  QAction* how = menu.addAction(u"作り方(&H)"_s);
  how->setVisible(kitchen_.hasHowToMake(name_));
  const int32_t serial = serial_;
  const std::string name = name_;
  TBentoubakoForm& kitchen = kitchen_;
  QAction* chosen = menu.exec(event->globalPos());
  if (chosen == del) kitchen.startDeleteTimer(serial);
  if (chosen == how) kitchen.showHowToMake(name);
}

}  // namespace nv
