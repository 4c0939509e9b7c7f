// The print dialog, the preview and their printing to a PDF file through the printer.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <cstdlib>

#include "fake_planner_host.h"
#include "planner/eiyouso_grid_form.h"
#include "planner/pages/menu_pages.h"
#include "planner/print_pre_view_form.h"
#include "planner_test_app.h"
#include "platform/files.h"
#include "platform/qt/qtext.h"
#include "scripted_prompt.h"
#include "temp_dir.h"
#include "widgets/paper_chart.h"

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
  // Column widths: room for the widest text plus 4, whatever the style's cell margins.
  const QFontMetrics fm(form.StringGrid->font());
  const int margin = 2 * (form.StringGrid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
  EXPECT_EQ(form.StringGrid->columnWidth(1), fm.horizontalAdvance(toQ(sj("１日分"))) + 4 + margin);
  form.ShowTableBtn->click();
  QApplication::processEvents();
  EXPECT_TRUE(form.StringGrid->isVisible());
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
  form.choosePrinter = [&](QPrinter& p) {
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(toQ(pdf));
    return true;
  };
  nvtest::ScriptedPrompt prompt;
  form.PrintBtnClick();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
  EXPECT_EQ(printer.docName(), toQ(sj("はなこさんの献立")));
  // One table page, then the lunch and day charts side by side on one page.
  EXPECT_EQ(pdfPages(pdf), 2);
  const std::string text = dir.file("menu.txt");
  ASSERT_EQ(std::system(("pdftotext '" + pdf + "' '" + text + "'").c_str()), 0);
  const std::string words = nvtest::readBytes(text);
  EXPECT_NE(words.find("はなこさんの献立"), std::string::npos);
  EXPECT_NE(words.find("EDITED-CELL"), std::string::npos);
  // The progress window counts the chosen dishes of all four tabs: 2 lunch + 2 day copies.
  ASSERT_EQ(prompt.progressWindows().size(), 1u);
  EXPECT_EQ(prompt.progressWindows()[0].maximum, 4);
  EXPECT_EQ(prompt.progressWindows()[0].positions.back(), 4);
}

TEST(PrintDialog, OnlyTheTableLeavesTheProgressAtZero) {
  PrintFixture f;
  f.addLunch();
  nvtest::TempDir dir;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(toQ(dir.file("t.pdf")));
  nv::TEiyousoGridForm form(f.source(), &printer);
  form.CheckListBox1->item(0)->setCheckState(Qt::Checked);
  form.CheckListBox1->item(2)->setCheckState(Qt::Unchecked);
  form.CheckListBox1->item(4)->setCheckState(Qt::Unchecked);
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
  form.choosePrinter = [&](QPrinter& p) {
    ++prints;
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(toQ(dir.file("p.pdf")));
    return true;
  };
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
  // A plain square picture on a white ground.
  QImage pic(100, 100, QImage::Format_RGB32);
  pic.fill(Qt::white);
  {
    QPainter p(&pic);
    p.fillRect(10, 10, 80, 80, Qt::blue);
  }
  ASSERT_TRUE(pic.save(toQ(dir.file("big.bmp")), "BMP"));
  nv::SelectedMenu menu;
  nv::SelDish d;
  d.caption = "big";
  d.standardWeight = 100;
  d.usedFoods = {{-1, 200, 100}};  // twice the standard weight
  menu.add(0, d);
  nv::MenuPrintData data;
  data.menu = &menu;
  data.bmpFolder = dir.path() + "/";
  data.checkedNodes = {0};
  nv::MenuPages pages(data, nullptr);
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
