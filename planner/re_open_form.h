#pragma once
// TReOpenForm: at the planner's start, the choice between one of the recent menu files and a
// new menu (with the child's name asked first), or clearing the history.
#include <QDialog>
#include <functional>

#include "planner/planner_services.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace nv {

class RecentFiles;

class TReOpenForm : public QDialog {
  Q_OBJECT
 public:
  // profileDialog: the name-entry dialog, true when accepted. The list is cleared by
  // "履歴の削除".
  TReOpenForm(RecentFiles& recent, std::function<bool()> profileDialog, QWidget* parent = nullptr);

  // Shows the dialog modally and tells what it ended with.
  static ReOpenChoice choose(RecentFiles& recent, std::function<bool()> profileDialog,
                             QWidget* parent = nullptr);

  const ReOpenChoice& choice() const { return choice_; }

  QListWidget* ListBox1;
  QLabel *Label1, *Label2;
  QPushButton *SelectBtn, *NewBtn, *DeleteBtn;

 protected:
  // Esc means "新規作成", as the button that cancels the dialog.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SelectBtnClick();
  void NewBtnClick();
  void DeleteBtnClick();

  RecentFiles& recent_;
  std::function<bool()> profileDialog_;
  ReOpenChoice choice_;
};

}  // namespace nv
