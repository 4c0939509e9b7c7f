// The name-entry dialog's controls and its three layouts. The handlers that compute the
// standard values and move the sliders are in get_jidoumei_form_handlers.cpp.
#include "planner/get_jidoumei_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QShowEvent>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/kojin_data.h"
#include "core/standard_values.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {

namespace {

// The width of the short and medium layouts and where the panels sit in them.
constexpr int kNarrowWidth = 428;
constexpr int kTopHeight = 104;  // name, age, sex, boxes, capacity, distribution
constexpr int kPanelGap = 8;
constexpr int kShortButtonLeft = 200;
constexpr int kShortHeight = 154;
constexpr int kBodyHeight = 216;
constexpr int kButtonsWidth = 220;
constexpr int kButtonsHeight = 40;
constexpr int kRequirementLeft = 432;
constexpr int kRequirementTop = 8;
constexpr int kRequirementWidth = 420;
constexpr int kRequirementRow = 34;
constexpr int kRequirementHeader = 18;
constexpr int kFullRightGap = 16;

QLabel* label(QWidget* parent, const QString& text, QRect geometry,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(geometry);
  l->setAlignment(align);
  return l;
}

// A number edit: digits with at most one decimal and no minus sign.
QLineEdit* numberEdit(QWidget* parent, int intDigits, QRect geometry) {
  auto* e = new QLineEdit(parent);
  e->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("^\\d{0,%1}(\\.\\d?)?$").arg(intDigits)), e));
  e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  e->setGeometry(geometry);
  return e;
}

// A label's caption as a screen reader should say it: without the mnemonic and the colon.
QString spokenCaption(QString s) {
  s.remove(QRegularExpression(QStringLiteral(u"\\(&.\\)|：$")));
  return s.remove(u'&');
}

QSlider* slider(QWidget* parent, int tickInterval, QRect geometry) {
  auto* s = new QSlider(Qt::Horizontal, parent);
  s->setRange(0, 100);
  s->setTickInterval(tickInterval);
  s->setTickPosition(QSlider::TicksBelow);
  s->setPageStep(tickInterval);
  s->setGeometry(geometry);
  return s;
}

}  // namespace

TGetJidoumeiForm::TGetJidoumeiForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(u"名前を入力して下さい"_s);
  QFont f = font();
  f.setPixelSize(12);
  setFont(f);
  buildTop();
  buildBody();
  buildRequirements();
  buildButtons();
  setLayoutCaption(TKojinData::windowStateShort());

  // FormCreate: the standard values of the default age, sex and level.
  SeikatuKyoudoClick();
  AgeChange();
  Edit1Change();
  ApplyLayout();
}

void TGetJidoumeiForm::buildTop() {
  label(this, u"名前(&N)："_s, {8, 8, 68, 22})->setBuddy(Edit1 = new QLineEdit(this));
  Edit1->setGeometry(76, 8, 204, 22);
  // Names are Japanese: the input method stays on for this box.
  Edit1->setAttribute(Qt::WA_InputMethodEnabled, true);
  Edit1->setMaxLength(int(kNameEntryNameMaxBytes));
  connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
  connect(Edit1, &QLineEdit::textEdited, this, [this](const QString& text) {
    // The profile keeps the name as CP932 bytes: cut whole characters until it fits.
    QString cut = text;
    while (!cut.isEmpty() && fromQ(cut).size() > kNameEntryNameMaxBytes)
      cut.chop(cut.size() >= 2 && cut.back().isLowSurrogate() ? 2 : 1);
    if (cut.size() != text.size()) Edit1->setText(cut);
  });

  label(this, u"年齢(&T)："_s, {8, 34, 68, 22})->setBuddy(Age = new QSpinBox(this));
  Age->setRange(6, 160);
  Age->setValue(12);
  Age->setGeometry(76, 34, 56, 22);
  label(this, u"さい"_s, {136, 34, 30, 22});
  connect(Age, &QSpinBox::valueChanged, this, [this] { AgeChange(); });

  auto* sexBox = new QGroupBox(u"性別"_s, this);
  sexBox->setGeometry(292, 2, 128, 54);
  auto* sexRow = new QHBoxLayout(sexBox);
  sexRow->setContentsMargins(10, 2, 6, 4);
  sexRow->addWidget(SexMale = new QRadioButton(u"男"_s, sexBox));
  sexRow->addWidget(SexFemale = new QRadioButton(u"女"_s, sexBox));
  SexMale->setChecked(true);
  connect(SexFemale, &QRadioButton::toggled, this, [this] { AgeChange(); });

  Ninpu = new QCheckBox(u"妊婦です"_s, this);
  Ninpu->setGeometry(8, 58, 86, 20);
  Junyuuhu = new QCheckBox(u"授乳婦です"_s, this);
  Junyuuhu->setGeometry(96, 58, 98, 20);
  Bunben6 = new QCheckBox(u"分娩後６ヶ月以内です"_s, this);
  Bunben6->setGeometry(196, 58, 160, 20);
  connect(Ninpu, &QCheckBox::toggled, this, [this] { NinpuClick(); });
  connect(Junyuuhu, &QCheckBox::toggled, this, [this] { JunyuuhuClick(); });

  label(this, u"お弁当箱の容量"_s, {8, 80, 90, 22})->setBuddy(CSE_Bentoubako = new QSpinBox(this));
  CSE_Bentoubako->setRange(600, 1200);
  CSE_Bentoubako->setSingleStep(100);
  CSE_Bentoubako->setValue(kDefaultLunchBoxCapacity);
  CSE_Bentoubako->setGeometry(98, 80, 62, 22);
  CSE_Bentoubako->setToolTip(
      u"お弁当箱の容量を指定します。最低でも 600 ml のお弁当箱を使いましょう。"_s);
  label(this, u"ml"_s, {162, 80, 20, 22});

  label(this, u"朝・昼・夕食の配分割合"_s, {188, 80, 140, 22})
      ->setBuddy(ComboBox1 = new QComboBox(this));
  for (int i = 0; i < kMealSplitCount; ++i) ComboBox1->addItem(toQ(mealSplitItem(i)));
  ComboBox1->setGeometry(328, 80, 92, 22);

  Bevel1 = new QFrame(this);
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
}

void TGetJidoumeiForm::buildBody() {
  Panel1 = new QWidget(this);
  Panel1->resize(kNarrowWidth, kBodyHeight);
  // Height and weight rows: the scale labels above the slider's ends and centre.
  auto bodyRow = [this](int top, const QString& caption, const QString& unit, QLineEdit*& edit,
                        QSlider*& track, std::array<QLabel*, 3>& scale) {
    label(Panel1, caption, {8, top + 16, 64, 22})->setBuddy(edit = numberEdit(Panel1, 3, {}));
    edit->setAccessibleName(spokenCaption(caption));
    edit->setGeometry(72, top + 16, 50, 22);
    label(Panel1, unit, {124, top + 16, 24, 22});
    track = slider(Panel1, 5, {150, top + 14, 268, 28});
    track->setAccessibleName(edit->accessibleName());
    const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (int i = 0; i < 3; ++i) {
      scale[size_t(i)] = new QLabel(Panel1);
      scale[size_t(i)]->setAlignment(aligns[i] | Qt::AlignBottom);
      scale[size_t(i)]->setGeometry(150 + i * 94, top, 80, 16);
    }
  };
  bodyRow(2, u"身長(&H)："_s, u"cm"_s, Sinchou, TBSinchou, LSinchou);
  bodyRow(46, u"体重(&W)："_s, u"kg"_s, Taijuu, TBTaijuu, LTaijuu);
  connect(TBSinchou, &QSlider::valueChanged, this, [this] { TBSinchouChange(); });
  connect(TBTaijuu, &QSlider::valueChanged, this, [this] { TBTaijuuChange(); });
  connect(Sinchou, &QLineEdit::textEdited, this, [this] { SinchouChange(); });
  connect(Taijuu, &QLineEdit::textEdited, this, [this] { TaijuuChange(); });

  auto* levels = new QGroupBox(u"生活活動強度"_s, Panel1);
  levels->setGeometry(8, 94, 150, 116);
  auto* column = new QVBoxLayout(levels);
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < kActivityLevelCount; ++i) {
    SeikatuKyoudo[size_t(i)] = new QRadioButton(toQ(activityLevelItem(i)), levels);
    column->addWidget(SeikatuKyoudo[size_t(i)]);
    group->addButton(SeikatuKyoudo[size_t(i)], i);
  }
  SeikatuKyoudo[0]->setChecked(true);
  connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) SeikatuKyoudoClick();
  });

  Memo1 = new QPlainTextEdit(Panel1);
  Memo1->setReadOnly(true);
  Memo1->setGeometry(166, 100, 254, 110);
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->setAccessibleName(QStringLiteral(u"生活活動強度の説明"));
}

void TGetJidoumeiForm::buildRequirements() {
  Panel3 = new QWidget(this);
  Panel3->setGeometry(kRequirementLeft, kRequirementTop, kRequirementWidth,
                      kRequirementHeader + kCount * kRequirementRow);
  struct Row {
    QString caption;
    QString unit;
  };
  const Row rows[kCount] = {{u"エネルギー(&E)："_s, u"kcal"_s},
                            {u"脂質(&L)："_s, u"%"_s},
                            {u"たんぱく質(&P)："_s, u"g"_s},
                            {u"ビタミン&A："_s, u"IU"_s},
                            {u"ビタミンB&1："_s, u"mg"_s},
                            {u"ビタミンB&2："_s, u"mg"_s},
                            {u"ビタミン&C："_s, u"mg"_s},
                            {u"カルシウム(&U)："_s, u"mg"_s},
                            {u"鉄(&F)："_s, u"mg"_s}};
  constexpr int kSliderLeft = 212, kSliderWidth = 200;
  label(Panel3, u"0%"_s, {kSliderLeft, 0, 60, 16}, Qt::AlignLeft | Qt::AlignBottom);
  label(Panel3, u"100%"_s, {kSliderLeft + kSliderWidth / 2 - 30, 0, 60, 16},
        Qt::AlignHCenter | Qt::AlignBottom);
  label(Panel3, u"200%"_s, {kSliderLeft + kSliderWidth - 60, 0, 60, 16},
        Qt::AlignRight | Qt::AlignBottom);
  for (int i = 0; i < kCount; ++i) {
    const int top = kRequirementHeader + i * kRequirementRow;
    auto* edit = numberEdit(Panel3, 6, {114, top + 3, 60, 22});
    label(Panel3, rows[i].caption, {4, top + 3, 110, 22}, Qt::AlignRight | Qt::AlignVCenter)
        ->setBuddy(edit);
    label(Panel3, rows[i].unit, {178, top + 3, 32, 22});
    Requirement[size_t(i)] = edit;
    edit->setAccessibleName(spokenCaption(rows[i].caption));
    TrackBar[size_t(i)] = slider(Panel3, 10, {kSliderLeft, top + 1, kSliderWidth, 28});
    // The slider sets the requirement as a share of the standard value (0 to 200 %).
    TrackBar[size_t(i)]->setAccessibleName(spokenCaption(rows[i].caption) +
                                           QStringLiteral(u"の割合"));
    TrackBar[size_t(i)]->setValue(50);
    connect(TrackBar[size_t(i)], &QSlider::valueChanged, this, [this, i] { TrackBarChange(i); });
  }
}

void TGetJidoumeiForm::buildButtons() {
  Panel2 = new QWidget(this);
  Panel2->resize(kButtonsWidth, kButtonsHeight);
  WindoowKakuchouBtn = new QToolButton(Panel2);
  WindoowKakuchouBtn->setAutoRaise(true);
  WindoowKakuchouBtn->setGeometry(4, 6, 32, 28);
  QFont big = WindoowKakuchouBtn->font();
  big.setPixelSize(18);
  WindoowKakuchouBtn->setFont(big);
  WindoowKakuchouBtn->setAccessibleName(QStringLiteral(u"ウィンドウの広さを切り替える"));
  connect(WindoowKakuchouBtn, &QToolButton::clicked, this, [this] { WindoowKakuchouBtnClick(); });
  OkBtn = new QPushButton(u"&OK"_s, Panel2);
  OkBtn->setGeometry(44, 6, 80, 28);
  OkBtn->setDefault(true);
  CancelBtn = new QPushButton(u"やめる(&C)"_s, Panel2);
  CancelBtn->setGeometry(132, 6, 84, 28);
  connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

std::string TGetJidoumeiForm::layoutCaption() const { return fromQ(WindoowKakuchouBtn->text()); }

void TGetJidoumeiForm::setLayoutCaption(const std::string& caption) {
  WindoowKakuchouBtn->setText(toQ(nameEntryLayoutCaption(nameEntryLayoutOf(caption))));
}

void TGetJidoumeiForm::WindoowKakuchouBtnClick() {
  setLayoutCaption(nameEntryLayoutCaption(nextNameEntryLayout(nameEntryLayoutOf(layoutCaption()))));
  ApplyLayout();
}

void TGetJidoumeiForm::ApplyLayout() {
  const NameEntryLayout layout = nameEntryLayoutOf(layoutCaption());
  Panel3->move(kRequirementLeft, kRequirementTop);
  if (layout == NameEntryLayout::kShort) {
    Panel2->move(kShortButtonLeft, kTopHeight);
    Bevel1->setGeometry(0, kShortHeight, kNarrowWidth, 2);
    Panel1->move(0, kShortHeight + kPanelGap);  // out of sight below the client area
    Panel1->setEnabled(false);
    Panel3->setEnabled(false);
    setFixedSize(kNarrowWidth, kShortHeight);
  } else {
    Bevel1->setGeometry(0, kTopHeight, kNarrowWidth, 2);
    Panel1->move(0, kTopHeight + kPanelGap);
    Panel2->move(kShortButtonLeft, Panel1->geometry().bottom() + 1 + kPanelGap);
    const int buttonsBottom = Panel2->geometry().bottom() + 1;
    Panel1->setEnabled(true);
    if (layout == NameEntryLayout::kMedium) {
      Panel3->setEnabled(false);
      setFixedSize(kNarrowWidth, buttonsBottom);
    } else {
      const int right = Panel3->geometry().right() + 1;
      Panel2->move(right - kFullRightGap - Panel2->width(), Panel2->y());
      Panel3->setEnabled(true);
      setFixedSize(right + 2, std::max(buttonsBottom, Panel3->geometry().bottom() + 1));
    }
  }
  centre();
}

void TGetJidoumeiForm::centre() {
  QRect area;
  if (QWidget* owner = parentWidget())
    area = owner->window()->frameGeometry();
  else if (QScreen* s = screen())
    area = s->availableGeometry();
  if (area.isValid()) move(area.center() - QPoint(width() / 2, height() / 2));
}

void TGetJidoumeiForm::showEvent(QShowEvent* event) {
  if (numberEditValue(fromQ(Sinchou->text())) == 0) AgeChange();
  ApplyLayout();
  QDialog::showEvent(event);
}

}  // namespace nv
