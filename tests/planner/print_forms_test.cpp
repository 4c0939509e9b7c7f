// The print dialog, the preview and their printing to a PDF file through the printer.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <numeric>

#include "day_menu.h"
#include "fake_planner_host.h"
#include "planner/eiyouso_grid_form.h"
#include "planner/model/menu_file.h"
#include "planner/pages/menu_charts.h"
#include "planner/pages/menu_pages.h"
#include "planner/print_pre_view_form.h"
#include "planner_test_app.h"
#include "platform/bmp_reader.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "scripted_prompt.h"
#include "shown.h"
#include "temp_dir.h"
#include "widgets/paper_chart.h"
#include "widgets/string_grid.h"

using nv::sj;
using nv::toQ;

namespace {

struct PrintFixture {
  PrintFixture() { host.kojin.setName(sj("はなこ")); }
  nv::MenuPrintSource source() {
    nv::MenuPrintSource s;
    s.menu = &host.sel->menu();
    s.foods = &host.foods;
    s.dishes = &host.dishes;
    s.profile = &host.kojin;
    s.chart = [this](int node) { return nv::paperChartOf(*host.graph->chart(node)); };
    return s;
  }
  // A teacher's dish whose name and food name take the whole 47 bytes a name may hold.
  void addLongNames() {
    std::vector<nv::TFood> foods = host.foods.foods();
    nv::TFood f = foods.front();
    f.number = 9;
    f.name = sj("こくさんだいずのもめんどうふ（きぬごしふう）");
    foods.push_back(f);
    host.foods.setFoods(foods);
    const std::string dish = sj("にんじんとごぼうとれんこんのきんぴらふうにもの");
    nv::TKondate k = nv::TKondate::make(9, dish);
    k.foods = {{9, 60, 60}, {1, 100, 100}};
    k.standardWeight = 160;
    host.dishes.findOrAppendOrder(sj("ごはん")).base.push_back(k);
    host.selectMealTab(2);
    host.sel->AddDish(sj("ごはん"), dish, true);
  }
  void addLunch() {
    host.selectMealTab(1);
    host.sel->AddDish(sj("ごはん"), sj("ごはん"), true);
    host.sel->AddDish(sj("魚のおかず"), sj("さけのしおやき"), true);
  }
  QApplication& app = nvtest::plannerApp();  // before any widget
  nvtest::FakePlannerHost host;
};

int pdfPages(const std::string& path) {
  const std::string out = path + ".info";
  const std::string cmd = "pdfinfo '" + path + "' > '" + out + "' 2>/dev/null";
  if (std::system(cmd.c_str()) != 0) return -1;
  const std::string info = nvtest::readBytes(out);
  const size_t at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

// The words of a PDF, or of its page `page` (from 1), as pdftotext reads them.
std::string pdfText(const std::string& pdf, int page = 0) {
  std::string cmd = "pdftotext ";
  if (page) cmd += "-f " + std::to_string(page) + " -l " + std::to_string(page) + " ";
  cmd += "'" + pdf + "' '" + pdf + ".txt'";
  EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
  return nvtest::readBytes(pdf + ".txt");
}

// The printer dialog's stand-in: prints into the PDF file `path`, counting its calls.
std::function<bool(QPrinter&)> printInto(const std::string& path, int* calls = nullptr) {
  return [=](QPrinter& p) {
    if (calls) ++*calls;
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(toQ(path));
    return true;
  };
}

// The list's first row (the table) checked, the four meals not.
void checkOnlyTheTable(nv::TEiyousoGridForm& form) {
  for (int i = 0; i < 5; ++i)
    form.CheckListBox1->item(i)->setCheckState(i == 0 ? Qt::Checked : Qt::Unchecked);
}

// A blue square on white, as a BMP dish picture.
bool saveBlueSquare(const std::string& path) {
  QImage pic(100, 100, QImage::Format_RGB32);
  pic.fill(Qt::white);
  QPainter(&pic).fillRect(10, 10, 80, 80, Qt::blue);
  return pic.save(toQ(path), "BMP");
}

// Breakfast alone, of dishes of 100 g standard weight served at `grams`, their pictures in
// `folder`.
struct Breakfast {
  Breakfast(const std::string& folder, const std::vector<std::string>& captions,
            double grams = 100) {
    for (const std::string& caption : captions) {
      nv::SelDish d;
      d.caption = caption;
      d.standardWeight = 100;
      d.usedFoods = {{-1, grams, 100}};
      menu.add(0, d);
    }
    data.menu = &menu;
    data.bmpFolder = folder + "/";
    data.checkedNodes = {0};
  }
  nv::SelectedMenu menu;
  nv::MenuPrintData data;
};

}  // namespace

TEST(PrintDialog, OpeningWithoutDishesOrWithACancelledNameShowsNothing) {
  PrintFixture f;
  {
    nvtest::ScriptedPrompt prompt;
    prompt.expectBox("印刷する献立がありません。", "確認", nv::Icon::Information);
    EXPECT_FALSE(nv::TEiyousoGridForm::openFor(f.source(), nullptr, false, {}, nullptr));
  }
  f.addLunch();
  int asked = 0;
  EXPECT_FALSE(nv::TEiyousoGridForm::openFor(
      f.source(), nullptr, true,
      [&] {
        ++asked;
        return false;
      },
      nullptr));
  EXPECT_EQ(asked, 1);
}

TEST(PrintDialog, CheckListAndTableFollowTheMenu) {
  PrintFixture f;
  f.addLunch();
  nv::TEiyousoGridForm form(f.source(), nullptr);
  ASSERT_EQ(form.CheckListBox1->count(), 5);
  EXPECT_EQ(form.CheckListBox1->item(0)->checkState(), Qt::Unchecked);
  EXPECT_FALSE(form.CheckListBox1->item(1)->flags() & Qt::ItemIsEnabled);
  EXPECT_EQ(form.CheckListBox1->item(2)->checkState(), Qt::Checked);
  EXPECT_FALSE(form.CheckListBox1->item(3)->flags() & Qt::ItemIsEnabled);
  EXPECT_EQ(form.CheckListBox1->item(4)->checkState(), Qt::Checked);
  EXPECT_EQ(form.checkedMeals(), (std::vector<int>{1, 3}));

  // header, day, separator, lunch, ごはん + 1 food, さけ + 2 foods
  ASSERT_EQ(form.StringGrid->rowCount(), 1 + 2 + 1 + 2 + 3);
  EXPECT_EQ(form.StringGrid->columnCount(), 17);
  EXPECT_EQ(form.StringGrid->item(0, 7)->text(), toQ(sj("ｴﾈﾙｷﾞｰ")));
  EXPECT_EQ(form.StringGrid->item(3, 1)->text(), toQ(sj("昼食")));
  EXPECT_EQ(form.StringGrid->item(5, 3)->text(), toQ(sj("ごはん")));

  form.show();
  QApplication::processEvents();
  EXPECT_FALSE(form.StringGrid->isVisible());
  EXPECT_EQ(form.width(), nv::TEiyousoGridForm::kWidth);
  // Column widths: exactly the widest text plus 4, as the printer and nvtool size them.
  const QFontMetrics fm(nv::nutrientGridFont());
  EXPECT_EQ(form.StringGrid->columnWidth(1), fm.horizontalAdvance(toQ(sj("１日分"))) + 4);
  const std::vector<int> rule = nv::gridColumnWidths(form.StringGrid->cells(), fm);
  for (int c = 0; c < 17; ++c) EXPECT_EQ(form.StringGrid->columnWidth(c), rule[size_t(c)]) << c;
  form.ShowTableBtn->click();
  QApplication::processEvents();
  EXPECT_TRUE(form.StringGrid->isVisible());
  // The header row stays in view above the rows, however far they scroll.
  form.StringGrid->setFixedHeight(form.StringGrid->horizontalHeader()->height() + 3 * 16);
  form.StringGrid->scrollToBottom();
  QApplication::processEvents();
  EXPECT_GT(form.StringGrid->rowAt(0), 1);
  EXPECT_TRUE(form.StringGrid->horizontalHeader()->isVisible());
  EXPECT_EQ(form.StringGrid->model()->headerData(16, Qt::Horizontal).toString(),
            toQ(sj(" 塩分  ")));
  form.ShowTableBtn->click();
  QApplication::processEvents();
  EXPECT_FALSE(form.StringGrid->isVisible());
  EXPECT_EQ(form.width(), nv::TEiyousoGridForm::kWidth);
}

TEST(PrintDialog, NothingCheckedAsksForATableOrGraph) {
  PrintFixture f;
  f.addLunch();
  nv::TEiyousoGridForm form(f.source(), nullptr);
  form.CheckListBox1->item(2)->setCheckState(Qt::Unchecked);
  form.CheckListBox1->item(4)->setCheckState(Qt::Unchecked);
  bool chosen = false;
  form.choosePrinter = [&](QPrinter&) { return chosen = true; };
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox("印刷する表かグラフを指定して下さい。", "確認", nv::Icon::Information);
  form.PrintBtnClick();
  prompt.expectBox("印刷する表かグラフを指定して下さい。", "確認", nv::Icon::Information);
  form.PrintPreViewBtnClick();
  EXPECT_FALSE(chosen);
}

TEST(PrintDialog, PrintsTableAndChartsToAPdfFileInLandscapeAndRestoresTheOrientation) {
  PrintFixture f;
  f.addLunch();
  nvtest::TempDir dir;
  const std::string pdf = dir.file("menu.pdf");
  QPrinter printer;
  printer.setPageOrientation(QPageLayout::Portrait);
  nv::TEiyousoGridForm form(f.source(), &printer);
  form.CheckListBox1->item(0)->setCheckState(Qt::Checked);
  // An edit in the grid reaches the paper.
  form.StringGrid->item(5, 3)->setText(QStringLiteral("EDITED-CELL"));
  form.choosePrinter = printInto(pdf);
  nvtest::ScriptedPrompt prompt;
  form.PrintBtnClick();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
  EXPECT_EQ(printer.docName(), toQ(sj("はなこさんの献立")));
  // One table page, then the lunch and day charts side by side on one page.
  EXPECT_EQ(pdfPages(pdf), 2);
  const std::string words = pdfText(pdf);
  EXPECT_NE(words.find("はなこさんの献立"), std::string::npos);
  EXPECT_NE(words.find("EDITED-CELL"), std::string::npos);
  // The progress window counts the chosen dishes of all four tabs: 2 lunch + 2 day copies.
  ASSERT_EQ(prompt.progressWindows().size(), 1u);
  EXPECT_EQ(prompt.progressWindows()[0].maximum, 4);
  EXPECT_EQ(prompt.progressWindows()[0].positions.back(), 4);
}

// Long names widen the table past the 1000-pixel band: it is fitted to the sheet's width rather
// than cut into a sheet of names and a sheet of the last columns.
TEST(PrintDialog, ATableOfLongNamesPrintsWholeRowsOnEachSheet) {
  PrintFixture f;
  f.addLunch();
  f.addLongNames();
  nv::TEiyousoGridForm form(f.source(), nullptr);
  form.show();
  checkOnlyTheTable(form);
  const std::vector<int> widths =
      nv::gridColumnWidths(form.StringGrid->cells(), QFontMetrics(nv::nutrientGridFont()));
  ASSERT_GT(std::accumulate(widths.begin(), widths.end(), 0), 1100);
  // The window's page painter: the few rows on one landscape A4 page, so no column band.
  EXPECT_EQ(form.pagesFor()->pages(QSize(3508, 2480)).size(), 1u);
}

// A real day's table prints on the same sheets from the dialog as from nvtool, every sheet
// holding whole rows: the numbers and names beside the salt.
TEST(PrintDialog, TheDayMenuTablePrintsWholeRowsAsNvtoolPrintsIt) {
  nvtest::plannerApp();
  nvtest::DayMenu m;
  if (!m.load()) GTEST_SKIP() << "build the dist target";
  nvtest::TempDir dir;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(toQ(dir.file("window.pdf")));
  printer.setPageSize(QPageSize(QPageSize::A4));
  nv::TEiyousoGridForm form(m.source(), &printer);
  form.show();
  checkOnlyTheTable(form);
  form.choosePrinter = [](QPrinter&) { return true; };
  nvtest::ScriptedPrompt prompt;
  form.PrintBtnClick();

  ASSERT_TRUE(nvtest::shown(
      nv::saveMenuFile(dir.file("day.nvu"), m.menu, m.profile, nv::KojinViewState{})));
  const std::string tool = "QT_QPA_PLATFORM=offscreen '" + std::string(NV_TOOL_PATH) +
                           "' menu-print '" + dir.file("day.nvu") + "' --data '" + m.dist +
                           "/NV.nv' -o '" + dir.file("tool.pdf") + "' --table 2>/dev/null";
  ASSERT_EQ(std::system(tool.c_str()), 0);
  const int pages = pdfPages(dir.file("window.pdf"));
  EXPECT_EQ(pages, pdfPages(dir.file("tool.pdf")));
  for (int i = 1; i <= pages; ++i) {
    const std::string words = pdfText(dir.file("window.pdf"), i);
    for (const char* w : {"番号", "献立名", "ｴﾈﾙｷﾞｰ", "塩分"})
      EXPECT_NE(words.find(w), std::string::npos) << "page " << i << ": " << w;
  }
}

// A print-to-file name that takes no pages (a device that swallows them, a FIFO that would hold
// the program, a write-protected file) is reported and the dialog stays open, nothing printed.
TEST(PrintDialog, ADestinationThatTakesNoPagesIsReportedNotPrinted) {
  PrintFixture f;
  f.addLunch();
  nvtest::TempDir dir;
  const std::string fifo = dir.file("fifo.pdf"), locked = dir.file("locked.pdf");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_TRUE(nv::writeFileAtomic(locked, "old"));
  ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
  for (const std::string& path : {std::string("/dev/full"), fifo, locked}) {
    SCOPED_TRACE(path);
    QPrinter printer;
    nv::TEiyousoGridForm form(f.source(), &printer);
    form.choosePrinter = printInto(path);
    nvtest::ScriptedPrompt prompt;
    prompt.expectBox("印刷できませんでした。", "確認", nv::Icon::Stop);
    form.PrintBtnClick();
    EXPECT_NE(form.result(), QDialog::Accepted);
  }
  EXPECT_EQ(nvtest::readBytes(locked), "old");
}

TEST(PrintDialog, OnlyTheTableLeavesTheProgressAtZero) {
  PrintFixture f;
  f.addLunch();
  nvtest::TempDir dir;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(toQ(dir.file("t.pdf")));
  nv::TEiyousoGridForm form(f.source(), &printer);
  checkOnlyTheTable(form);
  form.choosePrinter = [](QPrinter&) { return true; };
  nvtest::ScriptedPrompt prompt;
  form.PrintBtnClick();
  EXPECT_EQ(pdfPages(dir.file("t.pdf")), 1);
  ASSERT_EQ(prompt.progressWindows().size(), 1u);
  EXPECT_TRUE(prompt.progressWindows()[0].positions.empty() ||
              prompt.progressWindows()[0].positions.back() == 0);
}

TEST(PrintPreview, PagesThroughTableThenChartsAndPrintsOnRequest) {
  PrintFixture f;
  f.addLunch();
  f.host.selectMealTab(0);
  f.host.sel->AddDish(sj("飲み物"), sj("牛乳"), true);
  f.host.selectMealTab(2);
  f.host.sel->AddDish(sj("飲み物"), sj("牛乳"), true);
  nvtest::TempDir dir;
  QPrinter printer;
  nv::TEiyousoGridForm form(f.source(), &printer);
  form.CheckListBox1->item(0)->setCheckState(Qt::Checked);
  form.CheckListBox1->item(4)->setCheckState(Qt::Unchecked);  // three meals
  int prints = 0;
  form.choosePrinter = printInto(dir.file("p.pdf"), &prints);
  QPageLayout::Orientation during = QPageLayout::Portrait;
  form.showPreview = [&](QDialog& d) {
    auto& preview = static_cast<nv::TPrintPreViewForm&>(d);
    during = printer.pageLayout().orientation();
    preview.resize(1000, 700);
    preview.layoutPages();
    EXPECT_EQ(preview.windowTitle(), toQ(sj("はなこさんの献立")));
    EXPECT_LT(preview.pageRatio(), 1.0);  // landscape
    const QSize picture = preview.Image1->size();
    EXPECT_LE(picture.width(), 900);
    EXPECT_LE(picture.height(), 700 * 9 / 10);
    const auto& pages = preview.pager().pages();
    ASSERT_EQ(pages.size(), 3u);  // the table, then charts 1-2, then chart 3
    EXPECT_EQ(pages[0].kind, nv::PreviewPage::Table);
    EXPECT_FALSE(preview.SpeedButton3->isEnabled());
    preview.PreviewNextPageBtn->click();
    EXPECT_EQ(preview.pager().page()->chartCount, 2);
    preview.PreviewNextPageBtn->click();
    EXPECT_EQ(preview.pager().page()->firstChart, 2);
    EXPECT_FALSE(preview.PreviewNextPageBtn->isEnabled());
    preview.PreviewNextPageBtn->click();  // the end: stays
    EXPECT_EQ(preview.pager().current(), 2);
    preview.SpeedButton3->click();
    preview.SpeedButton3->click();
    EXPECT_EQ(preview.pager().page()->kind, nv::PreviewPage::Table);
    // The page picture is not blank.
    EXPECT_NE(preview.pageImage().pixel(preview.pageImage().width() / 10,
                                        preview.pageImage().height() / 20),
              0u);
    preview.PrintOutBtn->click();
  };
  nvtest::ScriptedPrompt prompt;
  form.PrintPreViewBtnClick();
  EXPECT_EQ(during, QPageLayout::Landscape);
  EXPECT_EQ(prints, 1);
  EXPECT_EQ(pdfPages(dir.file("p.pdf")), 3);
  EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(PrintPages, DishAtTwiceItsWeightDrawsLargerThanItsSlot) {
  nvtest::plannerApp();
  nvtest::TempDir dir;
  ASSERT_TRUE(saveBlueSquare(dir.file("big.bmp")));
  const Breakfast meal(dir.path(), {"big"}, 200);  // twice the standard weight
  nv::MenuPages pages(meal.data, nullptr);
  QImage page(900, 630, QImage::Format_RGB32);
  QPainter painter(&page);
  int drawnSlots = 0;
  pages.paintPage(painter, page.rect(), pages.pages(page.size()).at(0), [&] { ++drawnSlots; });
  painter.end();
  EXPECT_EQ(drawnSlots, 1);
  const nv::PageGeometry g = nv::pageGeometry(900, 630, 1);
  const int side = g.slotSide();
  // Drawn at 1.6 x the slot: blue reaches left of the slot's own left edge.
  const int y = g.marginY + g.chartHeight() + side / 2;
  EXPECT_EQ(QColor(page.pixel(g.marginX + side / 2, y)), QColor(Qt::blue));
  const int drawn = int(100 * 0.8 * 2.0 * side / 100.0);
  EXPECT_GT(drawn, side);
  EXPECT_EQ(QColor(page.pixel(g.marginX + (side - drawn) / 2 + drawn * 15 / 100, y)),
            QColor(Qt::blue));
}

// Under the chart every dish keeps its name: cut names end with "…", and a dish without a
// picture (a teacher's own) shows its name in an empty frame.
TEST(PrintPages, DishNamesAreCutWithAnEllipsisOrFramedWithoutAPicture) {
  nvtest::plannerApp();
  nvtest::TempDir dir;
  const std::string longName = "ほうれんそうとにんじんのごまあえさんしょくもり";
  ASSERT_TRUE(saveBlueSquare(dir.file(longName + ".bmp")));
  const Breakfast meal(dir.path(), {sj(longName), sj("先生のさら")});
  const nv::MenuPages pages(meal.data, nullptr);
  const std::string pdf = dir.file("names.pdf");
  {
    QPdfWriter writer(toQ(pdf));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    writer.setResolution(150);
    ASSERT_TRUE(nv::printMenuPages(writer, pages));
  }
  const std::string words = pdfText(pdf);
  EXPECT_NE(words.find("ほうれんそう"), std::string::npos) << words;
  EXPECT_NE(words.find("…"), std::string::npos) << words;
  EXPECT_EQ(words.find("さんしょくもり"), std::string::npos) << words;
  EXPECT_NE(words.find("先生のさら"), std::string::npos) << words;
}

// Whatever sits under a dish's name in the picture folder, printing goes on: a FIFO, a file
// past a picture's size and a picture of too many pixels print as a dish without a picture.
TEST(PrintPages, UnreadablePicturesPrintAsNoPictureWithoutBlocking) {
  nvtest::plannerApp();
  nvtest::TempDir dir, empty;
  auto page = [](const std::string& folder, const char* dish) {
    const Breakfast meal(folder, {dish});
    const nv::MenuPages pages(meal.data, nullptr);
    QImage out(900, 630, QImage::Format_RGB32);
    QPainter painter(&out);
    pages.paintPage(painter, out.rect(), pages.pages(out.size()).at(0));
    return out;
  };
  QImage pic(100, 100, QImage::Format_RGB32);
  pic.fill(Qt::magenta);
  pic.setPixel(0, 99, qRgb(255, 255, 255));  // the corner that is left out
  ASSERT_TRUE(pic.save(toQ(dir.file("plain.bmp")), "BMP"));
  ASSERT_EQ(::mkfifo(nv::toFsPath(dir.file("fifo.bmp")).c_str(), 0600), 0);
  // A good picture with a tail that takes the file past a picture's largest size.
  std::filesystem::copy_file(nv::toFsPath(dir.file("plain.bmp")),
                             nv::toFsPath(dir.file("long.bmp")));
  std::filesystem::resize_file(nv::toFsPath(dir.file("long.bmp")), nv::kMaxBmpFileBytes + 1);
  // The same header widened to 8000 x 5300 (42 M pixels), its file as long as the rows need.
  std::string huge = nvtest::readBytes(dir.file("plain.bmp"));
  ASSERT_EQ(huge.substr(28, 2), std::string("\x18\x00", 2));  // 24 bits a pixel
  for (auto [at, value] : {std::pair{18, 8000}, std::pair{22, 5300}})
    for (int i = 0; i < 4; ++i) huge[size_t(at + i)] = char((value >> (8 * i)) & 0xFF);
  ASSERT_TRUE(nv::writeFileAtomic(dir.file("huge.bmp"), huge));
  std::filesystem::resize_file(nv::toFsPath(dir.file("huge.bmp")), 54 + uint64_t(8000) * 3 * 5300);

  EXPECT_NE(page(dir.path(), "plain"), page(empty.path(), "plain"));  // a picture shows
  ::alarm(30);  // a print blocked on the FIFO ends the test program instead of hanging it
  for (const char* dish : {"long", "huge", "fifo"})
    EXPECT_EQ(page(dir.path(), dish), page(empty.path(), dish)) << dish;
  ::alarm(0);
}
