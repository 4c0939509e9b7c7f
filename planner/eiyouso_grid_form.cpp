#include "planner/eiyouso_grid_form.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/kojin_data.h"
#include "core/kondate_data.h"
#include "planner/model/nutrient_table.h"
#include "planner/model/print_layout.h"
#include "planner/model/selected_menu.h"
#include "planner/pages/menu_charts.h"
#include "planner/pages/menu_pages.h"
#include "planner/print_pre_view_form.h"
#include "platform/dialogs.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "widgets/print_destination.h"
#include "widgets/string_grid.h"

using namespace Qt::StringLiterals;

namespace nv {

namespace {

QPushButton* button(QWidget* parent, const char* objectName, const QString& text,
                    const QString& hint = {}) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(objectName));
  if (!hint.isNull()) b->setToolTip(hint);
  return b;
}

// Landscape for the duration of a job; the printer's own orientation comes back afterwards.
class LandscapeScope {
 public:
  explicit LandscapeScope(QPrinter& printer)
      : printer_(printer), previous_(printer.pageLayout().orientation()) {
    printer_.setPageOrientation(QPageLayout::Landscape);
  }
  ~LandscapeScope() { printer_.setPageOrientation(previous_); }

 private:
  QPrinter& printer_;
  QPageLayout::Orientation previous_;
};

}  // namespace

TEiyousoGridForm::TEiyousoGridForm(MenuPrintSource source, QPrinter* printer, QWidget* parent)
    : QDialog(parent), source_(std::move(source)) {
  if (!printer) ownPrinter_ = std::make_unique<QPrinter>();
  printer_ = printer ? printer : ownPrinter_.get();
  setObjectName(QStringLiteral("EiyousoGridForm"));
  setWindowTitle(u"作った献立を印刷します。"_s);

  choosePrinter = [this](QPrinter& p) {
    QPrintDialog dialog(&p, this);
    dialog.setWindowTitle(u"印刷"_s);
    return dialog.exec() == QDialog::Accepted;
  };
  printerSetup = [] { return dialogs().printerSetup(PageOrientation::Keep); };
  showPreview = [](QDialog& d) { d.exec(); };

  panel_ = new QWidget(this);
  Memo1 = new QPlainTextEdit(panel_);
  Memo1->setReadOnly(true);
  Memo1->setPlainText(
      u"　チェックマークが付いている項目を印刷します。\n"
      u"　一覧表（献立テーブル）を印刷する場合は、自分でチェックマークをつけて下さい。"_s);
  Memo1->setFixedHeight(Memo1->fontMetrics().height() * 3 + 12);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setAccessibleName(QStringLiteral(u"印刷の説明"));

  CheckListBox1 = new QListWidget(panel_);
  CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
  CheckListBox1->setAccessibleName(QStringLiteral(u"印刷する項目"));
  QFont listFont = CheckListBox1->font();
  listFont.setPixelSize(19);
  CheckListBox1->setFont(listFont);
  CheckListBox1->setFixedHeight(5 * (QFontMetrics(listFont).height() + 4) + 8);

  ShowTableBtn = button(panel_, "ShowTableBtn", u"テーブル表示"_s);
  ShowTableBtn->setCheckable(true);
  PrinterSetupBtn = button(panel_, "PrinterSetupBtn", u"設定..."_s, u"プリンターの設定をします"_s);
  PrintBtn =
      button(panel_, "PrintBtn", u"印刷(&P)"_s, u"このボタンをクリックすると印刷が始まります"_s);
  PrintBtn->setDefault(true);
  CloseBtn = button(panel_, "CloseBtn", u"閉じる(&C)"_s);
  PrintPreViewBtn = button(panel_, "PrintPreViewBtn", u"プレビュー(&V)..."_s);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {PrintBtn, PrintPreViewBtn, PrinterSetupBtn, ShowTableBtn, CloseBtn})
    buttons->addWidget(b);
  buttons->addStretch(1);
  auto* row = new QHBoxLayout;
  row->addWidget(CheckListBox1, 1);
  row->addLayout(buttons);
  auto* panelLayout = new QVBoxLayout(panel_);
  panelLayout->setContentsMargins(8, 8, 8, 8);
  panelLayout->addWidget(Memo1);
  panelLayout->addLayout(row);

  StringGrid = new TStringGrid(this);
  StringGrid->setObjectName(QStringLiteral("StringGrid"));
  StringGrid->setAccessibleName(QStringLiteral(u"献立テーブル"));
  StringGrid->setFont(nutrientGridFont());
  StringGrid->horizontalHeader()->setFont(nutrientGridFont());
  StringGrid->verticalHeader()->setDefaultSectionSize(16);
  StringGrid->verticalHeader()->setMinimumSectionSize(16);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel_);
  layout->addWidget(StringGrid, 1);
  StringGrid->hide();

  connect(ShowTableBtn, &QPushButton::clicked, this, &TEiyousoGridForm::ShowTableBtnClick);
  connect(PrinterSetupBtn, &QPushButton::clicked, this, &TEiyousoGridForm::PrinterSetupBtnClick);
  connect(PrintBtn, &QPushButton::clicked, this, &TEiyousoGridForm::PrintBtnClick);
  connect(PrintPreViewBtn, &QPushButton::clicked, this, &TEiyousoGridForm::PrintPreViewBtnClick);
  connect(CloseBtn, &QPushButton::clicked, this, &TEiyousoGridForm::CloseBtnClick);

  resize(kWidth, panelHeight());
  fillCheckList();
  fillTable();
}

TEiyousoGridForm::~TEiyousoGridForm() = default;

bool TEiyousoGridForm::openFor(const MenuPrintSource& source, QPrinter* printer, bool defaultName,
                               const std::function<bool()>& askName, QWidget* parent) {
  if (!source.menu || !menuHasDishes(*source.menu)) {
    ask(noMenuToPrint(), u"確認"_s, Icon::Information, Buttons::Ok);
    return false;
  }
  if (defaultName && askName && !askName()) return false;
  TEiyousoGridForm form(source, printer, parent);
  if (parent) form.move(parent->geometry().center() - form.rect().center());
  form.exec();
  return true;
}

int TEiyousoGridForm::panelHeight() const { return panel_->sizeHint().height(); }

void TEiyousoGridForm::fillCheckList() {
  CheckListBox1->clear();
  if (!source_.menu) return;
  for (const PrintCheckItem& item : printCheckItems(*source_.menu)) {
    auto* it = new QListWidgetItem(toQ(item.text), CheckListBox1);
    Qt::ItemFlags flags = Qt::ItemIsUserCheckable | Qt::ItemIsSelectable;
    if (item.enabled) flags |= Qt::ItemIsEnabled;
    it->setFlags(flags);
    it->setCheckState(item.checked ? Qt::Checked : Qt::Unchecked);
  }
}

void TEiyousoGridForm::fillTable() {
  if (!source_.menu || !source_.foods) return;
  const TKondateData* dishes = source_.dishes;
  const TextRows rows = nutrientTableRows(*source_.menu, *source_.foods, [dishes](int no) {
    return dishes ? dishes->nameOf(no) : std::string();
  });
  StringGrid->setCells(toQCells(rows));
}

void TEiyousoGridForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!ShowTableBtn->isChecked()) resize(kWidth, panelHeight());
  StringGrid->fitColumns();
}

void TEiyousoGridForm::ShowTableBtnClick() {
  if (ShowTableBtn->isChecked()) {
    StringGrid->show();
    showMaximized();
  } else {
    StringGrid->hide();
    showNormal();
    resize(kWidth, panelHeight());
  }
}

void TEiyousoGridForm::PrinterSetupBtnClick() {
  if (printerSetup) printerSetup();
}

bool TEiyousoGridForm::tableChecked() const {
  const QListWidgetItem* item = CheckListBox1->item(0);
  return item && item->checkState() == Qt::Checked;
}

std::vector<int> TEiyousoGridForm::checkedMeals() const {
  std::vector<int> meals;
  for (int i = 1; i < CheckListBox1->count(); ++i) {
    const QListWidgetItem* item = CheckListBox1->item(i);
    if (item->checkState() == Qt::Checked && (item->flags() & Qt::ItemIsEnabled))
      meals.push_back(i - 1);
  }
  return meals;
}

bool TEiyousoGridForm::sharedChecks() {
  const std::string problem =
      printRequestProblem(source_.menu != nullptr, tableChecked(), int(checkedMeals().size()));
  if (problem.empty()) return true;
  ask(problem, u"確認"_s, Icon::Information, Buttons::Ok);
  return false;
}

void TEiyousoGridForm::syncGridPrinter() {
  // The grid as it stands, edits included, its columns sized by the grid's rule as nvtool
  // sizes them, whatever the user did to the columns on screen.
  setGridPrinterCells(StrGridPrinter1, StringGrid->cells());
}

std::unique_ptr<MenuPages> TEiyousoGridForm::pagesFor() {
  syncGridPrinter();
  MenuPrintData data;
  data.childName = source_.profile ? source_.profile->name() : std::string();
  data.menu = source_.menu;
  data.bmpFolder = source_.bmpFolder;
  data.withTable = tableChecked();
  data.checkedNodes = checkedMeals();
  for (int node = 0; node < 4; ++node)
    if (source_.chart) data.charts[size_t(node)] = source_.chart(node);
  return std::make_unique<MenuPages>(std::move(data), &StrGridPrinter1);
}

bool TEiyousoGridForm::printChecked() {
  if (!printerHasDestination(*printer_)) return false;
  std::unique_ptr<MenuPages> pages = pagesFor();
  int total = 0;
  for (int node = 0; node < 4 && source_.menu; ++node)
    total += int(source_.menu->dishes(node).size());
  auto gauge = openProgress(u"献立を印刷しています"_s, 0, total);
  int position = 0;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  bool ok = false;
  {
    LandscapeScope landscape(*printer_);
    printer_->setDocName(toQ(printJobTitle(pages->data().childName)));
    ok = printMenuPages(*printer_, *pages, [&] {
      if (gauge) gauge->setPosition(++position);
    });
  }
  QGuiApplication::restoreOverrideCursor();
  gauge.reset();
  return ok;
}

void TEiyousoGridForm::PrintBtnClick() {
  if (!sharedChecks()) return;
  if (choosePrinter && !choosePrinter(*printer_)) return;
  if (!printChecked()) {
    // A job that could not be written is said so, rather than closing as if printed.
    ask(u"印刷できませんでした。"_s, u"確認"_s, Icon::Stop, Buttons::Ok);
    return;
  }
  accept();
}

void TEiyousoGridForm::PrintPreViewBtnClick() {
  if (!sharedChecks()) return;
  std::unique_ptr<MenuPages> pages = pagesFor();
  bool printAsked = false;
  {
    LandscapeScope landscape(*printer_);
    TPrintPreViewForm preview(*pages, *printer_, this);
    preview.printerSetup = printerSetup;
    showPreview(preview);
    printAsked = preview.printAsked();
  }
  if (printAsked) PrintBtnClick();
}

}  // namespace nv
