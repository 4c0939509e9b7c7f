#include "bento/resipi_form4.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QToolButton>

#include "bento/kitchen_pictures.h"
#include "bento/resipi_form3.h"
#include "platform/dialogs.h"
#include "platform/prompt.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "widgets/qt_dialogs.h"

namespace nv {

TResipiForm4::TResipiForm4(RecipePage page, std::string childName, QWidget* parent)
    : QDialog(parent), page_(std::move(page)), childName_(std::move(childName)) {
  setWindowTitle(toQ(page_.dish));
  setStyleSheet(QStringLiteral("TResipiForm4 { background: silver; }"));
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int w = screen ? screen->geometry().width() * 4 / 5 : 1024;
  const int h = w * 504 / 664;
  resize(w, h);
  Image1 = new QLabel(this);
  Image1->setGeometry(12, 12, w - 24, h - 24);
  Image1->setMouseTracking(true);
  Image1->installEventFilter(this);
  s_ = Image1->width() / 640.0;

  L_Kirikata = new QLabel(Image1);
  L_Kirikata->move(int(290 * s_), int(440 * s_));
  L_Kirikata->hide();
  SB_Print = new QToolButton(Image1);
  SB_Print->setText(toQ(sj("印刷")));
  SB_Print->setToolTip(toQ(sj("この献立を印刷します。")));
  SB_Print->move(int(470 * s_), int(440 * s_));
  SB_Close = new QToolButton(Image1);
  SB_Close->setText(toQ(sj("とじる")));
  SB_Close->move(int(540 * s_), int(440 * s_));
  connect(SB_Close, &QToolButton::clicked, this, &QDialog::accept);
  connect(SB_Print, &QToolButton::clicked, this, &TResipiForm4::print);

  popup = new QMenu(this);
  connect(popup->addAction(toQ(sj("作り方をコピーする(&T)"))), &QAction::triggered, this,
          &TResipiForm4::copySteps);
  connect(popup->addAction(toQ(sj("料理の絵をコピーする(&P)"))), &QAction::triggered, this,
          &TResipiForm4::copyPicture);
  render();
}

void TResipiForm4::render() {
  QImage image(Image1->size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  layout_ = paintRecipePage(p, page_, QRectF(image.rect()), QPointF(0, 0), s_, 1);
  p.end();
  Image1->setPixmap(QPixmap::fromImage(image));
}

int TResipiForm4::slotAt(QPoint pos) const {
  const double q = page_.slot * s_;
  if (pos.y() < 338 * s_ || pos.y() >= 338 * s_ + q) return -1;
  for (size_t i = 0; i < page_.methods.size(); ++i) {
    const double left = 282 * s_ + double(i) * q;
    if (pos.x() >= left && pos.x() < left + q) return int(i);
  }
  return -1;
}

std::string TResipiForm4::stepsText() const {
  std::string text;
  for (size_t i = 0; i < page_.steps.size(); ++i)
    text += cformat("%d.", int(i + 1)) + page_.steps[i] + "\r\n";
  return text;
}

void TResipiForm4::copySteps() { QApplication::clipboard()->setText(toQ(stepsText())); }

void TResipiForm4::copyPicture() {
  const QImage img = loadBmp(page_.bentouFolder + page_.dish + ".bmp");
  if (img.isNull()) return;
  QApplication::clipboard()->setImage(img);
  if (QApplication::clipboard()->image().isNull())
    prompt().message(sj("絵をクリップボードにコピーできませんでした。"));
}

void TResipiForm4::print() {
  auto* qt = dynamic_cast<QtDialogs*>(&dialogs());
  if (!dialogs().printerSetup(PageOrientation::Landscape) || !qt) return;
  QPrinter& printer = qt->printer();
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(toQ(recipeJobTitle(page_.dish)));
  const QRect paper = printer.pageLayout().fullRectPixels(printer.resolution());
  const PaperPlacement place =
      recipePaperPlacement(paper.width(), paper.height(), printer.resolution());
  QPainter p;
  if (!p.begin(&printer)) return;
  paintRecipePage(p, page_, QRectF(place.origin, QSizeF(640 * place.scale, 504 * place.scale)),
                  place.origin, place.scale, 2);
  p.end();
  prompt().message(sj("印刷が完了しました。"));
}

bool TResipiForm4::eventFilter(QObject* watched, QEvent* event) {
  if (watched != Image1) return QDialog::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseMove: {
      const int slot = slotAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      Image1->setCursor(slot >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
      L_Kirikata->setVisible(slot >= 0);
      if (slot >= 0) {
        L_Kirikata->setText(toQ(page_.methods[size_t(slot)]));
        L_Kirikata->adjustSize();
      }
      return false;
    }
    case QEvent::MouseButtonPress:
      pressed_ = slotAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      return false;
    case QEvent::MouseButtonRelease: {
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() == Qt::RightButton) {
        popup->popup(me->globalPosition().toPoint());
        return true;
      }
      if (pressed_ >= 0) {
        showPicture(page_.bentouFolder + "setumei/" + page_.methods[size_t(pressed_)] + ".bmp",
                    false, false, childName_, this);
      } else {
        accept();
      }
      pressed_ = -1;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace nv
