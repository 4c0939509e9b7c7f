#include "platform/qt/gauge_form.h"

#include <QApplication>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "platform/qt/qtext.h"

namespace nv {
namespace {
// Positions are often byte offsets; a range wider than the gauge's int is shown in steps.
constexpr int kScaledSteps = 1000000;
// Painting after every record of a large file would cost more than the work itself.
constexpr qint64 kPaintIntervalMs = 30;
}  // namespace

TGaugeForm::TGaugeForm(const std::string& caption, int64_t minimum, int64_t maximum,
                       QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      gauge_(new QProgressBar(this)) {
  setWindowTitle(toQ(caption));
  // Events are processed while the work runs; no other window may be used meanwhile.
  setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addWidget(gauge_);
  gauge_->setTextVisible(true);
  setFixedSize(320, gauge_->sizeHint().height() + 24);
  setRange(minimum, maximum);
}

TGaugeForm::~TGaugeForm() = default;

bool TGaugeForm::wide() const {
  return minimum_ < std::numeric_limits<int>::min() || maximum_ > std::numeric_limits<int>::max();
}

int TGaugeForm::toGauge(int64_t v) const {
  if (!wide()) return int(v);
  long double span = (long double)maximum_ - (long double)minimum_;
  long double share = ((long double)v - (long double)minimum_) / span;
  return int(share * kScaledSteps);
}

void TGaugeForm::setRange(int64_t minimum, int64_t maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  position_ = std::clamp(position_, minimum_, maximum_);
  if (wide())
    gauge_->setRange(0, kScaledSteps);
  else
    gauge_->setRange(int(minimum_), int(maximum_));
  gauge_->setValue(toGauge(position_));
}

void TGaugeForm::setPosition(int64_t position) {
  position_ = std::clamp(position, minimum_, maximum_);
  int v = toGauge(position_);
  if (v == gauge_->value()) return;
  gauge_->setValue(v);
  if (isVisible() && (!sincePaint_.isValid() || sincePaint_.elapsed() >= kPaintIntervalMs ||
                      position_ == maximum_)) {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sincePaint_.start();
  }
}

void TGaugeForm::showNow() {
  show();
  raise();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  sincePaint_.start();
}

}  // namespace nv
