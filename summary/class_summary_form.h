#pragma once
// "クラスのまとめ": a teacher picks a folder or files of the class's saved menus and lunch boxes
// and sees the class rows and every child in one table, a chart of the bands per nutrient and
// group (beside the table where the window has room for both, else a tab behind it), and
// prints, saves a PDF or a CSV. The files are read where they are; only what the
// teacher saves is written.
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "summary/model/class_data.h"
#include "summary/model/class_summary.h"
#include "summary/summary_table.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QStandardItemModel;
class QTabWidget;
class QTableView;

namespace nv {

class ClassChartView;
class PinnedSortProxy;

class ClassSummaryForm : public QWidget {
  Q_OBJECT

 public:
  // `printer`: the program's printer (not owned; null: printing is off).
  ClassSummaryForm(DataFiles data, QPrinter* printer, QWidget* parent = nullptr);
  ~ClassSummaryForm() override;

  // Reads the files and folders (CP932) and shows the class.
  void openPaths(const std::vector<std::string>& paths);
  const ClassSummary& summary() const { return summary_; }

  // The print dialog; tests replace it. False: cancelled.
  std::function<bool(QPrinter&)> choosePrinter;

  QPushButton *FolderButton, *FilesButton, *PrintButton, *PdfButton, *CsvButton, *CloseButton;
  QComboBox* MealBox;
  QLabel* Status;
  QTableView* Table;
  ClassChartView* Chart;
  QTabWidget* Views;  // the table and the chart as tabs, when they do not fit side by side
  QListWidget* Unreadable;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  enum class Placement { None, Tabs, Beside };
  void placeChart();
  void chooseFolder();
  void chooseFiles();
  void mealChanged();
  void showSummary();
  void print();
  void savePdf();
  void saveCsv();
  bool ensureData();
  // The output path the teacher chose, or "" (cancelled, or one of the files read).
  std::string chooseOutput(const QString& title, const QString& filter, const char* ext);
  std::vector<std::string> inputs() const;

  DataFiles dataFiles_;
  std::unique_ptr<ClassData> data_;
  QPrinter* printer_;
  ClassSummary summary_;
  QStringList unreadableData_;
  QStandardItemModel* model_;
  PinnedSortProxy* proxy_;
  QSplitter* split_;
  QStackedWidget* views_;
  Placement placement_ = Placement::None;
  int placedTableWidth_ = 0;
  ColumnWidths columnWidths_;
};

// Opens the window over the data files NV.ini names, sized to the screen.
ClassSummaryForm* openClassSummary(QWidget* parent, QPrinter* printer);

}  // namespace nv
