#pragma once
// TAddKondateForm: the teacher's dish add-and-edit window. A dish is composed from foods of
// the food table with a weight each and registered as an added dish of a category; added
// dishes can be listed, loaded back and deleted. The rules live in teacher/model/.
#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "teacher/model/dish_grid.h"
#include "teacher/model/similar_dishes.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QTableWidget;
class QTreeWidget;

namespace nv {

class TFoodData;
class TKondateData;

class TAddKondateForm : public QDialog {
  Q_OBJECT
 public:
  // categories: the names for the category box (those with at least one dish, in order).
  TAddKondateForm(const TFoodData& foods, TKondateData& dishes, std::vector<std::string> categories,
                  QWidget* parent = nullptr);
  ~TAddKondateForm() override;

  // Set after a registration or a deletion: the caller saves the added dishes and rebuilds.
  bool registered() const { return registered_; }
  const DishGrid& grid() const { return grid_; }
  const SimilarDishes& similar() const { return similar_; }

  // Handlers, public so that tests drive them as a click would.
  void TabControl1Change(int tab);
  void AddBtnClick();
  void DelBtnClick();
  void RegistBtnClick();
  void NewKondateBtnClick();  // "新しい献立": an empty name and grid
  void DeleteBtnClick();
  void ShowAddKondateDataBtnClick();
  void ComboBox2Change(int item);
  void Edit1Change();
  void ListView2Change();
  void ListView2ColumnClick(int column);

  QComboBox* ComboBox1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* RegistBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* NewKondateBtn = nullptr;
  QPushButton* ShowAddKondateDataBtn = nullptr;
  QPushButton* DeleteBtn = nullptr;
  QComboBox* ComboBox2 = nullptr;
  QTreeWidget* ListView2 = nullptr;
  QTableWidget* StringGridEx1 = nullptr;
  QPushButton* AddBtn = nullptr;
  QPushButton* DelBtn = nullptr;
  QTabBar* TabControl1 = nullptr;
  QTreeWidget* ListView3 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* buildDishPanel();
  QWidget* buildGridPanel();
  QWidget* buildFoodPanel();
  void FormShow();
  // Grid widget <-> model.
  void showGrid();
  void gridCellChanged(int row, int column);
  void updateButtons();
  void updateDelBtn();
  void updateRegistBtn();
  void showSimilar();

  const TFoodData& foods_;
  TKondateData& dishes_;
  std::vector<std::string> categories_;
  DishGrid grid_;
  SimilarDishes similar_;
  bool registered_ = false;
  bool suppress_ = false;     // the program writes the name box: no list refill
  bool fillingGrid_ = false;  // the program writes the grid: no cell-change handling
  bool shown_ = false;
};

// Opens the window modally over `mainWindow` (its bounds) with the categories that have
// dishes; true when dishes were registered or deleted.
bool runAddKondateForm(QWidget* mainWindow, const TFoodData& foods, TKondateData& dishes);

}  // namespace nv
