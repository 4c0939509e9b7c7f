#pragma once
// TDetailsForm: the teacher's settings dialog of the menu planner. Four tabs: converting the
// food and dish CSV sources into the data file, converting pictures into the picture folder,
// the contents of the data file, and the display settings. It edits a copy of the settings
// and hands it back (result()) when closed with OK; the rules live in teacher/model/.
#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "teacher/model/details_model.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabWidget;
class QTreeWidget;

namespace nv {

class TDetailsForm : public QDialog {
  Q_OBJECT
 public:
  explicit TDetailsForm(const DetailsSettings& settings, QWidget* parent = nullptr);
  ~TDetailsForm() override;

  // The edited values and what changed; meaningful after OK.
  DetailsResult result() const;
  // How a document (the dish CSV's report) is opened; the desktop by default.
  void setOpenDocument(std::function<void(const std::string&)> open) { open_ = std::move(open); }
  // Dots per inch of the screen, for shrinking pictures (the screen's own by default).
  void setDotsPerInch(int dpi) { dpi_ = dpi; }

  // Handlers, public so that tests drive them as a click would.
  void SetFoodDataFile1BtnClick();
  void SetKondateDataFileBtnClick();
  void SetAddKondateFileNameBtnClick();
  void SelSourceBmpFolderClick();
  void SelTargetBmpFolderBtnClick();
  void TransBtnClick();
  void CheckKondateDataFileBtnClick();
  void Button3Click();  // shrink and convert
  void Button1Click();  // convert unchanged
  void ShowBdFileBtnClick();
  void TabSheet4Resize();

  QTabWidget* PageControl1 = nullptr;
  QPushButton* OkBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  // CSV file conversion
  QLineEdit *FoodDataFile = nullptr, *KondateDataFile = nullptr, *FileName = nullptr;
  QPushButton *SetFoodDataFile1Btn = nullptr, *SetKondateDataFileBtn = nullptr;
  QPushButton *TransBtn = nullptr, *CheckKondateDataFileBtn = nullptr;
  QTreeWidget *ListView1 = nullptr, *ListView2 = nullptr;
  // Picture conversion
  QLineEdit *SourceBmpFolder = nullptr, *TargetBmpFolder = nullptr;
  QPushButton *SelSourceBmpFolder = nullptr, *SelTargetBmpFolderBtn = nullptr;
  QPushButton *Button3 = nullptr, *Button1 = nullptr;
  QSpinBox *KondateIconSize = nullptr, *KondateIconFontSize = nullptr;
  QSpinBox *SelIconSize = nullptr, *SelIconFontSize = nullptr;
  QLabel* TransLabel = nullptr;
  // Internal data
  QLineEdit* FileName2 = nullptr;
  QPushButton* ShowBdFileBtn = nullptr;
  QLabel *ShokuhinLabel = nullptr, *KondateLabel = nullptr;
  QTreeWidget *ListView3 = nullptr, *ListView4 = nullptr;
  // Environment
  QWidget* TabSheet4 = nullptr;
  QSpinBox* FontSize = nullptr;
  QPushButton* KondateBackColor = nullptr;
  std::vector<QPushButton*> mealColorButtons;
  std::array<QPushButton*, 6> GunColor{};
  QLineEdit* AddKondateFileName = nullptr;
  QPushButton* SetAddKondateFileNameBtn = nullptr;
  QCheckBox* AutoOpen0 = nullptr;
  QGroupBox* KaitenGroup = nullptr;
  QSlider* TB_KaitenShuuki = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildCsvTab();
  QWidget* buildPictureTab();
  QWidget* buildDataTab();
  QWidget* buildEnvironmentTab();
  void FormShow();
  void changed();  // enables OK
  void SetBackColor(QPushButton* button, int32_t& color);
  void convertPictures(bool shrink);
  bool chooseFile(QLineEdit* edit, const QString& title, const QString& filter, const char* ext);
  bool chooseFolder(QLineEdit* edit, const QString& title, const QString& filter);

  DetailsSettings settings_;  // colours live here; edits and boxes are read on result()
  bool fileNameChanged_ = false, addFileChanged_ = false, bmpFolderChanged_ = false;
  std::function<void(const std::string&)> open_;
  int dpi_ = 0;
  bool shown_ = false;
};

// The dialog's bounds and page as NV.ini keeps them (section DetailsForm).
struct DetailsPlacement {
  int left = 0, top = 0, width = 666, height = 484;
  bool stored = false;  // false: the dialog's own size, placed by the window system
  int page = 0;
};
// A colour button's face in a Windows colour value, with a caption readable on it.
void paintColorButton(QPushButton* button, int32_t color);

void placeDetailsForm(TDetailsForm& form, const DetailsPlacement& placement);
DetailsPlacement detailsPlacementOf(const TDetailsForm& form);

}  // namespace nv
