#pragma once
// The conveyor-belt view "回転寿司": three rows of dish buttons standing side by side, each row
// scrolled by its own timer so that one pass takes about the rotation period.
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "planner/model/conveyor_speed.h"

namespace nv {

class TKondateData;
class TKondateButton;

// A row shows a window onto a strip of buttons; the strip moves left as the row scrolls.
class ConveyorRow : public QWidget {
  Q_OBJECT
 public:
  explicit ConveyorRow(QWidget* parent = nullptr);

  // Buttons stand at i x button width, in the order given; the row owns them.
  void setButtons(std::vector<TKondateButton*> buttons, int buttonSize);
  const std::vector<TKondateButton*>& buttons() const { return buttons_; }

  // Position 0, step 5; with more than one button the timer gets the conveyor speed.
  void applySpeed(uint32_t periodSeconds);
  const ConveyorSpeed& speed() const { return speed_; }
  int position() const { return position_; }
  void setPosition(int position);
  QTimer& timer() { return timer_; }
  // One timer tick: advance by the step, or back to the start at the end.
  void tick();

 private:
  std::vector<TKondateButton*> buttons_;
  QWidget* strip_;
  int buttonSize_ = 128;
  int position_ = 0;
  ConveyorSpeed speed_;
  QTimer timer_;
};

class ConveyorView : public QWidget {
  Q_OBJECT
 public:
  using ButtonFactory =
      std::function<TKondateButton*(const std::string& category, const std::string& dish)>;

  explicit ConveyorView(QWidget* parent = nullptr);

  // The categories of each row, in row order (CP932).
  static const std::array<std::vector<std::string>, 3>& rowCategories();

  bool built() const { return built_; }
  // Creates the buttons of the three rows (dishes in database order, base then added).
  void build(const TKondateData& data, int buttonSize, const ButtonFactory& make);
  ConveyorRow* row(int i) const { return rows_[size_t(i)]; }

  void applySpeeds(uint32_t periodSeconds);
  void start();
  void stop();
  bool running() const;

 private:
  std::array<ConveyorRow*, 3> rows_{};
  bool built_ = false;
};

}  // namespace nv
