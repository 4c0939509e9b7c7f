#pragma once
// TChangeFileNameForm: the small rename dialog of the lunch-box data builder (old name
// read-only, new name editable).
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace nv {

class TChangeFileNameForm : public QDialog {
  Q_OBJECT
 public:
  TChangeFileNameForm(const std::string& oldName, const std::string& newName,
                      QWidget* parent = nullptr);
  std::string newName() const;

  QLineEdit* OldName = nullptr;
  QLineEdit* NewName = nullptr;
  QPushButton* OkBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};

}  // namespace nv
