#pragma once
// What the menu planner's tool windows (the chosen-menu window, the graph window, the
// quantity dialog) need from the main window. TMainForm implements it; tests use a fake.
#include <string>

class QAbstractButton;

namespace nv {

class BarChart;
class MenuDocument;
class TFoodData;
class TGunName;
class TKojinData;
class TKondateData;

class PlannerHost {
 public:
  virtual ~PlannerHost() = default;

  // The program's current data (may be empty tables, never null).
  virtual TFoodData& foodData() = 0;
  virtual TKondateData& kondateData() = 0;
  virtual TKojinData& profile() = 0;
  // The chosen menu: its dishes, file and changed mark.
  virtual MenuDocument& document() = 0;
  virtual TGunName& gunName() = 0;

  // The page routine: shows meal tab index (0..3) on every page control, guarded against
  // re-entry; an index outside 0..3 shows "プログラムのバグです(タブ表示部)".
  virtual void selectMealTab(int index) = 0;
  // The graph basis: true = nutrients, false = the six food groups.
  virtual bool graphByNutrient() const = 0;
  // The food groups' hatching on the charts (PatternBars in section Data of NV.ini).
  virtual bool patternBars() const = 0;
  // The main window's percent chart of meal node 0..3 (nullptr before it exists).
  virtual BarChart* percentChart(int node) = 0;

  // Section Data of NV.ini: chosen-dish button size and font size (64 and 6 by default).
  virtual int selIconSize() const = 0;
  virtual int selIconFontSize() const = 0;
  // The dish picture of `dishName` from the picture folder, scaled by factor onto the button
  // (the glyph rule of the main window); leaves the glyph alone when there is no picture.
  virtual void setDishGlyph(QAbstractButton& button, const std::string& dishName,
                            double factor) = 0;

  // Conveyor timers are paused while a modal dialog of the planner is open.
  virtual void pauseConveyor() = 0;
  virtual void resumeConveyor() = 0;
  // After the chosen menu changed: the main window refreshes what depends on it.
  virtual void refreshView() = 0;
};

}  // namespace nv
