// The settings dialog opened from the main window: what OK and Cancel leave behind.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include "../planner/main_form_fixture.h"
#include "app/teacher_services.h"
#include "planner/kondate_button.h"
#include "planner/planner_config.h"
#include "planner/planner_factory.h"
#include "platform/qt/qtext.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
#include "teacher/details_form.h"

using nv::sj;
using nvtest::action;

namespace {

// The main window with the real settings dialog, as NV assembles it.
class SettingsDialogTest : public nvtest::MainFormTest {
 protected:
  SettingsDialogTest() { services.settings = editor; }
  nv::DetailsSettingsEditor editor;
};

nv::TDetailsForm* detailsForm(QWidget* w) {
  auto* d = qobject_cast<nv::TDetailsForm*>(w);
  EXPECT_NE(d, nullptr);
  return d;
}

}  // namespace

TEST_F(SettingsDialogTest, CancellingTheSettingsDialogKeepsOnlyItsPlaceAndPage) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  f.startUp();
  const nv::PlannerSettings before = f.config().settings();
  nvtest::whenModal([](QWidget* w) {
    nv::TDetailsForm* d = detailsForm(w);
    if (!d) return;
    d->PageControl1->setCurrentIndex(2);
    d->setGeometry(40, 60, 700, 500);
    d->FontSize->setValue(20);
    d->KondateIconSize->setValue(200);
    d->CancelBtn->click();
  });
  action(f, "SetDetailsAction")->trigger();
  nv::PlannerSettings after = f.config().settings();
  EXPECT_EQ(after.details.page, 2);
  EXPECT_EQ(after.details.bounds.width, 700);
  EXPECT_TRUE(after.details.boundsStored);
  after.details = before.details;
  EXPECT_EQ(after, before);
}

TEST_F(SettingsDialogTest, ANewPictureFolderReloadsTheDataAndRedrawsTheButtons) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  f.startUp();
  ASSERT_EQ(f.dishButtons().size(), 1u);
  // The data file changes behind the window; a new picture folder makes it read again.
  nvtest::writeDataFile(dir.file("NV.nv"), {{"ごはん", {"ごはん", "おかゆ"}}});
  nvtest::ScriptedDialogs dialogs;
  dialogs.expectOpen(nv::cp932ToUtf8(dir.file("pics/default")));
  nvtest::ScriptedPrompt quiet;
  nvtest::whenModal([](QWidget* w) {
    nv::TDetailsForm* d = detailsForm(w);
    if (!d) return;
    d->SelTargetBmpFolderBtn->click();
    EXPECT_TRUE(d->OkBtn->isEnabled());
    d->OkBtn->click();
  });
  action(f, "SetDetailsAction")->trigger();
  EXPECT_EQ(f.config().settings().data.bmpFolder, dir.file("pics") + "/");
  EXPECT_EQ(f.dishButtons().size(), 2u);
}

TEST_F(SettingsDialogTest, ADataFileConvertedInPlaceIsReadAgain) {
  nv::TMainForm& f = make({{"ごはん", {"ごはん"}}});
  f.startUp();
  nvtest::writeBytes(dir.file("dishes.csv"), nvtest::readBytes(NV_TEST_DATA_DIR "/dishes.csv"));
  nvtest::ScriptedPrompt quiet;
  const std::string dishes = dir.file("dishes.csv");
  nvtest::whenModal([dishes](QWidget* w) {
    nv::TDetailsForm* d = detailsForm(w);
    if (!d) return;
    d->FoodDataFile->setText(QStringLiteral(NV_TEST_DATA_DIR "/foods.csv"));
    d->KondateDataFile->setText(nv::toQ(dishes));
    d->TransBtn->click();
    d->OkBtn->click();
  });
  action(f, "SetDetailsAction")->trigger();
  EXPECT_EQ(f.config().settings().data.kondateDataFile, dishes);
  EXPECT_GT(f.categoryTabs()->count(), 10);  // the bundled dishes' categories
}
