#pragma once
// TBentouDetailsForm: the lunch-box game's settings dialog and data builder. Three tabs: the
// conversion of the food and dish CSV sources into the lunch-box data file with the picture
// check, the environment (scroll style, save folder, group colours, part positions), and
// the storage places (where each appliance, its dish area and its cells lie, with a preview).
#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "bento/kitchen_ports.h"
#include "bento/model/appliance_layout.h"
#include "bento/model/kitchen_settings.h"
#include "platform/files.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace nv {

class TBentoubakoForm;
class TDaidokoro;

class TBentouDetailsForm : public QDialog {
  Q_OBJECT
 public:
  // kitchen: the loaded lunch-box data whose dishes the previews list (may be null).
  TBentouDetailsForm(const KitchenSettings& settings, std::string iniPath,
                     const TDaidokoro* kitchen, QWidget* parent = nullptr);
  ~TBentouDetailsForm() override;

  // The edited settings (meaningful after OK).
  KitchenSettings result() const;
  void setOpenDocument(std::function<void(const std::string&)> open) { open_ = std::move(open); }

  void TransBtnClick();
  void CheckKondateDataFileBtnClick();
  void openPicture();    // ListBox1 "開く(&O)"
  void renamePicture();  // ListBox1 "ファイル名の変更(&C)"
  // The "表示" button of an appliance: previews it at the kitchen's scale and takes back the
  // numbers.
  void showAppliance(LayoutSection section);
  // The kitchen's scale and origin for the previews; by default those of the primary screen,
  // which the kitchen covers.
  void setPreviewScale(double s, QPoint origin) {
    previewScale_ = s;
    previewOrigin_ = origin;
  }
  // "部品の位置を初期化する": the boxes show the built-in layouts, which OK stores.
  void resetPartPositions();
  // Writes the eight layouts from the spin boxes (OK), after removing the stored ones when
  // the positions were reset; Ok, or why NV.ini did not take them.
  SaveStatus writeLayouts();

  // The boxes of one layout section.
  struct LayoutBoxes {
    std::array<QSpinBox*, 4> picture{};  // iLeft, iTop, iRight (width), iBottom (height)
    std::array<QSpinBox*, 4> area{};     // raLeft, raTop, raRight, raBottom
    QSpinBox* columns = nullptr;
    QSpinBox* rows = nullptr;
    QPushButton* show = nullptr;  // null for the door
  };
  ApplianceLayout layoutOf(LayoutSection section) const;
  void setLayout(LayoutSection section, const ApplianceLayout& layout);

  QTabWidget* PageControl1 = nullptr;
  QPushButton *OkBtn = nullptr, *CancelBtn = nullptr;
  QLineEdit *FoodDataFile = nullptr, *KondateDataFile = nullptr, *FileName = nullptr;
  QPushButton *SetFoodDataFile1Btn = nullptr, *SetKondateDataFileBtn = nullptr;
  QPushButton *TransBtn = nullptr, *CheckKondateDataFileBtn = nullptr;
  QListWidget *ListBox1 = nullptr, *ListBox2 = nullptr;
  QComboBox* CB_ReizoukoScrollBarStyle = nullptr;
  QLineEdit* E_BentouDataSaveDir = nullptr;
  QPushButton* B_BentouDataSaveDir = nullptr;
  std::array<QPushButton*, 6> GunColor{};
  QPushButton* Btn_InitialBuhinPosition = nullptr;
  QCheckBox* CB_UseRegion = nullptr;
  std::array<LayoutBoxes, kLayoutSectionCount> layouts{};

 private:
  QWidget* buildConversionTab();
  QWidget* buildEnvironmentTab();
  QWidget* buildStorageTab();
  QGroupBox* buildApplianceGroup(LayoutSection section, QWidget* parent);
  void chooseCsv(QLineEdit* edit, const QString& title, const QString& filter);
  std::string pictureFolder() const { return settings_.bmpFolder; }

  KitchenSettings settings_;
  std::string iniPath_;
  const TDaidokoro* kitchen_;
  std::function<void(const std::string&)> open_;
  bool resetPending_ = false;
  double previewScale_ = 0;  // 0: the primary screen's
  QPoint previewOrigin_;
};

// The kitchen's settings port: the dialog over the kitchen's settings and data.
bool editKitchenSettings(TBentoubakoForm& kitchen, KitchenSettings& settings);
class BentouDetailsPort : public KitchenSettingsPort {
 public:
  bool edit(TBentoubakoForm& kitchen, KitchenSettings& settings) override {
    return editKitchenSettings(kitchen, settings);
  }
};

}  // namespace nv
