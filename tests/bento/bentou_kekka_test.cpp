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

#include "bento/bento_page.h"
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
  const int narrow = d.width();
  d.WidenButton->click();
  EXPECT_TRUE(d.widened());
  EXPECT_EQ(nvtest::unnamedControls(&d), std::vector<std::string>{});
  // "→" widens the dialog by the group, and narrows it again.
  const int wide = d.width();
  EXPECT_GE(wide, narrow + d.BoxGroup->width());
  d.WidenButton->click();
  EXPECT_EQ(d.width(), narrow);
  d.WidenButton->click();
  EXPECT_EQ(d.width(), wide);
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
  EXPECT_EQ(ball.window(), nullptr);        // freed before printing
  EXPECT_TRUE(d.Status->text().isEmpty());  // the progress texts end with the job
  EXPECT_TRUE(d.BoxGroup->isEnabled());
  EXPECT_TRUE(std::filesystem::exists(pdf));
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);  // restored
  EXPECT_EQ(printer.docName(), QString::fromUtf8("host:結果"));
}

// "印刷しました" only when a page went out: Cancel says nothing, a failure says so, and the
// printer still prints afterwards.
TEST_F(ResultDialog, PrintSaysWhatHappened) {
  working();
  fill();
  QPrinter printer(QPrinter::HighResolution);
  bool accept = false;
  nv::TBentouKekkaForm d(*form, &ball, printer, [&](QPrinter&, QWidget*) { return accept; }, {});
  d.show();
  nvtest::ScriptedPrompt prompt;
  d.printClicked();  // Cancel in the print dialog: no message at all
  EXPECT_TRUE(d.PrintButton->isEnabled());

  accept = true;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(dir.path() + "/missing/page.pdf"));
  prompt.expectBox("印刷できませんでした。", "確認", nv::Icon::Stop);
  d.printClicked();
  EXPECT_TRUE(d.Status->text().isEmpty());

  const std::string pdf = dir.path() + "/page.pdf";
  printer.setOutputFileName(QString::fromStdString(pdf));
  ASSERT_EQ(printer.outputFileName().toStdString(), pdf);  // not stuck
  prompt.expectMessage("印刷しました");
  d.printClicked();
  EXPECT_GT(std::filesystem::file_size(pdf), 0u);
}

// Ctrl+P: the preview's "印刷(&P)" with nowhere to print says so; the shared printer then prints
// where the next print dialog says.
TEST_F(ResultDialog, PreviewThenPrintWithoutAPrinter) {
  nv::BentoResult result(&ball);
  result.setupDialog = {};
  result.printer().setOutputFormat(QPrinter::PdfFormat);
  result.printer().setOutputFileName(QString());
  ports.result = &result;
  working();
  fill();
  nvtest::ScriptedPrompt prompt;
  prompt.expectBox("印刷できませんでした。", "確認", nv::Icon::Stop);
  result.runPreview = [&](QDialog& d) { static_cast<nv::TBentouPreViewForm&>(d).printNow(); };
  form->showPreview();
  EXPECT_TRUE(prompt.allSatisfied());

  const std::string pdf = dir.path() + "/after.pdf";
  result.printDialog = [&](QPrinter& p, QWidget*) {
    p.setOutputFileName(QString::fromStdString(pdf));
    return true;
  };
  prompt.expectMessage("印刷しました");
  result.runDialog = [&](nv::TBentouKekkaForm& d) {
    d.riceBallClicked();
    d.PrintButton->click();
  };
  form->document().setModified(false);
  form->showResult();
  EXPECT_GT(std::filesystem::file_size(pdf), 0u);
}

// The page is graded when it is composed, not with a grade left from an earlier box.
TEST_F(ResultDialog, PageGradeIsTheBoxOfTheMoment) {
  working();
  // A balanced box earns the best face...
  for (const char* dish : {"ごはん", "卵焼き", "ピーマンの肉詰め", "コーンスープ"})
    form->addDishAtNextPlace(nv::sj(dish));
  const int before = form->computeGrade();
  ASSERT_EQ(before, 0);
  // ...which rice alone does not.
  form->removeAllDishes();
  form->addDishAtNextPlace(nv::sj("ごはん"));
  ASSERT_EQ(form->grade(), before);  // nothing graded the new box yet
  const nv::BentoPageData page = nv::bentoPageData(*form);
  const int fresh = nv::gradeBox(form->kitchenData(), {nv::sj("ごはん")}, form->profile(),
                                 form->graphKind(), form->foods())
                        .grade;
  EXPECT_EQ(page.grade, fresh);
  EXPECT_NE(fresh, before);
}

TEST_F(ResultDialog, PortAppliesTheCheckAndTheAction) {
  nv::BentoResult result(&ball);
  ports.result = &result;
  working();
  fill();
  std::vector<int> seen;
  result.runDialog = [&](nv::TBentouKekkaForm& d) {
    d.GraphCheck->setChecked(true);
    d.setWidened(true);
    d.QuitButton->click();
    seen.push_back(d.action());
  };
  form->document().setModified(false);
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
    EXPECT_EQ(nvtest::unnamedControls(&p), std::vector<std::string>{});
    shoot(p, "preview.png");
  };
  result.showPreview(*form);
  EXPECT_EQ(start, 8);
  result.printer().setPageOrientation(QPageLayout::Portrait);
  nv::TBentouPreViewForm portrait(result.printer(), nv::bentoPageData(*form));
  EXPECT_EQ(portrait.TrackBar->value(), 6);
}

}  // namespace
