// The quantity window: its amount lines above, the dish's button, name and OK / 削除 /
// キャンセル below. The lines are built, laid out and handled in edit_kondate_amounts.cpp.
#include "teacher/edit_kondate_form.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/food.h"
#include "platform/qt/qtext.h"
#include "teacher/edit_kondate_layout.h"

using namespace Qt::StringLiterals;

namespace nv {

using namespace editkondateui;

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

}  // namespace nv
