#pragma once
// What the main window asks of the chosen-menu window and of the graph window. The main
// window talks to them only through these two faces, so it can be built, docked and tested
// without either window; planner/menu_windows.h wraps the real windows. The chosen menu
// itself (dishes, file, changed mark) is the MenuDocument both sides share.
#include <string>

class QWidget;

namespace nv {

struct SelKondateSettings;

class SelKondatePort {
 public:
  virtual ~SelKondatePort() = default;
  // The window to dock (bottom panel).
  virtual QWidget* widget() = 0;
  // Adds the dish of the category to the active meal; `direct` skips the editing step.
  virtual void AddDish(const std::string& category, const std::string& dishName, bool direct) = 0;
  virtual void RecalcAllGraphs() = 0;
  virtual void SetChartTitles(const std::string& name) = 0;
  virtual void setActivePage(int index) = 0;
  // Lays out and recomputes after a page, basis or profile change.
  virtual void refresh() = 0;
  // Section SelKondateForm: the quantity dialog's width and the meal boxes' colours, applied
  // at start-up and after the settings dialog, read back when the main window closes.
  virtual void applySettings(const SelKondateSettings& settings) = 0;
  virtual void storeSettings(SelKondateSettings& settings) const = 0;
  // After the chosen-dish button size or font size changed.
  virtual void applyIconSettings() = 0;
};

class GraphPort {
 public:
  virtual ~GraphPort() = default;
  // The window to dock (right panel).
  virtual QWidget* widget() = 0;
  virtual void setActivePage(int index) = 0;
};

}  // namespace nv
