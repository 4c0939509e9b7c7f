#pragma once
// The installer's small windows: the pattern editor, the archive chooser and the version
// window.
#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;
class QButtonGroup;

namespace nv::setup {

class TEditExtForm : public QDialog {
  Q_OBJECT
 public:
  explicit TEditExtForm(const std::string& pattern, QWidget* parent = nullptr);
  std::string pattern() const;
  QLineEdit* Edit1 = nullptr;
  QPushButton* B_Ok = nullptr;
  QPushButton* B_Cancel = nullptr;
};

class TSelectLzhFileForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSelectLzhFileForm(const std::vector<std::string>& paths, QWidget* parent = nullptr);
  // The chosen entry's index.
  int chosen() const;

 private:
  QButtonGroup* group_ = nullptr;
};

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace nv::setup
