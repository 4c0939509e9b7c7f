// The dish add-and-edit window: its three panels side by side and the buttons between them.
// Each panel is built and handled in its own file (add_kondate_<panel>.cpp).
#include "teacher/add_kondate_form.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/qt/qtext.h"
#include "teacher/dialog_placement.h"

using namespace Qt::StringLiterals;

namespace nv {

TAddKondateForm::TAddKondateForm(const TFoodData& foods, TKondateData& dishes,
                                 std::vector<std::string> categories, QWidget* parent)
    : QDialog(parent),
      foods_(foods),
      dishes_(dishes),
      categories_(std::move(categories)),
      similar_(dishes) {
  setObjectName(QStringLiteral("AddKondateForm"));
  setWindowTitle(u"献立の追加と編集"_s);
  setSizeGripEnabled(true);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 4, 4, 4);
  row->addWidget(buildDishPanel(), 3);
  row->addWidget(buildGridPanel(), 0);
  auto* buttons = new QVBoxLayout;
  buttons->addStretch(1);
  AddBtn = new QPushButton(u"追加(&A)"_s, this);
  AddBtn->setObjectName(QStringLiteral("AddBtn"));
  AddBtn->setToolTip(u"右の食品を献立に追加します。"_s);
  DelBtn = new QPushButton(u"削除(&D)"_s, this);
  DelBtn->setObjectName(QStringLiteral("DelBtn"));
  DelBtn->setToolTip(u"左の食品を献立から削除します。"_s);
  buttons->addWidget(AddBtn);
  buttons->addWidget(DelBtn);
  buttons->addStretch(1);
  row->addLayout(buttons);
  row->addWidget(buildFoodPanel(), 4);

  connect(AddBtn, &QPushButton::clicked, this, &TAddKondateForm::AddBtnClick);
  connect(DelBtn, &QPushButton::clicked, this, &TAddKondateForm::DelBtnClick);
  connect(RegistBtn, &QPushButton::clicked, this, &TAddKondateForm::RegistBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(NewKondateBtn, &QPushButton::clicked, this, &TAddKondateForm::NewKondateBtnClick);
  connect(ShowAddKondateDataBtn, &QPushButton::clicked, this,
          &TAddKondateForm::ShowAddKondateDataBtnClick);
  connect(DeleteBtn, &QPushButton::clicked, this, &TAddKondateForm::DeleteBtnClick);
  connect(ComboBox2, &QComboBox::activated, this, &TAddKondateForm::ComboBox2Change);
  connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
  connect(ComboBox1, &QComboBox::editTextChanged, this, [this] { updateRegistBtn(); });
  connect(ListView2, &QTreeWidget::itemSelectionChanged, this, &TAddKondateForm::ListView2Change);
  connect(ListView2->header(), &QHeaderView::sectionClicked, this,
          &TAddKondateForm::ListView2ColumnClick);
  connect(TabControl1, &QTabBar::currentChanged, this, &TAddKondateForm::TabControl1Change);
  connect(ListView3, &QTreeWidget::itemSelectionChanged, this, [this] { updateButtons(); });
  connect(ListView3, &QTreeWidget::itemDoubleClicked, this, [this] { AddBtnClick(); });
  connect(StringGridEx1, &QTableWidget::cellChanged, this, &TAddKondateForm::gridCellChanged);
  connect(StringGridEx1, &QTableWidget::currentCellChanged, this, [this](int r) {
    if (fillingGrid_) return;
    grid_.setCurrentRow(r + 1);
    updateDelBtn();
  });
}

TAddKondateForm::~TAddKondateForm() = default;

void TAddKondateForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TAddKondateForm::FormShow() {
  const QFontMetrics fm(StringGridEx1->font());
  StringGridEx1->verticalHeader()->setDefaultSectionSize(fm.height() + 6);
  {
    const QSignalBlocker quiet(TabControl1);
    TabControl1->setCurrentIndex(0);
  }
  TabControl1Change(0);
  ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
  if (!categories_.empty()) ComboBox1->setEditText(toQ(categories_.front()));
  grid_.clear();
  showGrid();
  registered_ = false;
  ComboBox2->setCurrentIndex(0);
  ComboBox2Change(0);
  updateButtons();
}

void TAddKondateForm::updateButtons() {
  QTreeWidgetItem* food = ListView3->currentItem();
  AddBtn->setEnabled(food && food->isSelected() && food->columnCount() > 1);
  updateDelBtn();
  updateRegistBtn();
}

bool runAddKondateForm(QWidget* mainWindow, const TFoodData& foods, TKondateData& dishes) {
  std::vector<std::string> categories;
  dishes.categoryNames(categories);
  TAddKondateForm form(foods, dishes, std::move(categories), mainWindow);
  if (mainWindow) form.setGeometry(onVisibleScreen(mainWindow->geometry()));
  form.exec();
  return form.registered();
}

}  // namespace nv
