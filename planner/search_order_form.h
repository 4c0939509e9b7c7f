#pragma once
// TSearchOrderForm: "献立を検索します". Finds dishes by category, by the beginning or end of
// the name, by the first sound, or among the added dishes; OK hands the chosen row back.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "core/rows.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace nv {

class TKondateData;

class TSearchOrderForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSearchOrderForm(const TKondateData& dishes, QWidget* parent = nullptr);

  // The main window fills the categories before showing.
  void setCategories(const std::vector<std::string>& names);

  // The selected row (CP932): its category caption ("*" first for an added dish) and dish.
  bool hasSelection() const;
  std::string selectedCaption() const;
  std::string selectedDish() const;

  // The main window's category search: show, and on OK select the category tab (without the
  // "*") and the dish's button through `select`. True when a dish was chosen.
  static bool run(const TKondateData& dishes, const std::vector<std::string>& categories,
                  const std::function<bool(const std::string&, const std::string&)>& select,
                  QWidget* parent);

  void ComboBox1Change();
  void Edit1Change();
  void Edit2Change();
  void ComboBox2Change();
  void ShowAddKondateDataBtnClick();
  void ListView2Change();

  QComboBox* ComboBox1;
  QLineEdit *Edit1, *Edit2;
  QComboBox* ComboBox2;
  QPushButton* ShowAddKondateDataBtn;
  QTreeWidget* ListView2;
  QPushButton *OkBtn, *BitBtn1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void showRows(const TextRows& rows);

  const TKondateData& dishes_;
  bool refilling_ = false;
};

}  // namespace nv
