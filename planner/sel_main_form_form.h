#pragma once
// TSelMainFormForm: the first window of the program. The child chooses the menu planner or
// the lunch-box game; the window shows the version, opens the usage pages and owns what both
// activities share (the food-group table and the child's profile). Started with files, it
// opens them and the program ends without it ever being shown.
#include <QFrame>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QMenu;
class QAction;
class QToolButton;

namespace nv {

class TGunName;
class TKojinData;

class TSelMainFormForm : public QWidget {
  Q_OBJECT
 public:
  static constexpr int32_t kDefaultBackColor = 13828095;  // RGB 255, 255, 210

  // Start-up (FormCreate). hostName: the network host name; the default child name is the
  // part before its first ".".
  explicit TSelMainFormForm(const std::string& hostName, QWidget* parent = nullptr);
  ~TSelMainFormForm() override;

  // The activities; each runs modally and returns when its window has closed.
  struct Hooks {
    // The menu planner with the menu files of the command line (empty from the button).
    std::function<void(const std::vector<std::string>& menuFiles)> startMenuPlanner;
    // The lunch-box game on a file ("" from the button). Empty: not available.
    std::function<void(const std::string& file)> startLunchBox;
    // The batch print of lunch-box files. Empty: not available.
    std::function<void()> printBentouData;
    // The class summary window. Empty: not available.
    std::function<void()> showClassSummary;
  };
  Hooks hooks;

  TGunName& gunName() { return *gunName_; }
  TKojinData& kojinData() { return *kojinData_; }
  const std::string& defaultName() const { return defaultName_; }
  int32_t backColor() const { return backColor_; }
  const std::string& iniPath() const { return iniPath_; }

  // Command-line handling (FormShow): with arguments (the files, without the program's own
  // path) runs what they ask for and returns true: the program then ends without the screen.
  bool handleArguments(const std::vector<std::string>& args);

  // Shows a top-level window application-modal and returns once it has been closed or
  // hidden (the activities' windows are main windows, not dialogs).
  static void showModal(QWidget& window);

  // The message for an activity that is not part of this build.
  static QString lunchBoxMissingText();

  void SB_DoBDClick();
  void SB_DoBentouClick();
  void SB_SetBackColorClick();
  void SB_BackColorClick();
  void ProgramIconClick();
  void MI_PrintBentouDataClick();

  QFrame* Panel1;
  QLabel *Label1, *L_Version, *ProgramIcon;
  QToolButton *SB_DoBD, *SB_DoBentou, *SB_Exit, *SB_SetBackColor, *SB_BackColor;
  QMenu* PopupMenu1;

 protected:
  void closeEvent(QCloseEvent* event) override;  // FormClose
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void setBackColor(int32_t color);

  // The picture button's pop-up commands (objectNames as here).
  QAction* MI_PrintBentouData;
  QAction* MI_ClassSummary;  // beside データ印刷: the teacher's class summary
  // Shows the notice and returns false when the lunch-box game cannot be started.
  bool lunchBoxAvailable();

  std::unique_ptr<TGunName> gunName_;
  std::unique_ptr<TKojinData> kojinData_;
  std::string defaultName_;
  std::string iniPath_;
  int32_t backColor_ = kDefaultBackColor;
};

}  // namespace nv
