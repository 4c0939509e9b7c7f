#include "bento/resipi_form.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <QWindow>

#include "bento/kitchen_pictures.h"
#include "bento/qt_geometry.h"
#include "bento/reizouko.h"
#include "bento/resipi_form3.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

// The book's own look: big, friendly texts on paper-coloured buttons. Only the book's own
// controls take it (">"), never the windows it opens: a viewer's buttons or a print dialog's.
const char* const kStyle =
    "nv--TResipiForm > QLabel { color: rgb(110, 50, 30); }"
    "nv--TResipiForm > QLabel#L_Point { font-size: 20px; font-weight: bold; }"
    "nv--TResipiForm > QLabel#L_Shurui { font-size: 18px; font-weight: bold; }"
    "nv--TResipiForm > QLabel#L_Tukurikata { font-size: 18px; font-weight: bold;"
    "  padding: 2px 10px; background: rgb(255, 226, 170); border: 2px solid rgb(200, 120, 60);"
    "  border-radius: 8px; }"
    "nv--TResipiForm > QToolButton { font-size: 16px; color: rgb(80, 40, 20);"
    "  background: rgb(255, 240, 205); border: 2px solid rgb(220, 160, 100); border-radius: 8px;"
    "  padding: 2px 8px; }"
    "nv--TResipiForm > QToolButton:hover { background: rgb(255, 214, 150); }"
    "nv--TResipiForm > QToolButton:pressed { background: rgb(250, 190, 120); }"
    "nv--TResipiForm > QToolButton#Bunrui { font-size: 15px; padding: 0px 4px; }";

QToolButton* button(QWidget* parent, const QString& text, const char* name = "") {
  auto* b = new QToolButton(parent);
  b->setText(text);
  b->setObjectName(QLatin1String(name));
  b->setAutoRaise(true);
  b->setCursor(Qt::PointingHandCursor);
  return b;
}

// A long group name gets a smaller letter rather than losing its ends.
void fitText(QToolButton* b) {
  QFont f = b->font();
  int px = 15;
  for (; px > 10; --px) {
    f.setPixelSize(px);
    if (QFontMetrics(f).horizontalAdvance(b->text()) <= b->width() - 12) break;
  }
  if (px < 15) b->setStyleSheet(QStringLiteral("font-size: %1px;").arg(px));
}

}  // namespace

TResipiForm::TResipiForm(const TDaidokoro& data, BookLists lists, ReizoukoHost& host,
                         std::string pictureFolder, int fontPixels, std::string childName,
                         QWidget* parent, int screenWidth)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint),
      data_(data),
      lists_(std::move(lists)),
      host_(host),
      pictureFolder_(std::move(pictureFolder)),
      fontPixels_(fontPixels),
      childName_(std::move(childName)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(u"レシピ本"_s);
  setStyleSheet(QLatin1String(kStyle));
  if (screenWidth <= 0) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    screenWidth = screen ? screen->geometry().width() : 1024;
  }
  const KSize size = bookClientSize(screenWidth);
  setFixedSize(std::max(1, size.width), std::max(1, size.height));
  s_ = width() / double(BookDesign::kWidth);

  // The window takes the shape of the book: every pixel of the picture that is not white.
  const QImage picture = loadBmp(bookPicturePath());
  background_ = picture.isNull()
                    ? QImage()
                    : picture.scaled(this->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .convertToFormat(QImage::Format_RGB32);
  // (MaskInColor gives the white pixels the mask image's white, which a bitmap leaves out.)
  if (!background_.isNull())
    setMask(
        QBitmap::fromImage(background_.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor)));

  const BookDesign d;
  auto place = [&](QWidget* w, const KRect& at) {
    const KRect r = bookControlAt(at, s_);
    w->move(r.left, r.top);
  };
  L_Point = new QLabel(toQ(pointCaption()), this);
  L_Point->setObjectName(QStringLiteral("L_Point"));
  place(L_Point, d.points);
  L_Tukurikata = new QLabel(toQ(groupingCaption(grouping_)), this);
  L_Tukurikata->setObjectName(QStringLiteral("L_Tukurikata"));
  L_Tukurikata->setCursor(Qt::PointingHandCursor);
  L_Tukurikata->setToolTip(u"クリックすると、料理の分け方がかわります"_s);
  L_Tukurikata->installEventFilter(this);
  L_Tukurikata->setAccessibleDescription(L_Tukurikata->toolTip());
  place(L_Tukurikata, d.grouping);
  L_Shurui = new QLabel(this);
  L_Shurui->setObjectName(QStringLiteral("L_Shurui"));
  place(L_Shurui, d.kinds);
  L_Shurui->hide();

  SB_Eiyou = button(this, u"栄養のバランス"_s);
  SB_Eisei = button(this, u"衛生について"_s);
  SB_Ajituke = button(this, u"味付けについて"_s);
  SB_Kiso = button(this, u"６つの基礎食品群"_s);
  const std::vector<QToolButton*> t = topics();
  for (int i = 0; i < 4; ++i) {
    t[size_t(i)]->setFixedSize(200, 40);
    place(t[size_t(i)], d.topics[i]);
    connect(t[size_t(i)], &QToolButton::clicked, this, [this, i] { showTopic(i); });
  }
  for (QToolButton* b : t)
    b->setAccessibleDescription(u"「"_s + b->text() + u"」のお話を読みます"_s);
  SB_Modoru = button(this, u"もどる"_s);
  SB_Close = button(this, u"とじる"_s);
  SB_Modoru->setAccessibleDescription(u"前のページにもどります"_s);
  SB_Close->setAccessibleDescription(u"料理の本を閉じます"_s);
  for (QToolButton* b : {SB_Modoru, SB_Close}) b->setFixedSize(80, 34);
  place(SB_Modoru, d.back);
  place(SB_Close, d.close);
  SB_Modoru->hide();
  connect(SB_Modoru, &QToolButton::clicked, this, &TResipiForm::SB_ModoruClick);
  connect(SB_Close, &QToolButton::clicked, this, &QWidget::close);

  Bevel1 = new QFrame(this);
  Bevel1->setGeometry(qRect(bookFrameAt(d.groupFrame, s_)));
  Bevel1->hide();
  Bevel2 = new QFrame(this);
  Bevel2->setGeometry(qRect(bookFrameAt(d.dishFrame, s_)));
  Bevel2->hide();
  for (QLabel* l : {L_Point, L_Tukurikata, L_Shurui}) l->adjustSize();

  buildGroupButtons();
  if (parentWidget()) {
    const QRect p = parentWidget()->geometry();
    move(p.x() + (p.width() - width()) / 2, p.y() + (p.height() - height()) / 2);
  }
}

TResipiForm::~TResipiForm() = default;

std::vector<QToolButton*> TResipiForm::topics() const {
  return {SB_Eiyou, SB_Eisei, SB_Ajituke, SB_Kiso};
}

void TResipiForm::buildGroupButtons() {
  for (QToolButton* b : BunruiButtons) delete b;
  BunruiButtons.clear();
  const NameList& names = groupNames(lists_, grouping_);
  if (names.empty()) {
    ask(u"分類名がないのでボタンを作れません"_s, u"内部エラーだと思われます"_s, Icon::Stop,
        Buttons::Ok);
    return;
  }
  const QRect f = Bevel1->geometry();
  const std::vector<KRect> rects = groupButtonRects(
      {f.left(), f.top(), f.left() + f.width(), f.top() + f.height()}, int(names.size()));
  for (size_t i = 0; i < names.size(); ++i) {
    QToolButton* b = button(this, QString(), "Bunrui");
    b->setText(toQ(names[i]));
    b->setAccessibleDescription(u"この分類の料理を見ます"_s);
    b->setGeometry(qRect(rects[i]));
    fitText(b);
    connect(b, &QToolButton::clicked, this, [this, i] { openGroup(i); });
    b->show();
    BunruiButtons.push_back(b);
  }
}

void TResipiForm::L_TukurikataClick() {
  grouping_ = nextGrouping(grouping_);
  L_Tukurikata->setText(toQ(groupingCaption(grouping_)));
  L_Tukurikata->adjustSize();
  buildGroupButtons();
}

void TResipiForm::setBrowsing(bool on) {
  L_Tukurikata->setVisible(!on);
  for (QToolButton* b : topics()) b->setVisible(!on);
  for (QToolButton* b : BunruiButtons) b->setVisible(!on);
  L_Shurui->setVisible(on);
  SB_Modoru->setVisible(on);
}

void TResipiForm::openGroup(size_t index) {
  const NameList& groups = groupNames(lists_, grouping_);
  if (index >= groups.size()) return;
  setBrowsing(true);
  L_Point->setText(toQ(pointCaption(grouping_, groups[index])));
  L_Point->adjustSize();
  const NameList names = bookDishes(data_, grouping_, groups[index]);
  const QRect f = Bevel2->geometry();
  view_.reset();
  if (dishFrameUsable(kRect(f))) {
    view_ = std::make_unique<TReizouko>(host_, this, f, kBookGridColumns, kBookGridRows, 0,
                                        pictureFolder_, names, fontPixels_);
    view_->setBrowseMode(true);
  }
  L_Shurui->setText(toQ(kindsCaption(names.size())));
  L_Shurui->adjustSize();
}

void TResipiForm::SB_ModoruClick() {
  view_.reset();
  setBrowsing(false);
  L_Point->setText(toQ(pointCaption()));
  L_Point->adjustSize();
}

void TResipiForm::showTopic(int topic) {
  // The three points show at their own size; the food groups fill the screen and print.
  const bool kiso = topic == 3;
  const std::vector<QToolButton*> t = topics();
  const std::string caption =
      topic >= 0 && topic < int(t.size()) ? fromQ(t[size_t(topic)]->text()) : std::string();
  showPicture(topicPicturePath(topic), kiso, kiso, childName_, this, caption);
}

void TResipiForm::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (background_.isNull())
    p.fillRect(rect(), QColor(254, 248, 232));
  else
    p.drawImage(0, 0, background_);
}

void TResipiForm::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // The window system moves the window where it can (Wayland lets nothing else move it).
  if (windowHandle() && windowHandle()->startSystemMove()) return;
  grab_ = event->globalPosition().toPoint() - pos();
}

void TResipiForm::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - grab_);
}

bool TResipiForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == L_Tukurikata && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    L_TukurikataClick();
    return true;
  }
  if (watched == L_Tukurikata && event->type() == QEvent::MouseButtonPress) return true;
  return QWidget::eventFilter(watched, event);
}

}  // namespace nv
