// The window クラスのまとめ on the class of six: the table with its class rows pinned above the
// sorted children, the meal switch, the saved CSV and PDF, and an output that is an input.
#include "summary/class_summary_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <cstdlib>

#include "accessible_names.h"
#include "class_fixture.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
#include "summary/class_chart_view.h"

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "test_summary";
  static char* argv[] = {name, nullptr};
  static QApplication* a = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *a;
}

QString cellText(QTableView& t, int row, int col) {
  return t.model()->index(row, col).data().toString();
}

TEST(ClassSummaryForm, TableSortMealAndExports) {
  app();
  nvtest::TempDir dir;
  nvtest::writeClass(dir);
  nvtest::ScriptedPrompt prompt;
  nvtest::ScriptedDialogs dialogs;
  nv::ClassSummaryForm form({dir.file("NV.nv"), dir.file("NV.nvb")}, nullptr);
  dialogs.expectOpen(nv::cp932ToUtf8(dir.file("default")));
  form.FolderButton->click();

  EXPECT_EQ(nvtest::controlsWithoutJapaneseNames(&form), QStringList());
  QTableView& t = *form.Table;
  ASSERT_EQ(t.model()->rowCount(), 6 + 5);
  EXPECT_EQ(form.Unreadable->count(), 1);  // broken.nvu
  EXPECT_FALSE(form.PrintButton->isEnabled());
  // Sorting by energy either way keeps the class rows on top, in their order.
  const int energy = 8;
  for (Qt::SortOrder order : {Qt::DescendingOrder, Qt::AscendingOrder}) {
    t.sortByColumn(energy, order);
    EXPECT_EQ(cellText(t, 0, 0), QString::fromUtf8("中央値"));
    EXPECT_EQ(cellText(t, 5, 0), QString::fromUtf8("120%超"));
    EXPECT_EQ(cellText(t, 6, 1),
              QString::fromUtf8(order == Qt::DescendingOrder ? "はなこ" : "けん"));
  }
  EXPECT_EQ(cellText(t, 0, energy), QStringLiteral("75"));
  form.MealBox->setCurrentIndex(1);  // breakfast: two children had one
  EXPECT_EQ(cellText(t, 0, energy), QStringLiteral("80"));
  EXPECT_EQ(form.summary().stats[0].children, 2);

  dialogs.expectSave(nv::cp932ToUtf8(dir.file("class.csv")));
  form.CsvButton->click();
  EXPECT_EQ(nvtest::readBytes(dir.file("class.csv")).rfind("\xEF\xBB\xBF", 0), 0u);
  dialogs.expectSave(nv::cp932ToUtf8(dir.file("class.pdf")));
  form.PdfButton->click();
  const std::string info = dir.file("info.txt");
  ASSERT_EQ(std::system(("pdfinfo '" + dir.file("class.pdf") + "' > '" + info + "'").c_str()), 0);
  EXPECT_NE(nvtest::readBytes(info).find("Pages:           2"), std::string::npos);

  // A save over a file read is refused, and the file is left as it was.
  const std::string before = nvtest::readBytes(dir.file("taro.nvu"));
  dialogs.expectSave(nv::cp932ToUtf8(dir.file("taro.nvu")));
  prompt.expectBox(nv::cp932ToUtf8(dir.file("taro.nvu")), "読み込んだファイルには書き出せません",
                   nv::Icon::Stop);
  form.CsvButton->click();
  EXPECT_EQ(nvtest::readBytes(dir.file("taro.nvu")), before);
}

// At a school's screen sizes every column of the table is in view without scrolling sideways:
// the chart stands beside the table where both fit, else it is the tab behind the table.
TEST(ClassSummaryForm, EveryColumnInViewAtTheScreenSizes) {
  app();
  nvtest::TempDir dir;
  nvtest::writeClass(dir);
  nvtest::ScriptedPrompt prompt;
  nv::ClassSummaryForm form({dir.file("NV.nv"), dir.file("NV.nvb")}, nullptr);
  form.openPaths({dir.path()});
  QTableView& t = *form.Table;
  EXPECT_EQ(t.model()->headerData(8, Qt::Horizontal), QString::fromUtf8("エネル\nギー"));
  EXPECT_EQ(t.model()->headerData(15, Qt::Horizontal), QString::fromUtf8("ﾋﾞﾀﾐﾝ\nB2"));
  EXPECT_EQ(t.model()->headerData(16, Qt::Horizontal), QString::fromUtf8("ﾋﾞﾀﾐﾝ\nC"));
  EXPECT_EQ(t.model()->headerData(11, Qt::Horizontal), QString::fromUtf8("ｶﾙｼｳﾑ"));
  EXPECT_EQ(t.model()->headerData(9, Qt::Horizontal), QString::fromUtf8("蛋白質"));
  form.show();
  for (QSize size : {QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080), QSize(1024, 768)}) {
    SCOPED_TRACE(size.width());
    form.resize(size);
    QApplication::processEvents();
    EXPECT_TRUE(t.isVisible());
    EXPECT_EQ(t.horizontalScrollBar()->maximum(), 0);
    const bool beside = size.width() > 1024;
    EXPECT_EQ(form.Chart->isVisible(), beside);
    EXPECT_EQ(form.Views->isVisible(), !beside);
    if (!beside) {
      EXPECT_EQ(form.Views->indexOf(form.Chart), 1);
    }
  }
  EXPECT_EQ(nvtest::controlsWithoutJapaneseNames(&form), QStringList());
}

// Pictures for a person to look at (NV_SHOT_DIR), and the time from opening the window on a
// folder to the table drawn (NV_CLASS_DIR: a class written by bench_class_summary).
TEST(ClassSummaryForm, Screenshots) {
  const QString shots = qEnvironmentVariable("NV_SHOT_DIR");
  const std::string folder = qEnvironmentVariable("NV_CLASS_DIR").toStdString();
  if (shots.isEmpty() || folder.empty()) GTEST_SKIP() << "NV_SHOT_DIR and NV_CLASS_DIR not set";
  app();
  QElapsedTimer timer;
  timer.start();
  nv::ClassSummaryForm form({nv::joinPath(folder, "NV.nv"), nv::joinPath(folder, "NV.nvb")},
                            nullptr);
  form.resize(1366, 768);
  form.show();
  form.openPaths({folder, nv::joinPath(folder, "missing.nvu")});
  form.Table->viewport()->repaint();
  std::printf("window on %zu files: %lld ms to the table drawn\n", form.summary().children.size(),
              static_cast<long long>(timer.elapsed()));
  for (QSize size : {QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080)}) {
    form.resize(size);
    QApplication::processEvents();
    const QString name = QStringLiteral("window_%1x%2.png").arg(size.width()).arg(size.height());
    EXPECT_TRUE(form.grab().save(QDir(shots).filePath(name)));
  }
}

}  // namespace
