#pragma once
// What the main window asks of the chosen-menu window and of the graph window. The main
// window talks to them only through these two faces, so it can be built, docked and tested
// without either window; app/ wraps the real windows.
#include <string>

#include "core/kojin_data.h"

class QWidget;

namespace nv {

class Ini;

class SelKondatePort {
 public:
  virtual ~SelKondatePort() = default;
  // The window to dock (bottom panel).
  virtual QWidget* widget() = 0;
  // Adds the dish of the category to the active meal; `direct` skips the editing step.
  virtual void AddDish(const std::string& category, const std::string& dishName, bool direct) = 0;
  virtual void RecalcAllGraphs() = 0;
  virtual void ClearAll() = 0;
  // True when written (a failure has been reported by the window).
  virtual bool SaveMenuFile(const std::string& path) = 0;
  virtual bool LoadMenuFile(const std::string& path) = 0;
  virtual void ReadBackColors(const Ini& ini) = 0;
  virtual void WriteBackColors(Ini& ini) = 0;
  virtual void SetChartTitles(const std::string& name) = 0;
  virtual void setActivePage(int index) = 0;
  virtual bool Modified() const = 0;
  // Lays out and recomputes after a page, basis or profile change.
  virtual void refresh() = 0;
  // Width of the quantity dialog (SelKondateForm/EditKondateFormWidth).
  virtual int EditKondateFormWidth() const = 0;
  virtual void setEditKondateFormWidth(int width) = 0;
  // The window settings the last loaded menu file held.
  virtual KojinViewState loadedViewState() const = 0;
};

class GraphPort {
 public:
  virtual ~GraphPort() = default;
  // The window to dock (right panel).
  virtual QWidget* widget() = 0;
  virtual void setActivePage(int index) = 0;
};

}  // namespace nv
