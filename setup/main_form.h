#pragma once
// nvsetup's one window: install, uninstall, launchers and the association; in maker mode
// (nvsetup.ini beside the program) also the distribution builder in its lower group.
#include <QWidget>
#include <memory>
#include <string>

#include "setup/desktop_integration.h"
#include "setup/model/file_tree.h"
#include "setup/model/jobs.h"
#include "setup/model/maker_settings.h"
#include "setup/model/uninstall_plan.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class QToolButton;

namespace nv::setup {

class TMainForm : public QWidget {
  Q_OBJECT
 public:
  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  bool makerMode() const { return makerMode_; }
  // The install folder's main program.
  std::string mainProgram() const;
  // Runs the start-up search now (the constructor queues it).
  void startArchiveSearch();
  // True while a search, scan or delete job runs.
  bool jobRunning() const { return searchJob_ || scanJob_ || deleteJob_; }

  void refresh();
  void B_InstallClick();
  void B_UninstallClick();
  void SB_KanrendukeClick();
  void B_CompressClick(bool allFiles);
  void B_KousinClick();

  // The file chooser every picker shares: filter index 1-based.
  static QString openDialogFilter();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildInstallPart();
  void buildMakerPart();
  void readMakerSettings();
  MakerSettings makerSettingsFromControls() const;
  void updateItemButtons();
  void searchDone(std::vector<std::string> found);
  void deleteDone(std::string folder, RemoveResult removed);
  void pickInstallFolder();
  void pickDistribution();
  bool pickFile(int filterIndex, const std::string& initialDir, const std::string& fileName,
                std::string& chosen, bool mustExist = true);
  bool pickFolder(int filterIndex, const std::string& initialDir, std::string& folder);
  Job::Post poster();

  bool makerMode_ = false;
  bool busy_ = false;
  SettingsInstallDirStore store_;
  std::shared_ptr<TBrCaFolder> current_;
  std::shared_ptr<TBrCaFolder> previous_;
  std::shared_ptr<Job> searchJob_, deleteJob_, scanJob_;

 public:
  QLineEdit* E_BaseFolder = nullptr;
  QPushButton* B_ChangeInstallDir = nullptr;
  QLineEdit* E_Haihu = nullptr;
  QPushButton* B_ChangeHaihuFile = nullptr;
  QPushButton* B_Install = nullptr;
  QPushButton* B_Uninstall = nullptr;
  QGroupBox* GB_MakeShortCutIcon = nullptr;
  QPushButton* MakeShortCutOnDesktop = nullptr;
  QPushButton* MakeShortCutOnStartMenu = nullptr;
  QToolButton* SB_Kanrenduke = nullptr;
  QToolButton* SB_About = nullptr;
  QPushButton* B_Cancel = nullptr;
  QTimer* InstallTimer = nullptr;
  QGroupBox* GB_1 = nullptr;
  QLineEdit* E_Src = nullptr;
  QPushButton* B_SetSrcFolder = nullptr;
  QListWidget* CheckListBox1 = nullptr;
  QPushButton* B_ItemAdd = nullptr;
  QPushButton* B_ItemEdit = nullptr;
  QPushButton* B_ItemDel = nullptr;
  QLineEdit* E_LzhFolder = nullptr;
  QPushButton* B_SetLzhFolder = nullptr;
  QLineEdit* E_MainFileName = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* B_CompressAll = nullptr;
  QPushButton* B_Compress = nullptr;
  QPushButton* B_Kousin = nullptr;
};

}  // namespace nv::setup
