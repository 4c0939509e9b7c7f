// The start screen's batch print of saved lunch boxes, printed to a PDF file through scripted
// printer set-up, file choice and profile dialogs.
#include "bento/bento_batch_print.h"

#include <QPrinter>
#include <regex>

#include "kitchen_fixture.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"

namespace {

class BatchPrint : public nvtest::KitchenTest {
 protected:
  // A saved box; the path as UTF-8.
  std::string save(const char* file, const char* child) {
    nv::TKojinData k;
    k.setName(nv::sj(child));
    EXPECT_TRUE(
        nv::writeBentoSaveFile(dir.file(file), k, 1.0, {{nv::sj("おにぎり"), 400, 600, 90, 90}})
            .ok());
    return nv::cp932ToUtf8(dir.file(file));
  }
};

TEST_F(BatchPrint, CancelledProfileSkipsItsFileAndAnUnreadableFileIsReported) {
  if (std::system("pdftotext -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "no pdftotext";
  const std::string taro = save("たろう.nvub", "たろう");
  const std::string broken = nv::cp932ToUtf8(dir.file("こわれた.nvub"));
  nvtest::writeBytes(dir.file("こわれた.nvub"), "garbage");
  const std::string hana = save("はなこ.nvub", "");  // saved without a name
  const std::string jiro = save("じろう.nvub", "じろう");

  const std::string pdf = nv::cp932ToUtf8(dir.file("class.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf));
  printer.setPageOrientation(QPageLayout::Portrait);
  nvtest::ScriptedDialogs dialogs;
  dialogs.expectPrinterSetup().expectOpenFiles({taro, broken, hana, jiro});
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox(broken, "お弁当のデータが壊れています", nv::Icon::Warning);
  std::vector<std::string> asked;
  const auto firstCancelled = [&](nv::TKojinData& k, QWidget*) {
    asked.push_back(nv::cp932ToUtf8(k.name()));
    return asked.size() > 1;
  };

  const nv::BatchPrintResult r =
      nv::printBentouData(profile, gunName, printer, firstCancelled, nullptr, QSize(1024, 768));
  EXPECT_EQ(asked, (std::vector<std::string>{"たろう", "はなこ", "じろう"}));
  EXPECT_EQ(r.skipped, std::vector<std::string>{nv::utf8ToCp932(taro)});
  EXPECT_EQ(r.failed, std::vector<std::string>{nv::utf8ToCp932(broken)});
  EXPECT_EQ(r.printed, (std::vector<std::string>{nv::utf8ToCp932(hana), nv::utf8ToCp932(jiro)}));
  ASSERT_EQ(dialogs.calls().size(), 2u);
  EXPECT_EQ(dialogs.calls()[0].orientation, nv::PageOrientation::Landscape);
  EXPECT_TRUE(dialogs.calls()[1].request.allowMultiple);
  EXPECT_EQ(dialogs.calls()[1].request.defaultExt, "nvub");
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);  // restored
  EXPECT_EQ(nv::cp932ToUtf8(profile.name()), "host");                    // the screen's child

  // Both printed boxes in the one file, a landscape page each.
  std::smatch m;
  const std::string info = nvtest::commandOutput("pdfinfo '" + pdf + "'");
  ASSERT_TRUE(std::regex_search(info, m, std::regex("Pages: +(\\d+)"))) << info;
  EXPECT_EQ(m[1], "2");
  ASSERT_TRUE(std::regex_search(info, m, std::regex("Page size: +([\\d.]+) x ([\\d.]+)")));
  EXPECT_GT(std::stod(m[1]), std::stod(m[2])) << "landscape";
  const std::string text = nvtest::commandOutput("pdftotext '" + pdf + "' -");
  EXPECT_EQ(text.find("たろう"), std::string::npos);
  const size_t hanaAt = text.find("はなこ さんのお弁当箱"), page2 = text.find('\f');
  EXPECT_LT(hanaAt, page2) << text;
  EXPECT_NE(text.find("じろう さんのお弁当箱", page2), std::string::npos) << text;
}

TEST_F(BatchPrint, CancelledSetUpAsksForNoFiles) {
  QPrinter printer(QPrinter::HighResolution);
  nvtest::ScriptedDialogs dialogs;
  dialogs.expectCancel(nvtest::DialogCall::PrinterSetup);
  const nv::BatchPrintResult r = nv::printBentouData(profile, gunName, printer, {}, nullptr);
  EXPECT_FALSE(r.started);
}

// Each box is read and printed without a kitchen window, and the profile dialog opens over
// the caller's window.
TEST_F(BatchPrint, PrintsWithoutAKitchenWindow) {
  const std::string taro = save("たろう.nvub", "たろう");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(nv::cp932ToUtf8(dir.file("one.pdf"))));
  nvtest::ScriptedDialogs dialogs;
  dialogs.expectPrinterSetup().expectOpenFiles({taro});
  QWidget startScreen;
  int kitchens = -1;
  QWidget* over = nullptr;
  const auto confirm = [&](nv::TKojinData&, QWidget* parent) {
    over = parent;
    kitchens = 0;
    for (QWidget* w : QApplication::allWidgets())
      if (qobject_cast<nv::TBentoubakoForm*>(w)) ++kitchens;
    return true;
  };
  const nv::BatchPrintResult r =
      nv::printBentouData(profile, gunName, printer, confirm, &startScreen, QSize(1024, 768));
  EXPECT_EQ(r.printed, std::vector<std::string>{nv::utf8ToCp932(taro)});
  EXPECT_EQ(kitchens, 0);
  EXPECT_EQ(over, &startScreen);
}

}  // namespace
