#pragma once
// TGaugeForm: the small progress window shown during long loads and writes: a caption and
// one gauge with minimum, maximum and position. The work runs on the UI thread, so setting
// the position lets the window paint (user input waits until the work is done).
#include <QElapsedTimer>
#include <QWidget>
#include <cstdint>
#include <string>

#include "platform/prompt.h"

class QProgressBar;

namespace nv {

class TGaugeForm : public QWidget, public Progress {
 public:
  // Caption CP932. Not shown until showNow() (QtPrompt::progress shows it).
  TGaugeForm(const std::string& caption, int64_t minimum, int64_t maximum,
             QWidget* parent = nullptr);
  ~TGaugeForm() override;

  void setRange(int64_t minimum, int64_t maximum);
  // Clamped to the range.
  void setPosition(int64_t position) override;
  int64_t position() const { return position_; }
  int64_t minimum() const { return minimum_; }
  int64_t maximum() const { return maximum_; }
  QProgressBar* gauge() const { return gauge_; }

  // Shows the window and paints it at once.
  void showNow();

 private:
  bool wide() const;
  int toGauge(int64_t v) const;

  QProgressBar* gauge_;
  int64_t minimum_ = 0, maximum_ = 100, position_ = 0;
  QElapsedTimer sincePaint_;
};

}  // namespace nv
