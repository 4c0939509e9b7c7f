#include "planner/dish_panel.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "core/kondate_data.h"
#include "planner/kondate_button.h"
#include "planner/model/button_geometry.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {
// The category tabs with a focus frame a child can see around the current tab (the style's
// own mark is a faint line or nothing).
class CategoryTabBar : public QTabBar {
 public:
  using QTabBar::QTabBar;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QTabBar::paintEvent(event);
    if (!hasFocus() || currentIndex() < 0) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::Highlight), 3));
    p.drawRoundedRect(QRectF(tabRect(currentIndex())).adjusted(2.5, 2.5, -2.5, -2.5), 5, 5);
  }
};
}  // namespace

DishPanel::DishPanel(const TKondateData& dishes, ButtonFactory make,
                     std::function<int()> buttonSize, QWidget* parent)
    : QWidget(parent), dishes_(dishes), make_(std::move(make)), buttonSize_(std::move(buttonSize)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  categoryTabs_ = new CategoryTabBar(this);
  categoryTabs_->setExpanding(false);
  categoryTabs_->setUsesScrollButtons(true);
  categoryTabs_->setDocumentMode(true);
  categoryTabs_->setFocusPolicy(Qt::StrongFocus);
  categoryTabs_->installEventFilter(this);
  layout->addWidget(categoryTabs_);
  dishScroll_ = new QScrollArea(this);
  // Needed only when a single button is wider than the panel (a large scale or button size).
  dishScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  dishScroll_->setWidgetResizable(false);
  dishScroll_->setFrameShape(QFrame::NoFrame);
  buttonArea_ = new QWidget;
  buttonArea_->setAutoFillBackground(true);
  dishScroll_->setWidget(buttonArea_);
  layout->addWidget(dishScroll_, 1);
  connect(categoryTabs_, &QTabBar::currentChanged, this, [this](int i) { makeDishButtons(i); });
}

void DishPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layoutDishButtons();
}

bool DishPanel::eventFilter(QObject* watched, QEvent* event) {
  // Down from the category tabs goes into the dish panel.
  if (watched == categoryTabs_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && keyboardDish_) {
    keyboardDish_->setFocus(Qt::TabFocusReason);
    dishScroll_->ensureWidgetVisible(keyboardDish_, 0, 0);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

QPalette DishPanel::setBackground(const QColor& colour) {
  QPalette pal = buttonArea_->palette();
  pal.setColor(QPalette::Window, colour);
  buttonArea_->setPalette(pal);
  dishScroll_->viewport()->setPalette(pal);
  dishScroll_->viewport()->setAutoFillBackground(true);
  return pal;
}

void DishPanel::fillCategoryTabs() {
  const QSignalBlocker block(categoryTabs_);
  const int old = categoryTabs_->currentIndex();
  const std::string current =
      old >= 0 && old < int(categories_.size()) ? categories_[size_t(old)] : std::string();
  while (categoryTabs_->count() > 0) categoryTabs_->removeTab(0);
  dishes_.categoryNames(categories_);
  for (const std::string& name : categories_) categoryTabs_->addTab(toQ(name));
  // The same category stays chosen when it still has dishes.
  const auto it = std::find(categories_.begin(), categories_.end(), current);
  if (!categories_.empty())
    categoryTabs_->setCurrentIndex(it == categories_.end() ? 0 : int(it - categories_.begin()));
}

void DishPanel::setKeyboardDishButton(TKondateButton* button) {
  // Only this panel's buttons; the conveyor's move by themselves.
  if (std::find(dishButtons_.begin(), dishButtons_.end(), button) == dishButtons_.end()) return;
  if (keyboardDish_ && keyboardDish_ != button) keyboardDish_->setFocusPolicy(Qt::ClickFocus);
  keyboardDish_ = button;
  keyboardDish_->setFocusPolicy(Qt::StrongFocus);
}

void DishPanel::stepDishFocus(TKondateButton* from, int key) {
  const auto it = std::find(dishButtons_.begin(), dishButtons_.end(), from);
  if (it == dishButtons_.end()) return;
  const int count = int(dishButtons_.size());
  int i = int(it - dishButtons_.begin());
  switch (key) {
    case Qt::Key_Left:
      i = std::max(0, i - 1);
      break;
    case Qt::Key_Right:
      i = std::min(count - 1, i + 1);
      break;
    case Qt::Key_Up:
      // From the top row the way goes up to the category tabs.
      if (i < columns_) {
        categoryTabs_->setFocus(Qt::OtherFocusReason);
        return;
      }
      i -= columns_;
      break;
    case Qt::Key_Down:
      if (i + columns_ < count) i += columns_;
      break;
    case Qt::Key_Home:
      i = 0;
      break;
    case Qt::Key_End:
      i = count - 1;
      break;
    default:
      return;
  }
  TKondateButton* to = dishButtons_[size_t(i)];
  setKeyboardDishButton(to);
  to->setFocus(Qt::OtherFocusReason);
  dishScroll_->ensureWidgetVisible(to, 0, 0);
}

void DishPanel::makeDishButtons(int index, bool showProgress) {
  if (index < 0 || index >= int(categories_.size())) return;
  dishScroll_->verticalScrollBar()->setValue(0);
  std::vector<std::string> names;
  dishes_.dishNamesOf(categories_[size_t(index)], names);
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& a, const std::string& b) { return compareJa(a, b) < 0; });
  // A button may be the sender of what led here: it goes once the event is over.
  const bool hadFocus = keyboardDish_ && keyboardDish_->hasFocus();
  for (TKondateButton* b : dishButtons_) {
    b->hide();
    b->deleteLater();
  }
  dishButtons_.clear();
  keyboardDish_ = nullptr;
  std::unique_ptr<Progress> progress;
  if (showProgress && names.size() > 20)
    progress = openProgress(u"献立のボタンを作成しています"_s, 0, int64_t(names.size()));
  for (size_t i = 0; i < names.size(); ++i) {
    TKondateButton* b = make_(categories_[size_t(index)], names[i]);
    connect(b, &TKondateButton::stepRequested, this, &DishPanel::stepDishFocus);
    connect(b, &TKondateButton::focused, this, &DishPanel::setKeyboardDishButton);
    b->setParent(buttonArea_);
    b->show();
    dishButtons_.push_back(b);
    if (progress) progress->setPosition(int64_t(i + 1));
  }
  if (!dishButtons_.empty()) {
    setKeyboardDishButton(dishButtons_.front());
    if (hadFocus) dishButtons_.front()->setFocus(Qt::OtherFocusReason);
  }
  layoutDishButtons();
}

void DishPanel::layoutDishButtons() {
  const int size = buttonSize_();
  // The width inside the panel's frame, less the vertical scroll bar that many rows bring.
  const int frame = 2 * dishScroll_->frameWidth();
  const int scrollBar = dishScroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                          dishScroll_->verticalScrollBar());
  columns_ = dishPanelColumns(width() - frame - scrollBar, size);
  for (size_t i = 0; i < dishButtons_.size(); ++i)
    dishButtons_[i]->move(int(i) % columns_ * size, int(i) / columns_ * size);
  const int rows = (int(dishButtons_.size()) + columns_ - 1) / columns_;
  buttonArea_->resize(std::max(1, columns_ * size), std::max(1, rows * size));
  dishScroll_->verticalScrollBar()->setValue(0);
}

bool DishPanel::showDishOf(const std::string& category, const std::string& dish) {
  const auto it = std::find(categories_.begin(), categories_.end(), category);
  if (it == categories_.end()) return false;
  const int index = int(it - categories_.begin());
  if (categoryTabs_->currentIndex() != index) {
    categoryTabs_->setCurrentIndex(index);  // rebuilds the buttons
  } else {
    makeDishButtons(index);
  }
  for (TKondateButton* b : dishButtons_) {
    if (b->dishName() == dish) {
      b->click();
      break;
    }
  }
  return true;
}

}  // namespace nv
