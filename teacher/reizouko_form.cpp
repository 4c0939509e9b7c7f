#include "teacher/reizouko_form.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "bento/reizouko.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

namespace nv {

// The cells need pictures only: nothing is dragged or added in a preview.
class PreviewHost : public ReizoukoHost {
 public:
  QImage dishImage(const std::string& cp932Path) override { return QImage(toQ(cp932Path)); }
  bool hasHowToMake(const std::string&) override { return false; }
  void dropDish(const std::string&, QPoint) override {}
  void addDishAtCentre(const std::string&) override {}
  void showHowToMake(const std::string&) override {}
};

TReizoukoForm::TReizoukoForm(const std::string& picturePath, int style, bool shaped,
                             const std::string& pictureFolder, QWidget* parent)
    : QDialog(parent),
      image_(toQ(picturePath)),
      style_(style),
      shaped_(shaped),
      pictureFolder_(pictureFolder),
      host_(std::make_unique<PreviewHost>()) {
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

void TReizoukoForm::setMain(const QRect& area, int columns, int rows, const NameList& names) {
  main_ = {area, columns, rows, names};
}

void TReizoukoForm::setDoor(const QRect& area, int columns, int rows, const NameList& names) {
  door_ = {area, columns, rows, names};
}

QRect TReizoukoForm::scaled(const QRect& edges) const {
  // The design rectangles follow the window's size (truncated).
  const double sx = picture_.width() > 0 ? double(width()) / picture_.width() : 1.0;
  const double sy = picture_.height() > 0 ? double(height()) / picture_.height() : 1.0;
  return QRect(QPoint(int(edges.left() * sx), int(edges.top() * sy)),
               QPoint(int(edges.right() * sx), int(edges.bottom() * sy)));
}

void TReizoukoForm::rebuild() {
  mainView_.reset();
  doorView_.reset();
  auto make = [&](const Part& p) {
    const QRect r = scaled(p.area);
    auto v =
        std::make_unique<TReizouko>(*host_, this, QRect(r.left(), r.top(), r.width(), r.height()),
                                    p.columns, p.rows, style_, pictureFolder_, p.names, 12);
    v->setBrowseMode(true);
    v->setVisible(true);
    return v;
  };
  mainView_ = make(main_);
  if (!door_.names.empty()) doorView_ = make(door_);
  updateCaption(mapFromGlobal(QCursor::pos()));
}

void TReizoukoForm::showEvent(QShowEvent* event) {
  setGeometry(picture_);
  if (shaped_ && !image_.isNull()) {
    // Every pixel that differs from the top-left one belongs to the window.
    const QImage stretched = image_.scaled(size());
    const QColor key = stretched.pixelColor(0, 0);
    setMask(QBitmap::fromImage(stretched.createMaskFromColor(key.rgb(), Qt::MaskOutColor)));
  }
  QDialog::showEvent(event);
  rebuild();
}

void TReizoukoForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (isVisible()) rebuild();
}

void TReizoukoForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (!image_.isNull()) p.drawImage(rect(), image_);
}

void TReizoukoForm::updateCaption(QPoint mouse) {
  if (shaped_) return;
  const QRect g = geometry(), a = mainArea();
  std::string caption = title_ + " " + std::to_string(main_.names.size()) + sj("種類") +
                        cformat(" L=%d T=%d W=%d H=%d (%d,%d) ", g.x(), g.y(), g.width(),
                                g.height(), mouse.x(), mouse.y()) +
                        cformat("L=%d T=%d W=%d H=%d", a.left(), a.top(), a.width(), a.height());
  setWindowTitle(toQ(caption));
}

void TReizoukoForm::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) grab_ = event->globalPosition().toPoint() - pos();
}

void TReizoukoForm::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - grab_);
  updateCaption(event->position().toPoint());
}

void TReizoukoForm::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* close = menu.addAction(QString::fromUtf8("閉じる(&C)"));
  if (menu.exec(event->globalPos()) == close) accept();
}

}  // namespace nv
