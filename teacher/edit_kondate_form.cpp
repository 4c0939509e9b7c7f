#include "teacher/edit_kondate_form.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/food.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {
constexpr int kFirstLineTop = 42;
constexpr int kTotalTop = 14;
constexpr int kLabelX = 2;
constexpr int kLabelWidth = 80;
constexpr int kBoxX = 84;
constexpr int kBoxWidth = 72;
constexpr int kBoxHeight = 20;
constexpr int kSliderX = kBoxX + kBoxWidth + 4;
constexpr int kSliderHeight = 24;
constexpr int kRevertSize = 20;
constexpr int kMinLineHeight = 24;
constexpr int kMaxLineHeight = 36;

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

TEditKondateForm::TEditKondateForm(const EditKondateRequest& request, const TFoodData* foods,
                                   PictureFn picture, QWidget* parent)
    : QDialog(parent),
      original_(request.foods),
      model_(request.foods, foods, request.standardTotal),
      picture_(std::move(picture)) {
  setObjectName(QStringLiteral("EditKondateForm"));
  setWindowTitle(u"献立の編集　"_s + toQ(request.hint));
  setWindowFlags(windowFlags() | Qt::Tool | Qt::WindowStaysOnTopHint);
  if (request.color.isValid()) {
    QPalette p = palette();
    p.setColor(QPalette::Window, request.color);
    setPalette(p);
    setAutoFillBackground(true);
  }

  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ScrollBox1->setWidgetResizable(false);
  ScrollBox1->viewport()->setAutoFillBackground(false);
  content_ = new QWidget;
  content_->setAutoFillBackground(false);
  buildTop(content_);
  for (size_t i = 0; i < model_.lineCount(); ++i) {
    const TFood* food = foods ? foods->findByNumber(model_.line(i).foodNumber) : nullptr;
    buildLine(content_, food ? food->name : std::string(), kFirstLineTop);
  }
  ScrollBox1->setWidget(content_);
  ScrollBox1->viewport()->installEventFilter(this);

  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("BottomPanel"));
  buildBottom(panel, request);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(ScrollBox1, 1);
  layout->addWidget(panel);

  fitHeight(panel->height());
  resize(std::max(request.width, 240), height());
}

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

void TEditKondateForm::buildBottom(QWidget* panel, const EditKondateRequest& request) {
  SpeedButton1 = new QToolButton(panel);
  SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  SpeedButton1->setAutoRaise(true);
  SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  SpeedButton1->setText(toQ(request.caption));
  SpeedButton1->setFixedSize(request.iconSize, request.iconSize);
  QFont f = SpeedButton1->font();
  if (request.iconFontSize > 0) f.setPointSize(request.iconFontSize);
  SpeedButton1->setFont(f);
  const int side = std::max(1, request.iconSize - QFontMetrics(f).height() - 8);
  SpeedButton1->setIconSize(QSize(side, side));

  Edit1 = new QLineEdit(toQ(request.caption), panel);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setAccessibleName(QStringLiteral(u"献立名"));
  Edit1->setReadOnly(true);
  DeleteBtn = new QPushButton(u"削除"_s, panel);
  DeleteBtn->setObjectName(QStringLiteral("DeleteBtn"));
  DeleteBtn->setVisible(request.showDelete);
  OkBtn = new QPushButton(QStringLiteral("OK"), panel);
  OkBtn->setObjectName(QStringLiteral("OkBtn"));
  OkBtn->setDefault(true);
  CancelBtn = new QPushButton(u"キャンセル"_s, panel);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

  auto* right = new QVBoxLayout;
  right->addWidget(Edit1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(DeleteBtn);
  buttons->addWidget(OkBtn);
  buttons->addWidget(CancelBtn);
  right->addLayout(buttons);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(4, 4, 4, 4);
  row->addWidget(SpeedButton1);
  row->addLayout(right, 1);
  panel->setFixedHeight(std::max(request.iconSize + 8, row->sizeHint().height()));

  auto finish = [this](Outcome o) {
    outcome_ = o;
    accept();
  };
  connect(OkBtn, &QPushButton::clicked, this, [finish] { finish(Outcome::Ok); });
  connect(SpeedButton1, &QToolButton::clicked, this, [finish] { finish(Outcome::Ok); });
  connect(DeleteBtn, &QPushButton::clicked, this, [finish] { finish(Outcome::Delete); });
  connect(CancelBtn, &QPushButton::clicked, this, [this] {
    outcome_ = Outcome::Cancel;
    reject();
  });
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

bool TEditKondateForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ScrollBox1->viewport() && event->type() == QEvent::Resize) ScrollBox1Resize();
  return QDialog::eventFilter(watched, event);
}

void TEditKondateForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  if (const QScreen* screen = this->screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  ScrollBox1Resize();
  busy_ = true;
  // The boxes take the colour of the box they sit on.
  const QColor back = palette().color(QPalette::Window);
  for (QDoubleSpinBox* b : {SaNumEdit1}) {
    QPalette p = b->palette();
    p.setColor(QPalette::Base, back);
    b->setPalette(p);
  }
  for (Line& l : lines_) {
    QPalette p = l.box->palette();
    p.setColor(QPalette::Base, back);
    l.box->setPalette(p);
  }
  for (size_t i = 0; i < lines_.size(); ++i) showLine(i);
  showTotals();
  redrawPicture();
  notify();
  busy_ = false;
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
