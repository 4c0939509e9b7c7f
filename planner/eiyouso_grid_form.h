#pragma once
// TEiyousoGridForm: the print dialog "作った献立を印刷します。". The check list chooses the
// menu table and the meals' charts; the grid holds the nutrient table (its cells may be
// edited before printing); the buttons print, preview and set up the printer.
#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "widgets/grid_printer.h"
#include "widgets/paper_chart.h"

class QListWidget;
class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace nv {

class MenuPages;
class SelectedMenu;
class TFoodData;
class TKojinData;
class TKondateData;
class TStringGrid;

// What printing a menu needs from the planner.
struct MenuPrintSource {
  const SelectedMenu* menu = nullptr;
  const TFoodData* foods = nullptr;
  const TKondateData* dishes = nullptr;
  const TKojinData* profile = nullptr;
  std::string bmpFolder;                      // CP932, with its separator
  std::function<PaperChart(int node)> chart;  // the graph window's chart of a meal node
};

class TEiyousoGridForm : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kWidth = 428;

  // printer: the program's printer (not owned); nullptr gives the dialog one of its own.
  TEiyousoGridForm(MenuPrintSource source, QPrinter* printer, QWidget* parent = nullptr);
  ~TEiyousoGridForm() override;

  // Opening from the main window: no dishes shows "印刷する献立がありません。"; the default
  // name asks for the profile first (askName returns false when cancelled). True when shown.
  static bool openFor(const MenuPrintSource& source, QPrinter* printer, bool defaultName,
                      const std::function<bool()>& askName, QWidget* parent);

  // How the printer is chosen before printing: the Qt print dialog (which also prints to a
  // PDF file). Tests replace it.
  std::function<bool(QPrinter&)> choosePrinter;
  // The printer set-up of "設定...": the program's set-up dialog by default.
  std::function<bool()> printerSetup;
  // How the preview is shown (exec() by default); tests drive it.
  std::function<void(QDialog&)> showPreview;

  void fillCheckList();
  void fillTable();
  bool tableChecked() const;
  // The checked meal nodes (0..3) in list order.
  std::vector<int> checkedMeals() const;
  // Prints the checked pages on the printer (no dialog); false when it failed.
  bool printChecked();
  // The pages as the grid and check list now stand.
  std::unique_ptr<MenuPages> pagesFor();
  const TStrGridPrinter& gridPrinter() const { return StrGridPrinter1; }
  QPrinter& printer() { return *printer_; }

  void ShowTableBtnClick();
  void PrinterSetupBtnClick();
  void PrintBtnClick();
  void PrintPreViewBtnClick();
  void CloseBtnClick() { reject(); }

  QPlainTextEdit* Memo1;
  QListWidget* CheckListBox1;
  QPushButton *ShowTableBtn, *PrinterSetupBtn, *PrintBtn, *CloseBtn, *PrintPreViewBtn;
  TStringGrid* StringGrid;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool sharedChecks();
  int panelHeight() const;
  void syncGridPrinter();

  MenuPrintSource source_;
  std::unique_ptr<QPrinter> ownPrinter_;
  QPrinter* printer_;
  QWidget* panel_ = nullptr;
  TStrGridPrinter StrGridPrinter1;
};

}  // namespace nv
