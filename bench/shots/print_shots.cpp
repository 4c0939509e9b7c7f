// The print, search and About windows on the distribution's data: screenshots for a person to
// look at (NV_SHOT_DIR) and timings (NV_TIMING). Both need NV_DIST, the distribution folder:
//   NV_DIST=build/dist NV_SHOT_DIR=/tmp/shots NV_TIMING=1 build/bench/shots_planner
//   --gtest_filter='PrintShots*'
// Nothing runs without them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>

#include "bench/timing/median.h"
#include "core/food.h"
#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "core/kondate_data.h"
#include "core/nv_file.h"
#include "day_menu.h"
#include "planner/about_box.h"
#include "planner/eiyouso_grid_form.h"
#include "planner/model/menu_file.h"
#include "planner/model/nutrient_table.h"
#include "planner/model/selected_menu.h"
#include "planner/pages/menu_charts.h"
#include "planner/pages/menu_pages.h"
#include "planner/print_pre_view_form.h"
#include "planner/search_order_form.h"
#include "planner_test_app.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "shown.h"
#include "temp_dir.h"
#include "widgets/string_grid.h"

namespace {

// The distribution's data and print source, with a larger menu of its own.
struct DistMenu : nvtest::DayMenu {
  // Three meals of seven dishes (21 on the day chart); the second lunch dish at twice its
  // standard weight.
  bool load() {
    dist = qEnvironmentVariable("NV_DIST").toStdString();
    if (dist.empty() || !nvtest::shown(nv::loadDataFile(dist + "/NV.nv", foods, dishes, nullptr)))
      return false;
    std::vector<const nv::TKondate*> all;
    for (const auto& o : dishes.orders())
      for (const auto& k : o.base) all.push_back(&k);
    int n = 0;
    for (size_t i = 0; i < all.size() && n < 21; i += 7, ++n) {
      nv::SelDish d;
      d.kondateNo = all[i]->number;
      d.caption = all[i]->name;
      d.usedFoods = all[i]->foods;
      d.standardWeight = all[i]->standardWeight;
      if (n == 8)
        for (auto& u : d.usedFoods) u.amount *= 2;
      menu.add(n / 7, d);
    }
    profile.setName(nv::sj("さくら"));
    return true;
  }
};

QString shotDir() { return qEnvironmentVariable("NV_SHOT_DIR"); }

void save(QWidget& w, const char* name) {
  QApplication::processEvents();
  EXPECT_TRUE(w.grab().save(QDir(shotDir()).filePath(QString::fromLatin1(name))));
}

using nvbench::median;

}  // namespace

TEST(PrintShots, PrintDialogPreviewSearchAndAbout) {
  if (shotDir().isEmpty()) GTEST_SKIP() << "NV_SHOT_DIR not set";
  nvtest::plannerApp();
  DistMenu m;
  if (!m.load()) GTEST_SKIP() << "NV_DIST not set or unreadable";

  nv::TEiyousoGridForm form(m.source(), nullptr);
  form.show();
  save(form, "print_dialog.png");
  form.CheckListBox1->item(0)->setCheckState(Qt::Checked);
  form.ShowTableBtn->click();
  form.resize(1100, 700);
  save(form, "print_dialog_table.png");

  form.showPreview = [](QDialog& d) {
    auto& preview = static_cast<nv::TPrintPreViewForm&>(d);
    preview.show();
    preview.resize(1100, 800);
    preview.layoutPages();
    save(preview, "preview_table_page.png");
    while (preview.pager().page()->kind == nv::PreviewPage::Table)
      preview.PreviewNextPageBtn->click();
    save(preview, "preview_chart_page.png");
    preview.PreviewNextPageBtn->click();
    save(preview, "preview_chart_page2.png");
    preview.reject();
  };
  form.PrintPreViewBtnClick();

  nv::TSearchOrderForm search(m.dishes);
  std::vector<std::string> categories;
  m.dishes.categoryNames(categories);
  search.setCategories(categories);
  search.show();
  search.ComboBox2->setCurrentIndex(1);
  search.ComboBox2Change();
  search.ListView2->topLevelItem(2)->setSelected(true);
  save(search, "search_kakikukeko.png");

  nv::TAboutBox about(m.dist);
  about.show();
  about.Timer2Timer();
  save(about, "about_box.png");
}

// The day menu printed as a teacher prints it (table and every chart) into day_menu.pdf, and
// the dialog showing its table on a 1366 x 768 screen.
TEST(PrintShots, DayMenuSheets) {
  if (shotDir().isEmpty()) GTEST_SKIP() << "NV_SHOT_DIR not set";
  nvtest::plannerApp();
  nvtest::DayMenu m;
  if (!m.load()) GTEST_SKIP() << "build the dist target";
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QDir(shotDir()).filePath(QStringLiteral("day_menu.pdf")));
  printer.setPageSize(QPageSize(QPageSize::A4));
  nv::TEiyousoGridForm form(m.source(), &printer);
  form.show();
  form.CheckListBox1->item(0)->setCheckState(Qt::Checked);
  form.choosePrinter = [](QPrinter&) { return true; };
  form.PrintBtnClick();
  // The same menu as a file, for nvtool menu-print.
  EXPECT_TRUE(nvtest::shown(
      nv::saveMenuFile(nv::pathFromQ(QDir(shotDir()).filePath(QStringLiteral("day.nvu"))), m.menu,
                       m.profile, nv::KojinViewState{})));
  form.show();
  form.ShowTableBtn->setChecked(true);
  form.StringGrid->show();
  form.showNormal();
  form.resize(1366, 768 - 40);
  form.StringGrid->scrollToBottom();
  save(form, "day_menu_table_1366.png");
}

TEST(PrintShots, Timings) {
  if (!qEnvironmentVariableIsSet("NV_TIMING")) GTEST_SKIP() << "NV_TIMING not set";
  nvtest::plannerApp();
  DistMenu m;
  if (!m.load()) GTEST_SKIP() << "NV_DIST not set or unreadable";
  std::vector<double> open, pdf;
  nvtest::TempDir dir;
  for (int i = 0; i < 11; ++i) {
    QElapsedTimer t;
    t.start();
    {
      // What the Print action does up to the dialog on screen: build, fill, show, paint.
      nv::TEiyousoGridForm form(m.source(), nullptr);
      form.show();
      form.repaint();
      QApplication::processEvents();
      open.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    nv::TEiyousoGridForm form(m.source(), nullptr);
    form.CheckListBox1->item(0)->setCheckState(Qt::Checked);
    t.restart();
    {
      // The table and four chart cells, pictures included, into a PDF file.
      std::unique_ptr<nv::MenuPages> pages = form.pagesFor();
      QPdfWriter writer(nv::toQ(dir.file("t.pdf")));
      writer.setPageOrientation(QPageLayout::Landscape);
      writer.setResolution(300);
      ASSERT_TRUE(nv::printMenuPages(writer, *pages));
    }
    pdf.push_back(double(t.nsecsElapsed()) / 1e6);
  }
  std::printf("print dialog for 3 x 7 dishes: median %.1f ms\n", median(open));
  std::printf("table + four chart cells to PDF: median %.1f ms\n", median(pdf));
}
