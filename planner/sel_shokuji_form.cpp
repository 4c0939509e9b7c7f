#include "planner/sel_shokuji_form.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "planner/model/selected_menu.h"
#include "planner/planner_host.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "widgets/caption_width.h"

using namespace Qt::StringLiterals;

namespace nv {

TSelShokujiForm::TSelShokujiForm(PlannerHost& host, const std::string& dishName, QWidget* parent)
    : QDialog(parent), host_(host) {
  setObjectName(QStringLiteral("SelShokujiForm"));
  setWindowTitle(u"献立を追加する食事を指定して下さい。"_s);

  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  SpeedButton1->setAutoRaise(true);
  SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  SpeedButton1->setText(toQ(dishName));
  SpeedButton1->setToolTip(toQ(dishName));
  const int size = host.selIconSize();
  SpeedButton1->setFixedSize(size, size);
  QFont f = SpeedButton1->font();
  if (host.selIconFontSize() > 0) f.setPointSize(host.selIconFontSize());
  SpeedButton1->setFont(f);
  const int side = std::max(1, size - QFontMetrics(f).height() - 8);
  SpeedButton1->setIconSize(QSize(side, side));
  host.setDishGlyph(*SpeedButton1, dishName, 1.0);
  connect(SpeedButton1, &QToolButton::clicked, this, &QDialog::accept);

  auto* group = new QGroupBox(u"追加する食事"_s, this);
  group->setObjectName(QStringLiteral("RadioGroup1"));
  auto* groupLayout = new QVBoxLayout(group);
  auto* buttons = new QButtonGroup(this);
  for (int m = 0; m < SelectedMenu::kMealCount; ++m) {
    items[m] = new QRadioButton(toQ(SelectedMenu::nodeNames()[size_t(m)]), group);
    buttons->addButton(items[m], m);
    groupLayout->addWidget(items[m]);
  }
  items[0]->setChecked(true);
  connect(buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) host_.selectMealTab(id);
  });

  auto* box = new QDialogButtonBox(this);
  OkBtn = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  CancelBtn = box->addButton(u"キャンセル"_s, QDialogButtonBox::RejectRole);
  OkBtn->setDefault(true);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* top = new QHBoxLayout;
  top->addWidget(SpeedButton1, 0, Qt::AlignTop);
  top->addWidget(group, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(box);
  fitCaption(*this);
}

int TSelShokujiForm::chosenMeal() const {
  for (int m = 0; m < SelectedMenu::kMealCount; ++m)
    if (items[m]->isChecked()) return m;
  return 0;
}

void TSelShokujiForm::chooseMeal(int meal) {
  if (meal >= 0 && meal < SelectedMenu::kMealCount) items[meal]->setChecked(true);
}

void TSelShokujiForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The pages show the meal the dialog offers from the start.
  host_.selectMealTab(chosenMeal());
}

}  // namespace nv
