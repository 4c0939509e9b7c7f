// The result dialog over a kitchen: what an empty box offers, printing to a file through a
// scripted print dialog, the preview's starting zoom, and the actions handed back.
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include "bento/bentou_kekka_form.h"
#include "bento/bentou_pre_view_form.h"
#include "bento/onigiri_bouya_form.h"
#include "kitchen_fixture.h"
#include "scripted_prompt.h"

namespace {

class ResultDialog : public nvtest::KitchenTest {
 protected:
  void fill() {
    const nv::KRect box = form->areas().largeBox;
    nv::NameList names;
    form->kitchenData().dishesOfStorage(nv::sj("炊飯器"), names);
    form->addDish(names.front(), centreOf(box));
  }
  void shoot(QWidget& w, const char* name) {
    if (qEnvironmentVariable("NV_SHOT_DIR").isEmpty()) return;
    QApplication::processEvents();
    w.grab().save(QDir(qEnvironmentVariable("NV_SHOT_DIR")).filePath(QString::fromUtf8(name)));
  }
  nv::RiceBall ball;
};

TEST_F(ResultDialog, EmptyBoxOffersNoJudgement) {
  working();
  QPrinter printer(QPrinter::HighResolution);
  nv::TBentouKekkaForm d(*form, &ball, printer, {}, {});
  d.show();
  EXPECT_FALSE(d.RiceBallButton->isEnabled());
  EXPECT_FALSE(d.GraphCheck->isEnabled());
  EXPECT_FALSE(d.SaveButton->isEnabled());
  EXPECT_FALSE(d.widened());
  d.WidenButton->click();
  EXPECT_TRUE(d.widened());
  EXPECT_TRUE(d.NewButton->isEnabled());
  EXPECT_FALSE(d.SaveButton->isEnabled());
  d.NewButton->click();
  EXPECT_EQ(d.action(), 4);
}

TEST_F(ResultDialog, RiceBallThenPrintToAFile) {
  working();
  fill();
  QPrinter printer(QPrinter::HighResolution);
  nv::TBentouKekkaForm d(*form, &ball, printer, [](QPrinter&, QWidget*) { return true; }, {});
  d.show();
  shoot(d, "result-narrow.png");
  EXPECT_TRUE(d.RiceBallButton->isEnabled());
  EXPECT_FALSE(d.PrintButton->isVisibleTo(&d));
  d.RiceBallButton->click();
  ASSERT_NE(ball.window(), nullptr);
  EXPECT_EQ(ball.window()->mood(), form->grade());
  EXPECT_TRUE(d.PrintButton->isVisibleTo(&d));
  d.WidenButton->click();
  shoot(d, "result-wide.png");

  const std::string pdf = dir.path() + "/printed.pdf";
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf));
  printer.setPageOrientation(QPageLayout::Portrait);
  nvtest::ScriptedPrompt prompt;
  prompt.expectMessage("印刷しました");
  d.PrintButton->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(ball.window(), nullptr);  // freed before printing
  EXPECT_EQ(d.Status->text(), QString::fromUtf8("プリンターを閉じています"));
  EXPECT_TRUE(d.BoxGroup->isEnabled());
  EXPECT_TRUE(std::filesystem::exists(pdf));
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);  // restored
  EXPECT_EQ(printer.docName(), QString::fromUtf8("host:結果"));
}

TEST_F(ResultDialog, PortAppliesTheCheckAndTheAction) {
  working();
  fill();
  nv::BentoResult result(&ball);
  form->ports.result = &result;
  std::vector<int> seen;
  result.runDialog = [&](nv::TBentouKekkaForm& d) {
    d.GraphCheck->setChecked(true);
    d.setWidened(true);
    d.QuitButton->click();
    seen.push_back(d.action());
  };
  form->setModified(false);
  form->showResult();
  EXPECT_EQ(seen, std::vector<int>{1});
  EXPECT_TRUE(form->showGraph());
  EXPECT_FALSE(form->isVisible());  // quitting closed the kitchen
}

TEST_F(ResultDialog, PreviewStartsAtItsZoom) {
  working();
  fill();
  nv::BentoResult result(&ball);
  result.setupDialog = {};
  int start = -1;
  result.runPreview = [&](QDialog& d) {
    auto& p = static_cast<nv::TBentouPreViewForm&>(d);
    start = p.TrackBar->value();
    shoot(p, "preview.png");
  };
  result.showPreview(*form);
  EXPECT_EQ(start, 8);
  result.printer().setPageOrientation(QPageLayout::Portrait);
  nv::TBentouPreViewForm portrait(result.printer(), nv::bentoPageData(*form));
  EXPECT_EQ(portrait.TrackBar->value(), 6);
}

}  // namespace
