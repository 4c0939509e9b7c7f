#include "bento/resipi_form4.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QToolButton>

#include "bento/kitchen_pictures.h"
#include "bento/model/recipe_frame.h"
#include "bento/resipi_form3.h"
#include "platform/dialogs.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "widgets/print_destination.h"

using namespace Qt::StringLiterals;

namespace nv {

namespace {

constexpr int kInset = 12;  // the image's distance from the client's edges

QToolButton* toolButton(QWidget* parent, const QString& text, const KRect& at, double s) {
  auto* b = new QToolButton(parent);
  b->setText(text);
  b->move(int(at.left * s), int(at.top * s));
  return b;
}

}  // namespace

TResipiForm4::TResipiForm4(RecipePage page, std::string childName, QWidget* parent, QSize available)
    : QDialog(parent), page_(std::move(page)), childName_(std::move(childName)) {
  setWindowTitle(toQ(page_.dish));
  setStyleSheet(QStringLiteral("TResipiForm4 { background: silver; }"));
  if (available.isEmpty()) available = availableScreenSize(parent);
  // 4/5 of the screen's width, less where the height does not allow it, in the page's shape.
  const KSize image = fitPicture({RecipeFrame::kWidth, RecipeFrame::kHeight},
                                 available.width() * 4 / 5 - 2 * kInset,
                                 available.height() - kTitleBarRoom - 2 * kInset, true);
  resize(image.width + 2 * kInset, image.height + 2 * kInset);
  Image1 = new QLabel(this);
  Image1->setGeometry(kInset, kInset, image.width, image.height);
  Image1->setMouseTracking(true);
  Image1->installEventFilter(this);
  s_ = image.width / double(RecipeFrame::kWidth);

  L_Kirikata = new QLabel(Image1);
  L_Kirikata->move(int(RecipeFrame::kirikataLabel.left * s_),
                   int(RecipeFrame::kirikataLabel.top * s_));
  L_Kirikata->hide();
  SB_Print = toolButton(Image1, u"印刷"_s, RecipeFrame::printButton, s_);
  SB_Print->setToolTip(u"この献立を印刷します。"_s);
  SB_Close = toolButton(Image1, u"とじる"_s, RecipeFrame::closeButton, s_);
  SB_Page = toolButton(Image1, u"つぎのページ"_s, RecipeFrame::pageButton, s_);
  SB_Print->setAccessibleDescription(SB_Print->toolTip());
  SB_Close->setAccessibleDescription(u"作り方の窓を閉じます"_s);
  SB_Page->setAccessibleDescription(u"作り方の続きを見ます"_s);
  connect(SB_Close, &QToolButton::clicked, this, &QDialog::accept);
  connect(SB_Print, &QToolButton::clicked, this, &TResipiForm4::print);
  connect(SB_Page, &QToolButton::clicked, this, [this] { showPage(shown_ == 0 ? 1 : 0); });

  popup = new QMenu(this);
  connect(popup->addAction(u"作り方をコピーする(&T)"_s), &QAction::triggered, this,
          &TResipiForm4::copySteps);
  connect(popup->addAction(u"料理の絵をコピーする(&P)"_s), &QAction::triggered, this,
          &TResipiForm4::copyPicture);

  QImage measure(Image1->size(), QImage::Format_RGB32);
  layout_ = layoutRecipeSteps(&measure, page_, QPointF(0, 0), s_);
  SB_Page->setVisible(layout_.pages > 1);
  render();
}

void TResipiForm4::render() {
  QImage image(Image1->size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  paintRecipePage(p, page_, layout_, shown_, QPointF(0, 0), s_, 1);
  p.end();
  Image1->setPixmap(QPixmap::fromImage(image));
}

void TResipiForm4::showPage(int index) {
  if (index < 0 || index >= layout_.pages || index == shown_) return;
  shown_ = index;
  SB_Page->setText(shown_ == 0 ? u"つぎのページ"_s : u"まえのページ"_s);
  SB_Page->adjustSize();
  L_Kirikata->hide();
  render();
}

int TResipiForm4::slotAt(QPoint pos) const {
  if (shown_ != 0) return -1;  // the cutting pictures are on the first page
  const double q = page_.slot * s_;
  const double top = RecipeFrame::cutting.top * s_;
  if (pos.y() < top || pos.y() >= top + q) return -1;
  for (size_t i = 0; i < page_.methods.size(); ++i) {
    const double left = RecipeFrame::cutting.left * s_ + double(i) * q;
    if (pos.x() >= left && pos.x() < left + q) return int(i);
  }
  return -1;
}

std::string TResipiForm4::stepsText() const {
#ifdef Q_OS_WIN
  const char* const end = "\r\n";
#else
  const char* const end = "\n";
#endif
  std::string text;
  for (size_t i = 0; i < page_.steps.size(); ++i)
    text += cformat("%d.", int(i + 1)) + page_.steps[i] + end;
  return text;
}

void TResipiForm4::copySteps() { QApplication::clipboard()->setText(toQ(stepsText())); }

void TResipiForm4::copyPicture() {
  const QImage img = loadBmp(page_.bentouFolder + page_.dish + ".bmp");
  if (img.isNull()) return;
  QApplication::clipboard()->setImage(img);
  if (QApplication::clipboard()->image().isNull())
    tell(u"絵をクリップボードにコピーできませんでした。"_s);
}

void TResipiForm4::print() {
  if (!dialogs().printerSetup(PageOrientation::Landscape)) return;
  QPrinter* printer = printer_;
  if (auto* qt = dynamic_cast<QtDialogs*>(&dialogs()); !printer && qt) printer = &qt->printer();
  bool printed = false;
  if (printer && printerHasDestination(*printer)) {
    printer->setPageOrientation(QPageLayout::Landscape);
    printer->setDocName(recipeJobTitle(page_.dish));
    printed = printRecipePages(*printer, page_);
  }
  if (printed)
    tell(u"印刷が完了しました。"_s);
  else
    ask(u"印刷できませんでした。"_s, u"確認"_s, Icon::Stop, Buttons::Ok);
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
        const std::string& method = page_.methods[size_t(pressed_)];
        showPicture(page_.bentouFolder + "setumei/" + method + ".bmp", false, false, childName_,
                    this, method);
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
