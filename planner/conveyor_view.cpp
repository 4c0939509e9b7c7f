#include "planner/conveyor_view.h"

#include <QVBoxLayout>
#include <algorithm>

#include "core/kondate_data.h"
#include "planner/kondate_button.h"
#include "planner/model/conveyor_rows.h"

namespace nv {

ConveyorRow::ConveyorRow(QWidget* parent) : QWidget(parent), strip_(new QWidget(this)) {
  setMinimumHeight(1);
  // A fresh timer's interval of 0 would fire without rest for a row that never gets a speed
  // (no dish or one): every row starts at the belt's normal interval.
  timer_.setInterval(int(ConveyorSpeed{}.intervalMs));
  connect(&timer_, &QTimer::timeout, this, &ConveyorRow::tick);
}

void ConveyorRow::setButtons(std::vector<TKondateButton*> buttons, int buttonSize) {
  for (TKondateButton* b : buttons_) delete b;
  buttons_ = std::move(buttons);
  buttonSize_ = buttonSize;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->setParent(strip_);
    buttons_[i]->move(int(i) * buttons_[i]->width(), 0);
    buttons_[i]->show();
  }
  strip_->resize(std::max<int>(1, int(buttons_.size()) * buttonSize), buttonSize);
}

void ConveyorRow::applySpeed(uint32_t periodSeconds) {
  setPosition(0);
  speed_ = conveyorSpeed(uint32_t(buttons_.size()), uint32_t(buttonSize_), periodSeconds);
  if (speed_.moves) timer_.setInterval(int(speed_.intervalMs));
}

void ConveyorRow::setPosition(int position) {
  // As a scroll bar would: never past the end of the strip.
  position_ = std::clamp(position, 0, std::max(0, strip_->width() - width()));
  strip_->move(-position_, 0);
}

void ConveyorRow::tick() {
  setPosition(conveyorNextPosition(position_, int(speed_.step), strip_->width(), width()));
}

ConveyorView::ConveyorView(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (auto& r : rows_) {
    r = new ConveyorRow(this);
    layout->addWidget(r, 1);
  }
}

const std::array<std::vector<std::string>, 3>& ConveyorView::rowCategories() {
  return conveyorRowCategories();
}

void ConveyorView::build(const TKondateData& data, int buttonSize, const ButtonFactory& make) {
  for (int r = 0; r < 3; ++r) {
    std::vector<TKondateButton*> buttons;
    for (const std::string& category : rowCategories()[size_t(r)]) {
      std::vector<std::string> names;
      data.dishNamesOf(category, names);
      for (const std::string& name : names) buttons.push_back(make(category, name));
    }
    rows_[size_t(r)]->setButtons(std::move(buttons), buttonSize);
  }
  built_ = true;
}

void ConveyorView::applySpeeds(uint32_t periodSeconds) {
  for (ConveyorRow* r : rows_) r->applySpeed(periodSeconds);
}

void ConveyorView::start() {
  for (ConveyorRow* r : rows_) r->timer().start();
}

void ConveyorView::stop() {
  for (ConveyorRow* r : rows_) r->timer().stop();
}

bool ConveyorView::running() const {
  for (ConveyorRow* r : rows_)
    if (r->timer().isActive()) return true;
  return false;
}

}  // namespace nv
