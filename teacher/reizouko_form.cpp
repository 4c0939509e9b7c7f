#include "teacher/reizouko_form.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "bento/model/appliance_layout.h"
#include "bento/qt_geometry.h"
#include "bento/reizouko.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "teacher/model/reizouko_preview.h"

using namespace Qt::StringLiterals;

namespace nv {

TReizoukoForm::TReizoukoForm(const std::string& picturePath, int style, bool shaped,
                             const std::string& pictureFolder, QWidget* parent)
    : QDialog(parent),
      image_(toQ(picturePath)),
      style_(style),
      shaped_(shaped),
      pictureFolder_(pictureFolder),
      host_(std::make_unique<ShowOnlyReizoukoHost>()) {
  if (shaped_)
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  else
    setWindowFlags(Qt::Tool | Qt::WindowCloseButtonHint);
  setMouseTracking(true);
}

TReizoukoForm::~TReizoukoForm() {
  mainView_.reset();
  doorView_.reset();
}

void TReizoukoForm::setMain(const KRect& area, int columns, int rows, const NameList& names) {
  main_ = {area, columns, rows, names, {}};
}

void TReizoukoForm::setDoor(const KRect& area, int columns, int rows, const NameList& names,
                            const std::string& doorName) {
  door_ = {area, columns, rows, names, doorName};
}

KRect TReizoukoForm::scaled(const KRect& edges) const {
  return scalePreviewRect(edges, {picture_.width(), picture_.height()}, {width(), height()});
}

QRect TReizoukoForm::shownRect() const {
  // Exactly where the kitchen draws the appliance at this scale.
  ApplianceLayout l;
  l.iLeft = picture_.x(), l.iTop = picture_.y();
  l.iRight = picture_.width(), l.iBottom = picture_.height();
  return qRect(appliancePictureRect(l, s_)).translated(origin_);
}

QRect TReizoukoForm::pictureRect() const {
  const QRect shown = shownRect(), now = geometry();
  return {designNumber(now.x() - origin_.x(), shown.x() - origin_.x(), picture_.x(), s_),
          designNumber(now.y() - origin_.y(), shown.y() - origin_.y(), picture_.y(), s_),
          designNumber(now.width(), shown.width(), picture_.width(), s_),
          designNumber(now.height(), shown.height(), picture_.height(), s_)};
}

KRect TReizoukoForm::designArea(const KRect& edges) const {
  const QRect now = pictureRect();
  return scalePreviewRect(edges, {picture_.width(), picture_.height()},
                          {now.width(), now.height()});
}

void TReizoukoForm::rebuild() {
  mainView_.reset();
  doorView_.reset();
  auto make = [&](const Part& p) {
    auto v = std::make_unique<TReizouko>(*host_, this, qRect(scaled(p.area)), p.columns, p.rows,
                                         style_, pictureFolder_, p.names, 12);
    v->setBrowseMode(true);
    v->setVisible(true);
    return v;
  };
  mainView_ = make(main_);
  if (!door_.names.empty()) doorView_ = make(door_);
  // The caption follows the mouse over the cells and paging controls too.
  for (QWidget* child : findChildren<QWidget*>()) {
    child->setMouseTracking(true);
    child->removeEventFilter(this);
    child->installEventFilter(this);
  }
  updateCaption(mouse_);
}

void TReizoukoForm::updateShape() {
  if (!shaped_ || image_.isNull() || size() == shapeSize_) return;
  shapeSize_ = size();
  const QImage stretched = image_.scaled(size());
  const QColor key = stretched.pixelColor(0, 0);
  setMask(QBitmap::fromImage(stretched.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
}

void TReizoukoForm::showEvent(QShowEvent* event) {
  setGeometry(shownRect());
  updateShape();
  QDialog::showEvent(event);
  rebuild();
}

void TReizoukoForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  updateShape();
  if (isVisible()) rebuild();
}

void TReizoukoForm::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  updateCaption(mouse_);
}

void TReizoukoForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (!image_.isNull()) p.drawImage(rect(), image_);
}

void TReizoukoForm::updateCaption(QPoint mouse) {
  mouse_ = mouse;
  if (shaped_) return;
  // The numbers the spin boxes will take (design pixels), and the scale they are shown at.
  std::vector<PreviewArea> areas{{{}, main_.names.size(), mainArea()}};
  if (!door_.names.empty()) areas.push_back({door_.name, door_.names.size(), doorArea()});
  const std::string title =
      s_ == 1 ? title_ : title_ + fromQ(u"（表示倍率 "_s) + cformat("%.2f", s_) + fromQ(u"）"_s);
  setWindowTitle(toQ(previewCaption(title, kRect(pictureRect()), mouse.x(), mouse.y(), areas)));
}

void TReizoukoForm::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) grab_ = event->globalPosition().toPoint() - pos();
}

void TReizoukoForm::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - grab_);
  updateCaption(event->position().toPoint());
}

bool TReizoukoForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove)
    if (auto* w = qobject_cast<QWidget*>(watched))
      updateCaption(w->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint()));
  return QDialog::eventFilter(watched, event);
}

void TReizoukoForm::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* close = menu.addAction(u"閉じる(&C)"_s);
  if (menu.exec(event->globalPos()) == close) accept();
}

}  // namespace nv
