#pragma once
// DishPanel: the planner's normal view, the category tabs over the picture buttons of the
// chosen category's dishes. The buttons fill as many columns as the width holds; one of them
// takes Tab focus and the arrow keys lead from it (up from the top row to the tabs, down
// from the tabs into the panel). The main window makes the buttons, so a click on one
// reaches it.
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QScrollArea;
class QTabBar;

namespace nv {

class TKondateButton;
class TKondateData;

class DishPanel : public QWidget {
  Q_OBJECT
 public:
  using ButtonFactory =
      std::function<TKondateButton*(const std::string& category, const std::string& dish)>;

  // `dishes` outlives the panel; `buttonSize` is the buttons' current side in pixels.
  DishPanel(const TKondateData& dishes, ButtonFactory make, std::function<int()> buttonSize,
            QWidget* parent);

  QTabBar* categoryTabs() const { return categoryTabs_; }
  // The categories of the tabs, in tab order (CP932).
  const std::vector<std::string>& categories() const { return categories_; }
  // Refills the tabs from the dish database; the chosen category stays when it still exists.
  void fillCategoryTabs();
  // Rebuilds the buttons of category tab `index`; progress with more than 20 when asked.
  void makeDishButtons(int index, bool showProgress = false);
  const std::vector<TKondateButton*>& dishButtons() const { return dishButtons_; }
  int columns() const { return columns_; }
  void layoutDishButtons();
  // The category's tab with its buttons, then that dish's button used as if clicked. False
  // when the category has no tab.
  bool showDishOf(const std::string& category, const std::string& dish);
  // The dish button the keyboard reaches with Tab (the focused one, or the first).
  TKondateButton* keyboardDishButton() const { return keyboardDish_; }
  // The colour behind the buttons; returns the palette it made, for the views beside it.
  QPalette setBackground(const QColor& colour);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void setKeyboardDishButton(TKondateButton* button);
  void stepDishFocus(TKondateButton* from, int key);

  const TKondateData& dishes_;
  ButtonFactory make_;
  std::function<int()> buttonSize_;
  QTabBar* categoryTabs_ = nullptr;
  QScrollArea* dishScroll_ = nullptr;
  QWidget* buttonArea_ = nullptr;
  std::vector<std::string> categories_;
  std::vector<TKondateButton*> dishButtons_;
  TKondateButton* keyboardDish_ = nullptr;
  int columns_ = 1;
};

}  // namespace nv
