#include "bento/reizouko.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>

#include "bento/kitchen_pictures.h"
#include "bento/model/bento_pictures.h"
#include "bento/qt_geometry.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

// A flat paging button that is all arrow: a tool button's frame and padding would leave a
// 16-pixel button room for half of it.
class PagingArrow : public QToolButton {
 public:
  PagingArrow(bool forward, QWidget* parent) : QToolButton(parent), forward_(forward) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    // A light disc keeps the arrow readable on any picture; it darkens under the mouse.
    p.setPen(QPen(QColor(60, 40, 20), 1));
    p.setBrush(isDown()       ? QColor(255, 220, 160)
               : underMouse() ? QColor(255, 244, 214)
                              : QColor(255, 255, 255, 230));
    p.drawEllipse(r);
    const double w = r.width(), h = r.height(), x = r.left(), y = r.top();
    QPolygonF tri;
    if (forward_)
      tri << QPointF(x + w * 0.34, y + h * 0.2) << QPointF(x + w * 0.8, y + h * 0.5)
          << QPointF(x + w * 0.34, y + h * 0.8);
    else
      tri << QPointF(x + w * 0.66, y + h * 0.2) << QPointF(x + w * 0.2, y + h * 0.5)
          << QPointF(x + w * 0.66, y + h * 0.8);
    p.setBrush(isEnabled() ? QColor(240, 140, 20) : QColor(190, 190, 190));
    p.drawPolygon(tri);
  }

 private:
  bool forward_;
};

}  // namespace

QImage ShowOnlyReizoukoHost::dishImage(const std::string& cp932Path) {
  return loadTransparentBmp(cp932Path);
}

TBentouItem::TBentouItem(TReizouko& view, QWidget* parent, const QRect& home)
    : QWidget(parent), view_(view), home_(home.topLeft()) {
  setGeometry(home);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_NoSystemBackground);
}

void TBentouItem::setDish(const std::string& name) {
  name_ = name;
  setToolTip(toQ(name));
  setAccessibleName(toQ(name));
  // An empty cell offers nothing: Tab passes it by.
  setFocusPolicy(name.empty() ? Qt::NoFocus : Qt::StrongFocus);
  setAccessibleDescription(name.empty()         ? QString()
                           : view_.browseMode() ? u"Enterで作り方を見ます"_s
                                                : u"Enterでお弁当箱に入れます"_s);
  hasSmall_ = !name.empty() && fileExists(dishSmallPicturePath(view_.pictureFolder(), name));
  render(false);
  update();
}

void TBentouItem::render(bool small) {
  if (name_.empty()) {
    pixmap_ = QPixmap();
    return;
  }
  const std::string path = small ? dishSmallPicturePath(view_.pictureFolder(), name_)
                                 : dishPicturePath(view_.pictureFolder(), name_);
  QImage picture = view_.host().dishImage(path);
  // A cell whose normal picture is missing keeps showing its small one after a drag.
  if (picture.isNull() && !small && hasSmall_)
    picture = view_.host().dishImage(dishSmallPicturePath(view_.pictureFolder(), name_));
  pixmap_ = renderDishPixmap(picture, size(), toQ(name_), false, view_.host().hasHowToMake(name_),
                             view_.fontPixels());
}

void TBentouItem::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!pixmap_.isNull()) p.drawPixmap(0, 0, pixmap_);
  if (hasFocus()) {
    p.setPen(QPen(QColor(255, 140, 0), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -1, -1));
  }
}

void TBentouItem::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton || name_.empty() || view_.browseMode()) return;
  if (hasSmall_) {
    render(true);
    update();
  }
  Dragging = true;
  raise();
  GrabX = int(event->position().x());
  GrabY = int(event->position().y());
}

void TBentouItem::mouseMoveEvent(QMouseEvent* event) {
  if (!Dragging) return;
  move(x() + int(event->position().x()) - GrabX, y() + int(event->position().y()) - GrabY);
}

void TBentouItem::mouseReleaseEvent(QMouseEvent* event) {
  if (view_.browseMode()) {
    // The release that ends a double-click is not a second click.
    const bool second = afterDoubleClick_;
    afterDoubleClick_ = false;
    if (!second && event->button() == Qt::LeftButton && !name_.empty() &&
        rect().contains(event->pos()))
      view_.host().showHowToMake(name_);
    return;
  }
  if (Dragging) endDrag();
}

void TBentouItem::endDrag() {
  Dragging = false;
  if (hasSmall_) {
    render(false);
    update();
  }
  if (pos() != home_) {
    const QPoint centre(x() + width() / 2, y() + height() / 2);
    const std::string name = name_;
    move(home_);
    view_.host().dropDish(name, centre);
  }
}

void TBentouItem::mouseDoubleClickEvent(QMouseEvent* event) {
  if (view_.browseMode()) afterDoubleClick_ = true;
  if (event->button() != Qt::LeftButton || name_.empty() || view_.browseMode()) return;
  view_.host().addDishAtCentre(name_);
}

void TBentouItem::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !name_.empty()) {
    if (view_.browseMode())
      view_.host().showHowToMake(name_);
    else
      view_.host().addDishAtCentre(name_);
    return;
  }
  QWidget::keyPressEvent(event);
}

void TBentouItem::contextMenuEvent(QContextMenuEvent* event) {
  if (name_.empty() || view_.browseMode()) return;
  raise();
  QMenu menu(this);
  QAction* add = menu.addAction(u"追加(&A)"_s);
  QAction* how = menu.addAction(u"作り方(&H)"_s);
  how->setVisible(view_.host().hasHowToMake(name_));
  const std::string name = name_;
  ReizoukoHost& host = view_.host();
  QAction* chosen = menu.exec(event->globalPos());
  // The view may be gone after the menu (the host acts on the name only).
  if (chosen == add) host.addDishAtCentre(name);
  if (chosen == how) host.showHowToMake(name);
}

void TBentouItem::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void TBentouItem::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

TReizouko::TReizouko(ReizoukoHost& host, QWidget* parent, const QRect& area, int columns, int rows,
                     int style, const std::string& pictureFolder, const NameList& names,
                     int fontPixels)
    : QObject(parent),
      host_(host),
      Names(names),
      PictureFolder(pictureFolder),
      fontPixels_(fontPixels) {
  grid_ = layoutReizouko(kRect(area), columns, rows, style, int(Names.size()));
  Frame = new QFrame(parent);
  Frame->setFrameShape(QFrame::Box);
  Frame->setGeometry(area);
  Frame->hide();

  const int count = int(Names.size());
  if (grid_.paging == PagingKind::Buttons) {
    BackButton = new PagingArrow(false, parent);
    ForwardButton = new PagingArrow(true, parent);
    for (QToolButton* b : {BackButton, ForwardButton}) {
      b->setAutoRaise(true);
      b->setAttribute(Qt::WA_Hover);
      b->setFocusPolicy(Qt::TabFocus);
    }
    BackButton->setGeometry(qRect(grid_.backButton));
    ForwardButton->setGeometry(qRect(grid_.forwardButton));
    BackButton->setAccessibleName(u"戻る"_s);
    ForwardButton->setAccessibleName(u"進む"_s);
    connect(BackButton, &QToolButton::clicked, this, &TReizouko::back);
    connect(ForwardButton, &QToolButton::clicked, this, &TReizouko::forward);
    BackButton->show();
    ForwardButton->show();
  } else if (grid_.paging != PagingKind::None) {
    ScrollBar =
        new QScrollBar(grid_.paging == PagingKind::HScroll ? Qt::Horizontal : Qt::Vertical, parent);
    ScrollBar->setGeometry(qRect(grid_.pagingRect));
    ScrollBar->setRange(0, count - 1);
    ScrollBar->setPageStep(grid_.pageSize());
    connect(ScrollBar, &QScrollBar::valueChanged, this, &TReizouko::scrollTo);
    ScrollBar->show();
  }
  Cells.reserve(grid_.cells.size());
  for (const KRect& c : grid_.cells) {
    auto* cell = new TBentouItem(*this, parent, qRect(c));
    Cells.push_back(cell);
  }
  fill(0);
  for (TBentouItem* cell : Cells) cell->show();
  // Nothing of the view lies over its paging buttons.
  for (QToolButton* b : {BackButton, ForwardButton})
    if (b) b->raise();
}

TReizouko::~TReizouko() {
  for (TBentouItem* cell : Cells) cell->deleteLater();
  for (QWidget* w : {static_cast<QWidget*>(BackButton), static_cast<QWidget*>(ForwardButton),
                     static_cast<QWidget*>(ScrollBar), static_cast<QWidget*>(Frame)})
    if (w) {
      w->hide();
      w->deleteLater();
    }
  for (TBentouItem* cell : Cells) cell->hide();
}

void TReizouko::fill(int index) {
  FirstIndex = index;
  for (TBentouItem* cell : Cells) {
    cell->setDish(index >= 0 && index < int(Names.size()) ? Names[size_t(index)] : std::string());
    ++index;
  }
}

void TReizouko::back() { fill(pageBack(FirstIndex, grid_.pageSize())); }

void TReizouko::forward() {
  const int next = pageForward(FirstIndex, grid_.pageSize(), int(Names.size()));
  if (next != FirstIndex) fill(next);
}

void TReizouko::scrollTo(int position) { fill(position); }

void TReizouko::setBrowseMode(bool on) { browse_ = on; }

void TReizouko::setVisible(bool visible) {
  for (TBentouItem* cell : Cells) cell->setVisible(visible);
  for (QWidget* w : {static_cast<QWidget*>(BackButton), static_cast<QWidget*>(ForwardButton),
                     static_cast<QWidget*>(ScrollBar)})
    if (w) w->setVisible(visible);
}

}  // namespace nv
