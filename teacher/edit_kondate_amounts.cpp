// The quantity window's amount lines: the whole dish's and one per food, each a box in grams,
// a slider in percent of the standard amount and a button back to it.
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "platform/qt/qtext.h"
#include "teacher/edit_kondate_form.h"
#include "teacher/edit_kondate_layout.h"

using namespace Qt::StringLiterals;

namespace nv {

using namespace editkondateui;

namespace {

QDoubleSpinBox* makeBox(QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setDecimals(2);
  box->setRange(0, 99999.99);
  box->setButtonSymbols(QAbstractSpinBox::NoButtons);
  box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  box->setKeyboardTracking(true);
  box->setFocusPolicy(Qt::StrongFocus);
  return box;
}

// What a screen reader says for the three controls of one amount: its grams, its share of
// the standard amount, and going back to it.
void nameLine(const QString& what, QWidget* box, QWidget* slider, QWidget* revert) {
  box->setAccessibleName(what + QStringLiteral(u"の重さ"));
  slider->setAccessibleName(what + QStringLiteral(u"の割合"));
  revert->setAccessibleName(what + QStringLiteral(u"を元に戻す"));
}

QSlider* makeSlider(QWidget* parent) {
  auto* s = new QSlider(Qt::Horizontal, parent);
  s->setRange(0, QuantityModel::kSliderMax);
  s->setPageStep(1000);
  s->setSingleStep(1);
  s->setTickInterval(2000);
  s->setTickPosition(QSlider::TicksBothSides);
  return s;
}

QToolButton* makeRevert(QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setIcon(b->style()->standardIcon(QStyle::SP_BrowserReload));
  b->setToolTip(u"元にもどす"_s);
  b->setAutoRaise(true);
  b->setFixedSize(kRevertSize, kRevertSize);
  return b;
}

// Empty text in a box counts as 0 g.
void onBoxEdit(QDoubleSpinBox* box, QObject* context, std::function<void(double)> handler) {
  QObject::connect(box, &QDoubleSpinBox::valueChanged, context, handler);
  // The spin box reports no change for an empty text; its editor does.
  if (auto* edit = box->findChild<QLineEdit*>())
    QObject::connect(edit, &QLineEdit::textChanged, context, [box, handler](const QString&) {
      if (box->cleanText().trimmed().isEmpty()) handler(0);
    });
}

}  // namespace

void TEditKondateForm::buildTop(QWidget* content) {
  auto label = [content](const QString& text, int x, int width, Qt::Alignment align) {
    auto* l = new QLabel(text, content);
    l->setGeometry(x, 0, width, kTotalTop);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
  };
  weightLabel_ = label(u"重さ(g)"_s, kBoxX, kBoxWidth, Qt::AlignHCenter);
  percent0_ = label(u"0%"_s, kSliderX, 40, Qt::AlignLeft);
  percent100_ = label(u"100%"_s, kSliderX, 40, Qt::AlignHCenter);
  percent200_ = label(u"200%"_s, kSliderX, 40, Qt::AlignRight);

  Label1 = new QLabel(u"全体の量："_s, content);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(kLabelX, kTotalTop + 7, kLabelWidth, 20);
  Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
  SaNumEdit1 = makeBox(content);
  SaNumEdit1->setObjectName(QStringLiteral("SaNumEdit1"));
  SaNumEdit1->setGeometry(kBoxX, kTotalTop + 5, kBoxWidth, kBoxHeight);
  TrackBar1 = makeSlider(content);
  TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
  TrackBar1->setGeometry(kSliderX, kTotalTop, 100, kSliderHeight);
  RetryBtn = makeRevert(content);
  RetryBtn->setObjectName(QStringLiteral("RetryBtn"));
  RetryBtn->move(0, kTotalTop + 4);
  nameLine(QStringLiteral(u"全体の量"), SaNumEdit1, TrackBar1, RetryBtn);

  onBoxEdit(SaNumEdit1, this, [this](double v) { SaNumEdit1Change(v); });
  connect(TrackBar1, &QSlider::valueChanged, this, &TEditKondateForm::TrackBar1Change);
  connect(RetryBtn, &QToolButton::clicked, this, &TEditKondateForm::RetryBtnClick);
}

void TEditKondateForm::buildLine(QWidget* content, const std::string& name, int firstTop) {
  const size_t i = lines_.size();
  const int top = firstTop + int(i) * lineHeight_;
  Line l;
  l.label = new QLabel(toQ(name), content);
  l.label->setGeometry(kLabelX, top + 7, kLabelWidth, 24);
  l.label->setAlignment(Qt::AlignRight | Qt::AlignTop);
  l.label->setWordWrap(true);
  l.box = makeBox(content);
  l.box->setGeometry(kBoxX, top + 5, kBoxWidth, kBoxHeight);
  l.slider = makeSlider(content);
  l.slider->setGeometry(kSliderX, top, 100, kSliderHeight);
  l.revert = makeRevert(content);
  l.revert->move(0, top + 4);
  nameLine(toQ(name), l.box, l.slider, l.revert);
  onBoxEdit(l.box, this, [this, i](double v) { lineBoxChanged(i, v); });
  connect(l.slider, &QSlider::valueChanged, this, [this, i](int p) { lineSliderChanged(i, p); });
  connect(l.revert, &QToolButton::clicked, this, [this, i] { lineRevertClick(i); });
  lines_.push_back(l);
}

void TEditKondateForm::fitHeight(int bottomHeight) {
  // Lines share the screen's height between 24 and 36 pixels each; more lines scroll.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int screenHeight = screen ? screen->geometry().height() : 768;
  const int frame = frameGeometry().height() - height();
  const int avail = screenHeight - frame - bottomHeight - 128;
  const int n = int(lines_.size());
  int h = kMaxLineHeight;
  if (n > 0) h = std::clamp(avail / n, kMinLineHeight, kMaxLineHeight);
  lineHeight_ = h;
  int client = n * h + bottomHeight + kFirstLineTop;
  if (bottomHeight + avail < client)
    client = h * (std::max(avail, 0) / h) + bottomHeight + kFirstLineTop;
  for (int i = 0; i < n; ++i) {
    const int top = kFirstLineTop + i * h;
    Line& l = lines_[size_t(i)];
    l.label->move(kLabelX, top + 7);
    l.box->move(kBoxX, top + 5);
    l.slider->move(kSliderX, top);
    l.revert->move(l.revert->x(), top + 4);
  }
  content_->resize(content_->width(), kFirstLineTop + n * h);
  resize(width(), client);
}

void TEditKondateForm::ScrollBox1Resize() {
  const int width = ScrollBox1->viewport()->width();
  content_->resize(width, content_->height());
  const int sliderWidth = std::max(40, width - kSliderX - kRevertSize - 17);
  const int revertX = width - kRevertSize - 16;
  TrackBar1->resize(sliderWidth, kSliderHeight);
  RetryBtn->move(revertX, RetryBtn->y());
  for (Line& l : lines_) {
    l.slider->resize(sliderWidth, kSliderHeight);
    l.revert->move(revertX, l.revert->y());
  }
  percent0_->move(kSliderX, 0);
  percent100_->move(kSliderX + sliderWidth / 2 - percent100_->width() / 2, 0);
  percent200_->move(kSliderX + sliderWidth - percent200_->width(), 0);
}

// --- Handlers: each does nothing while another runs, so written values start nothing ---

void TEditKondateForm::lineBoxChanged(size_t i, double grams) {
  if (busy_) return;
  busy_ = true;
  model_.setLineGrams(i, grams);
  lines_[i].slider->setValue(model_.linePosition(i));
  showTotals();
  redrawPicture();
  notify();
  busy_ = false;
}

void TEditKondateForm::lineSliderChanged(size_t i, int position) {
  if (busy_) return;
  busy_ = true;
  model_.setLinePosition(i, position);
  lines_[i].box->setValue(model_.line(i).current);
  showTotals();
  redrawPicture();
  notify();
  busy_ = false;
}

void TEditKondateForm::lineRevertClick(size_t i) {
  if (busy_) return;
  busy_ = true;
  model_.revertLine(i);
  showLine(i);
  showTotals();
  redrawPicture();
  notify();
  busy_ = false;
}

void TEditKondateForm::SaNumEdit1Change(double grams) {
  if (busy_) return;
  busy_ = true;
  model_.setTotalGrams(grams);
  TrackBar1->setValue(model_.totalPosition());
  linesFollowTotal();
  notify();
  redrawPicture();
  busy_ = false;
}

void TEditKondateForm::TrackBar1Change(int position) {
  if (busy_) return;
  busy_ = true;
  model_.setTotalPosition(position);
  SaNumEdit1->setValue(model_.currentTotal());
  linesFollowTotal();
  notify();
  redrawPicture();
  busy_ = false;
}

void TEditKondateForm::RetryBtnClick() {
  if (busy_) return;
  busy_ = true;
  model_.revertAll();
  showTotals();
  linesFollowTotal();
  notify();
  redrawPicture();
  busy_ = false;
}

void TEditKondateForm::showLine(size_t i) {
  lines_[i].box->setValue(model_.line(i).current);
  lines_[i].slider->setValue(model_.linePosition(i));
}

void TEditKondateForm::showTotals() {
  SaNumEdit1->setValue(model_.currentTotal());
  TrackBar1->setValue(model_.totalPosition());
}

void TEditKondateForm::linesFollowTotal() {
  for (size_t i = 0; i < lines_.size(); ++i) showLine(i);
}

void TEditKondateForm::redrawPicture() {
  if (picture_) picture_(*SpeedButton1, model_.pictureRatio());
}

void TEditKondateForm::notify() {
  if (changed_) changed_();
}

}  // namespace nv
