#pragma once
// TSelShokujiForm: asks which meal a dish goes to when it is added with the day tab active.
// Choosing a meal shows that meal's page on every window at once.
#include <QDialog>
#include <functional>
#include <string>

class QRadioButton;
class QToolButton;
class QPushButton;

namespace nv {

class PlannerHost;

class TSelShokujiForm : public QDialog {
  Q_OBJECT
 public:
  TSelShokujiForm(PlannerHost& host, const std::string& dishName, QWidget* parent = nullptr);

  // 0..2: the chosen meal.
  int chosenMeal() const;
  void chooseMeal(int meal);

  QToolButton* SpeedButton1 = nullptr;
  QRadioButton* items[3] = {};
  QPushButton* OkBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  PlannerHost& host_;
};

}  // namespace nv
