#include "summary/class_summary_form.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "summary/class_chart_view.h"
#include "summary/model/summary_csv.h"
#include "summary/model/summary_files.h"
#include "summary/model/summary_text.h"
#include "summary/pages/class_pages.h"
#include "summary/summary_table.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

// What the tab widget's frame takes of the table's width.
constexpr int kTabFrame = 8;

const QString kFilter = u"献立とお弁当 (*.nvu;*.nvub)|*.nvu;*.nvub|全てのファイル(*.*)|*.*"_s;

QPushButton* button(QWidget* parent, const QString& caption, const QString& accessible) {
  auto* b = new QPushButton(caption, parent);
  b->setAccessibleName(accessible);
  return b;
}

}  // namespace

ClassSummaryForm::ClassSummaryForm(DataFiles data, QPrinter* printer, QWidget* parent)
    : QWidget(parent, Qt::Window), dataFiles_(std::move(data)), printer_(printer) {
  setWindowTitle(u"クラスのまとめ"_s);
  setAccessibleName(u"クラスのまとめ"_s);
  choosePrinter = [this](QPrinter& p) {
    QPrintDialog dialog(&p, this);
    return dialog.exec() == QDialog::Accepted;
  };

  FolderButton = button(this, u"フォルダを選ぶ(&F)..."_s, u"フォルダを選ぶ"_s);
  FilesButton = button(this, u"ファイルを選ぶ(&O)..."_s, u"ファイルを選ぶ"_s);
  MealBox = new QComboBox(this);
  MealBox->setAccessibleName(u"くらべる食事"_s);
  for (SummaryMeal m :
       {SummaryMeal::Day, SummaryMeal::Breakfast, SummaryMeal::Lunch, SummaryMeal::Dinner})
    MealBox->addItem(toQ(mealText(m)), int(m));
  auto* mealLabel = new QLabel(u"食事(&M)："_s, this);
  mealLabel->setBuddy(MealBox);
  PrintButton = button(this, u"印刷(&P)..."_s, u"印刷"_s);
  PdfButton = button(this, u"PDFに保存(&D)..."_s, u"PDFに保存"_s);
  CsvButton = button(this, u"CSVに保存(&C)..."_s, u"CSVに保存"_s);
  CloseButton = button(this, u"閉じる"_s, u"閉じる"_s);
  Status = new QLabel(u"フォルダかファイルを選んでください。"_s, this);
  Status->setAccessibleName(u"読み込んだ人数"_s);

  model_ = new QStandardItemModel(this);
  proxy_ = new PinnedSortProxy(this);
  proxy_->setSourceModel(model_);
  proxy_->setSortRole(kSortRole);
  Table = new QTableView(this);
  Table->setAccessibleName(u"クラスと子どもごとの表"_s);
  Table->setModel(proxy_);
  Table->setItemDelegate(new BandDelegate(Table));
  Table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  Table->setSortingEnabled(true);
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->verticalHeader()->hide();
  Table->horizontalHeader()->setMinimumSectionSize(24);
  // Titles a size smaller: sixteen percentages and the child's columns fit 1024 pixels.
  QFont titles = Table->horizontalHeader()->font();
  titles.setPointSizeF(titles.pointSizeF() * 0.9);
  Table->horizontalHeader()->setFont(titles);
  Table->setWordWrap(false);
  Chart = new ClassChartView(this);
  Unreadable = new QListWidget(this);
  Unreadable->setAccessibleName(u"読めなかったファイル"_s);
  Unreadable->setMaximumHeight(90);
  Unreadable->hide();

  auto* top = new QHBoxLayout;
  for (QWidget* w : {static_cast<QWidget*>(FolderButton), static_cast<QWidget*>(FilesButton),
                     static_cast<QWidget*>(mealLabel), static_cast<QWidget*>(MealBox)})
    top->addWidget(w);
  top->addStretch();
  for (QWidget* w : {PrintButton, PdfButton, CsvButton, CloseButton}) top->addWidget(w);
  split_ = new QSplitter(Qt::Horizontal);
  split_->setChildrenCollapsible(false);
  Views = new QTabWidget;
  Views->setAccessibleName(u"表とグラフ"_s);
  Views->tabBar()->setAccessibleName(u"表とグラフ"_s);
  views_ = new QStackedWidget(this);
  views_->addWidget(split_);
  views_->addWidget(Views);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);  // the table's columns need the width
  layout->addLayout(top);
  layout->addWidget(Status);
  layout->addWidget(views_, 1);
  layout->addWidget(Unreadable);

  connect(FolderButton, &QPushButton::clicked, this, &ClassSummaryForm::chooseFolder);
  connect(FilesButton, &QPushButton::clicked, this, &ClassSummaryForm::chooseFiles);
  connect(MealBox, &QComboBox::currentIndexChanged, this, &ClassSummaryForm::mealChanged);
  connect(PrintButton, &QPushButton::clicked, this, &ClassSummaryForm::print);
  connect(PdfButton, &QPushButton::clicked, this, &ClassSummaryForm::savePdf);
  connect(CsvButton, &QPushButton::clicked, this, &ClassSummaryForm::saveCsv);
  connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
  showSummary();
}

ClassSummaryForm::~ClassSummaryForm() = default;

void ClassSummaryForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeChart();
}

// The table keeps every column in view: the chart goes beside it only where both fit, and
// gets the width the table does not need; else the chart is a tab, and the columns give way
// as far as their contents let them (widthsWithin).
void ClassSummaryForm::placeChart() {
  const int chrome = 2 * Table->frameWidth() + Table->verticalScrollBar()->sizeHint().width();
  int table = chrome;
  for (int w : columnWidths_.natural) table += w;
  const int room = views_->width();
  const bool beside = room >= table + split_->handleWidth() + Chart->minimumSizeHint().width();
  const std::vector<int> widths =
      beside ? columnWidths_.natural : widthsWithin(columnWidths_, room - kTabFrame - chrome);
  for (size_t c = 0; c < widths.size(); ++c) Table->setColumnWidth(int(c), widths[c]);
  if (beside) {
    if (placement_ != Placement::Beside) {
      Views->clear();
      split_->addWidget(Table);
      split_->addWidget(Chart);
      // Taken out of the tabs they are hidden.
      Table->show();
      Chart->show();
      split_->setStretchFactor(0, 0);
      split_->setStretchFactor(1, 1);
      views_->setCurrentWidget(split_);
    }
    if (placement_ != Placement::Beside || placedTableWidth_ != table)
      split_->setSizes({table, room - table - split_->handleWidth()});
    placement_ = Placement::Beside;
  } else if (placement_ != Placement::Tabs) {
    Views->addTab(Table, u"表"_s);
    Views->addTab(Chart, u"グラフ"_s);
    views_->setCurrentWidget(Views);
    placement_ = Placement::Tabs;
  }
  placedTableWidth_ = table;
}

bool ClassSummaryForm::ensureData() {
  if (data_) return true;
  data_ = std::make_unique<ClassData>();
  unreadableData_.clear();
  for (const DataProblem& d : loadClassData(dataFiles_.nv, dataFiles_.nvb, *data_))
    unreadableData_.push_back(toQ(d.path) + u"："_s + toQ(d.reason));
  return true;
}

void ClassSummaryForm::openPaths(const std::vector<std::string>& paths) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ensureData();
  const ClassFiles files = collectClassFiles(paths);
  summary_ =
      summarizeClass(files.files, data_->view(), SummaryMeal(MealBox->currentData().toInt()));
  summary_.unreadable.insert(summary_.unreadable.begin(), files.unreadable.begin(),
                             files.unreadable.end());
  showSummary();
  QApplication::restoreOverrideCursor();
}

void ClassSummaryForm::mealChanged() {
  summary_.meal = SummaryMeal(MealBox->currentData().toInt());
  summary_.stats = classStats(summary_.children, summary_.meal);
  showSummary();
}

void ClassSummaryForm::showSummary() {
  fillSummaryModel(*model_, summary_);
  // The files' own order until the teacher sorts by a column.
  Table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  columnWidths_ = summaryColumnWidths(*Table);
  placeChart();
  Chart->setSummary(&summary_);
  const bool any = !summary_.children.empty();
  for (QPushButton* b : {PdfButton, CsvButton}) b->setEnabled(any);
  PrintButton->setEnabled(any && printer_);
  if (any || !summary_.unreadable.empty())
    Status->setText(u"%1人　読めなかったファイル %2"_s.arg(summary_.children.size())
                        .arg(summary_.unreadable.size()));
  Unreadable->clear();
  Unreadable->addItems(unreadableData_);
  for (const UnreadableFile& u : summary_.unreadable)
    Unreadable->addItem(toQ(u.path) + u"："_s + toQ(u.reason));
  Unreadable->setVisible(Unreadable->count() > 0);
}

void ClassSummaryForm::chooseFolder() {
  FileRequest r = fileRequest(kFilter, u"クラスのフォルダを選ぶ"_s);
  r.fileName = "default";
  r.mustExist = false;  // "default" names no file: the folder is what is chosen
  std::string path;
  if (dialogs().openFile(r, path)) openPaths({folderOf(path)});
}

void ClassSummaryForm::chooseFiles() {
  FileRequest r = fileRequest(kFilter, u"献立とお弁当のファイルを選ぶ"_s);
  r.allowMultiple = true;
  std::vector<std::string> paths;
  if (dialogs().openFiles(r, paths)) openPaths(paths);
}

std::vector<std::string> ClassSummaryForm::inputs() const {
  std::vector<std::string> in = {dataFiles_.nv, dataFiles_.nvb};
  for (const ChildResult& c : summary_.children) in.push_back(c.path);
  for (const UnreadableFile& u : summary_.unreadable) in.push_back(u.path);
  return in;
}

std::string ClassSummaryForm::chooseOutput(const QString& title, const QString& filter,
                                           const char* ext) {
  FileRequest r = fileRequest(filter, title);
  r.defaultExt = ext;
  r.fileName = fromQ(u"クラスのまとめ."_s + QLatin1StringView(ext));
  r.mustExist = false;
  std::string path;
  if (!dialogs().saveFile(r, path)) return {};
  if (namesAnInput(path, inputs())) {
    ask(path, u"読み込んだファイルには書き出せません"_s, Icon::Stop, Buttons::Ok);
    return {};
  }
  return path;
}

void ClassSummaryForm::print() {
  if (!printer_ || !choosePrinter(*printer_)) return;
  printer_->setPageOrientation(QPageLayout::Landscape);
  printer_->setDocName(u"クラスのまとめ"_s);
  if (!printClassPages(*printer_, summary_)) {
    ask(u"印刷できませんでした"_s, u"クラスのまとめ"_s, Icon::Stop, Buttons::Ok);
    return;
  }
  Status->setText(u"印刷しました。"_s);
}

void ClassSummaryForm::savePdf() {
  const std::string path = chooseOutput(u"PDFに保存"_s, u"PDF (*.pdf)|*.pdf"_s, "pdf");
  if (path.empty()) return;
  QSaveFile file(toQ(path));
  bool ok = file.open(QIODevice::WriteOnly);
  if (ok) {
    QPdfWriter writer(&file);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));
    writer.setResolution(300);
    writer.setTitle(u"クラスのまとめ"_s);
    writer.setCreator(QStringLiteral("NV"));
    ok = printClassPages(writer, summary_);
  }
  if (!ok || !file.commit()) {
    ask(path, u"書き出しのためにオープンできません"_s, Icon::None, Buttons::Ok);
    return;
  }
  Status->setText(u"保存しました："_s + toQ(path));
}

void ClassSummaryForm::saveCsv() {
  const std::string path = chooseOutput(u"CSVに保存"_s, u"CSV (*.csv)|*.csv"_s, "csv");
  if (path.empty()) return;
  if (!writeFileAtomic(path, classSummaryCsv(summary_))) {
    ask(path, u"書き出しのためにオープンできません"_s, Icon::None, Buttons::Ok);
    return;
  }
  Status->setText(u"保存しました："_s + toQ(path));
}

ClassSummaryForm* openClassSummary(QWidget* parent, QPrinter* printer) {
  auto* form = new ClassSummaryForm(configuredDataFiles(), printer, parent);
  form->setAttribute(Qt::WA_DeleteOnClose);
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen && screen->availableGeometry().width() < 1366) {
    // A small screen gives the table all its width.
    form->showMaximized();
  } else if (screen) {
    const QRect area = screen->availableGeometry();
    form->resize(area.width() * 9 / 10, area.height() * 9 / 10);
    form->move(area.center() - form->rect().center());
  }
  form->show();
  form->raise();
  return form;
}

}  // namespace nv
