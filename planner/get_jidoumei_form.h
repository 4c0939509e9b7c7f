#pragma once
// TGetJidoumeiForm: "名前を入力して下さい", the dialog in which a child (or a teacher for the
// child) enters the name and the personal data the daily requirements follow from, and on
// its widest layout the nine requirements themselves.
#include <QDialog>
#include <array>
#include <string>

#include "planner/model/name_entry_model.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QToolButton;
class QWidget;

namespace nv {

class TKojinData;

class TGetJidoumeiForm : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kCount = kNameEntryRequirementCount;

  // Runs the standard values for the default age, sex and level (FormCreate).
  explicit TGetJidoumeiForm(QWidget* parent = nullptr);

  // Sets every control from the profile, then the standard values; height, weight and the
  // nine requirements are then taken from the profile and the sliders follow them.
  void fillFrom(const TKojinData& kojin);
  // Copies every field back (name, age, capacity, sex, height, weight, activity, the three
  // boxes, the meal split and the nine requirements) and looks up the food-group targets.
  void copyTo(TKojinData& kojin) const;

  // The layout button's caption (CP932) and setting it without laying out.
  std::string layoutCaption() const;
  void setLayoutCaption(const std::string& caption);

  // The handlers of the original events, public so that the profile and tests can run them.
  void AgeChange();
  void SeikatuKyoudoClick();
  void JunyuuhuClick();
  void WindoowKakuchouBtnClick();
  // Lays the dialog out by the button's caption and centres it.
  void ApplyLayout();
  // Moves the nine requirement sliders to where the edits' values lie, rewriting no edit.
  void SetSlidersFromEdits();

  double standardHeight() const { return stdHeight_; }
  double standardWeight() const { return stdWeight_; }
  double standard(int i) const { return standards_[size_t(i)]; }

  // Controls, named as the event handlers refer to them.
  QLineEdit* Edit1 = nullptr;
  QSpinBox* Age = nullptr;
  QRadioButton* SexMale = nullptr;
  QRadioButton* SexFemale = nullptr;
  QCheckBox* Ninpu = nullptr;
  QCheckBox* Junyuuhu = nullptr;
  QCheckBox* Bunben6 = nullptr;
  QSpinBox* CSE_Bentoubako = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QLineEdit* Sinchou = nullptr;
  QSlider* TBSinchou = nullptr;
  QLineEdit* Taijuu = nullptr;
  QSlider* TBTaijuu = nullptr;
  std::array<QLabel*, 3> LSinchou{};
  std::array<QLabel*, 3> LTaijuu{};
  std::array<QRadioButton*, 4> SeikatuKyoudo{};
  QPlainTextEdit* Memo1 = nullptr;
  // Energy, Sibou, TanpakuSitu, VitaminA, VitaminB1, VitaminB2, VitaminC, Calcium, Tetu.
  std::array<QLineEdit*, kCount> Requirement{};
  std::array<QSlider*, kCount> TrackBar{};
  QToolButton* WindoowKakuchouBtn = nullptr;
  QPushButton* OkBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QWidget* Panel1 = nullptr;  // height, weight, activity level
  QWidget* Panel2 = nullptr;  // layout button, OK, Cancel
  QWidget* Panel3 = nullptr;  // the nine requirements
  QFrame* Bevel1 = nullptr;   // separator line

  int sexIndex() const;
  int activityIndex() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildTop();
  void buildBody();
  void buildRequirements();
  void buildButtons();

  void Edit1Change();
  void TBSinchouChange();
  void TBTaijuuChange();
  void SinchouChange();
  void TaijuuChange();
  void NinpuClick();
  void TrackBarChange(int i);
  // Steps 4 and 5 of AgeChange: fat ratio, vitamins and minerals with their standards.
  void setMineralStandards();
  void setRequirement(int i, double value);
  void centre();

  double stdHeight_ = 0;
  double stdWeight_ = 0;
  std::array<double, kCount> standards_{};
  bool bodyTracking_ = false;     // a height or weight slider and its edit are updating each other
  bool settingSliders_ = false;   // the dialog moves the requirement sliders itself
  bool inActivityClick_ = false;  // the level's clamp toggles the radio group
};

// The profile's Edit: opens the dialog filled from `kojin` and, when the user accepts,
// copies everything back. The layout caption is stored back either way. True on OK.
bool editProfile(TKojinData& kojin, QWidget* parent);

}  // namespace nv
