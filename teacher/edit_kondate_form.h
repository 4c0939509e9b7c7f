#pragma once
// TEditKondateForm: the quantity dialog of one chosen dish. The whole dish, or each of its
// foods, is set between 0 % and 200 % of the standard amount with a slider and a box per
// line; every change is reported at once so the balance charts can follow it.
#include <QColor>
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "core/used_food.h"
#include "teacher/model/quantity_model.h"

class QAbstractButton;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSlider;
class QToolButton;
class QWidget;

namespace nv {

class TFoodData;

struct EditKondateRequest {
  std::string caption;  // dish name (CP932): picture button and name box
  std::string hint;     // appended to the window caption "献立の編集　"
  QColor color;         // the meal's colour
  int width = 467;      // remembered width of the dialog
  int iconSize = 64;
  int iconFontSize = 6;
  double standardTotal = 0;  // 0 is taken as 1.0
  TUsedFoodList foods;
  bool showDelete = false;
};

class TEditKondateForm : public QDialog {
  Q_OBJECT
 public:
  enum class Outcome { Ok, Delete, Cancel };
  // Draws the dish picture onto the button at a ratio of the standard amount.
  using PictureFn = std::function<void(QAbstractButton&, double ratio)>;

  TEditKondateForm(const EditKondateRequest& request, const TFoodData* foods, PictureFn picture,
                   QWidget* parent = nullptr);

  // Called after every change of an amount (and when the dialog is shown).
  void setChangeCallback(std::function<void()> callback) { changed_ = std::move(callback); }

  Outcome outcome() const { return outcome_; }
  // The dish's foods with the amounts the dialog shows now.
  TUsedFoodList currentFoods() const { return model_.result(original_); }
  const QuantityModel& model() const { return model_; }
  int finalWidth() const { return width(); }
  int lineHeight() const { return lineHeight_; }

  struct Line {
    QLabel* label = nullptr;
    QDoubleSpinBox* box = nullptr;
    QSlider* slider = nullptr;
    QToolButton* revert = nullptr;
  };
  size_t lineCount() const { return lines_.size(); }
  const Line& line(size_t i) const { return lines_[i]; }

  QScrollArea* ScrollBox1 = nullptr;
  QLabel* Label1 = nullptr;
  QDoubleSpinBox* SaNumEdit1 = nullptr;
  QSlider* TrackBar1 = nullptr;
  QToolButton* RetryBtn = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* DeleteBtn = nullptr;
  QPushButton* OkBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildTop(QWidget* content);
  void buildLine(QWidget* content, const std::string& name, int top);
  void buildBottom(QWidget* panel, const EditKondateRequest& request);
  void fitHeight(int bottomHeight);
  void ScrollBox1Resize();

  void lineBoxChanged(size_t i, double grams);
  void lineSliderChanged(size_t i, int position);
  void lineRevertClick(size_t i);
  void SaNumEdit1Change(double grams);
  void TrackBar1Change(int position);
  void RetryBtnClick();

  void showLine(size_t i);
  void showTotals();
  void linesFollowTotal();
  void redrawPicture();
  void notify();

  TUsedFoodList original_;
  QuantityModel model_;
  PictureFn picture_;
  std::function<void()> changed_;
  std::vector<Line> lines_;
  QWidget* content_ = nullptr;
  QLabel* weightLabel_ = nullptr;
  QLabel* percent0_ = nullptr;
  QLabel* percent100_ = nullptr;
  QLabel* percent200_ = nullptr;
  int lineHeight_ = 36;
  Outcome outcome_ = Outcome::Cancel;
  bool busy_ = false;  // a handler is running: values it writes start no new changes
  bool shown_ = false;
};

}  // namespace nv
