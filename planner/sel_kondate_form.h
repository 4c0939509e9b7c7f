#pragma once
// TSelKondateForm: the "選んだ献立" window. One tab per meal node shows the chosen dishes as
// picture buttons; the window adds, edits and deletes chosen dishes through the host's
// MenuDocument, follows its signals, and keeps the balance charts of the graph window and of
// the main window up to date.
#include <QColor>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/kojin_data.h"
#include "planner/model/selected_menu.h"

class QMenu;
class QAction;
class QScrollArea;
class QTabWidget;
class QTimer;

namespace nv {

class MenuDocument;
class PlannerHost;
struct SelKondateSettings;
class TEditKondateForm;
class TGraphForm;
class TSelButton;

class TSelKondateForm : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kNodeCount = SelectedMenu::kNodeCount;

  // The graph window may be null (its charts are then not filled).
  TSelKondateForm(PlannerHost& host, TGraphForm* graphForm, QWidget* parent = nullptr);
  ~TSelKondateForm() override;

  // The graph window whose charts this window fills (may be set after construction).
  void setGraphForm(TGraphForm* graphForm) { graphForm_ = graphForm; }
  TGraphForm* graphForm() const { return graphForm_; }

  // The document's menu and changed mark.
  const SelectedMenu& menu() const;
  bool Modified() const;
  void setModified(bool m);

  // Adds the dish `dishName` of `category` to the active meal, asking for the meal when the
  // day tab is active; `direct` adds it unchanged, otherwise through the quantity dialog.
  void AddDish(const std::string& category, const std::string& dishName, bool direct);
  // Edits the chosen dish behind `sender` (a chosen-dish button) in the quantity dialog.
  void EditDish(QObject* sender);
  // Deletes the dish whose button opened the popup menu.
  void Delete1Click();
  // Recomputes the active meal's charts and the day's, leaving out the dish with this
  // serial number (whose amounts the open quantity dialog then supplies).
  void RecalcGraphs(std::optional<int32_t> exclude = std::nullopt);
  void RecalcAllGraphs();
  void ClearAll();
  // The document's file reading and writing; true on success.
  bool SaveMenuFile(const std::string& path);
  bool LoadMenuFile(const std::string& path);
  void SetChartTitles(const std::string& childName);

  // Section SelKondateForm: the meal boxes' colours and the quantity dialog's width.
  void applySettings(const SelKondateSettings& settings);
  void storeSettings(SelKondateSettings& settings) const;
  QColor backColor(int node) const;
  void setBackColor(int node, const QColor& color);

  int EditKondateFormWidth() const { return editWidth_; }
  void setEditKondateFormWidth(int width) { editWidth_ = width; }

  // Shows page 0..3 without calling the page routine back (the routine itself calls this).
  void setActivePage(int index);
  int activePage() const;
  // After a page switch, a settings change or a profile change: lay out and recompute.
  void refresh();
  // After SelIconSize or SelIconFontSize changed: the buttons are made again at the new size.
  void applyIconSettings();
  // Lays out the buttons of one node, or of every node.
  void LayoutButtons(int node);
  void layoutAll();

  // For the main window and tests.
  QTabWidget* pageControl() const { return PageControl1; }
  QScrollArea* dishBox(int node) const { return dishBoxes_[size_t(node)]; }
  std::vector<TSelButton*> buttons(int node) const;
  QTimer* deleteTimer() const { return DeleteTimer; }
  QMenu* popupMenu() const { return PopupMenu1; }
  QAction* editAction() const { return Edit1; }
  QAction* deleteAction() const { return Delete1; }
  // The quantity dialog while it is open (nullptr otherwise).
  TEditKondateForm* editDialog() const { return editDialog_; }
  // Remembers the button a popup menu applies to (what a right click does).
  void setPopupButton(TSelButton* button) { popupButton_ = button; }

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class EditResult { Ok, Delete, Cancel };
  struct EditOutcome {
    EditResult result = EditResult::Cancel;
    TUsedFoodList foods;
  };
  EditOutcome runQuantityDialog(const SelDish& dish, int colourNode, bool showDelete);
  void PageControl1Change(int index);
  void DeleteTimerTimer();
  void startDelete(int32_t serialNo);
  void syncButtons(int node);
  void syncAllButtons();
  void menuReset();
  void drawPicture(TSelButton& button);
  void recalcNode(int node, std::optional<int32_t> exclude);
  void showPopup(TSelButton* button, const QPoint& pos);

  PlannerHost& host_;
  MenuDocument& doc_;
  TGraphForm* graphForm_;
  QTabWidget* PageControl1 = nullptr;
  std::array<QScrollArea*, kNodeCount> dishBoxes_{};
  std::array<QWidget*, kNodeCount> boxContents_{};
  std::array<std::vector<TSelButton*>, kNodeCount> buttons_;
  QTimer* DeleteTimer = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* Edit1 = nullptr;
  QAction* Delete1 = nullptr;
  TSelButton* popupButton_ = nullptr;
  TEditKondateForm* editDialog_ = nullptr;
  std::vector<int32_t> pendingDeletes_;
  int editWidth_ = 467;
  bool layingOut_ = false;
  bool settingPage_ = false;
  bool inPageChange_ = false;
};

}  // namespace nv
