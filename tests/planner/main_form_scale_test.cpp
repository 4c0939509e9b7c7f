// The planner on the screen it starts on, over the distribution's dishes and pictures, at
// the scale the run has: every dish button of the widest category fits the dish panel's
// width, and the last one can be scrolled to. CTest runs this at scale 1, 1.5 and 2 on a
// 1920 x 1080 screen as well as on the plain offscreen one.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <filesystem>

#include "main_form_fixture.h"
#include "planner/kondate_button.h"

namespace nvtest {
namespace {

namespace fs = std::filesystem;

fs::path distFolder() { return fs::path(NV_TOOL_PATH).parent_path().parent_path() / "dist"; }

class PlannerScale : public ::testing::Test {
 protected:
  void SetUp() override {
    mainFormApp();
    if (!fs::exists(distFolder() / "NV.nv")) GTEST_SKIP() << "build the dist target";
    const fs::path folder = nv::toFsPath(dir.path());
    for (const char* linked : {"NV.nv", "about.txt"})
      fs::create_symlink(distFolder() / linked, folder / linked);
    for (const char* linked : {"bmp", "BMP", "HTML"})
      fs::create_directory_symlink(distFolder() / linked, folder / linked);
    previous_ = nv::programFolder();
    nv::setProgramFolder(dir.path());
    static nvtest::IdleServices idle;  // outlives every planner
    nv::PlannerParts parts{.profile = profile, .gunName = gunName, .services = idle.services()};
    parts.defaultName = nv::sj("host");
    parts.services.profile = &nameEntry;
    planner = nv::makePlanner(parts);
    planner->mainForm->startUp();
    planner->mainForm->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    planner.reset();
    if (!previous_.empty()) nv::setProgramFolder(previous_);
  }

  TempDir dir;
  nv::TGunName gunName;
  nv::TKojinData profile;
  ScriptedNameEntry nameEntry;
  std::unique_ptr<nv::Planner> planner;
  std::string previous_;
};

TEST_F(PlannerScale, EveryDishColumnFitsAndTheLastDishCanBeReached) {
  nv::TMainForm& f = *planner->mainForm;
  auto* scroll = f.tabControl()->findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  // The category with the most dishes.
  int widest = 0;
  size_t most = 0;
  for (int i = 0; i < f.categoryTabs()->count(); ++i) {
    f.categoryTabs()->setCurrentIndex(i);
    if (f.dishButtons().size() > most) most = f.dishButtons().size(), widest = i;
  }
  f.categoryTabs()->setCurrentIndex(widest);
  QApplication::processEvents();
  ASSERT_GT(f.dishButtons().size(), 4u);

  const QWidget* viewport = scroll->viewport();
  const int columns = f.dishColumns();
  for (nv::TKondateButton* b : f.dishButtons()) {
    const QRect r(b->mapTo(viewport, QPoint(0, 0)), b->size());
    EXPECT_LE(r.right(), viewport->width() - 1 + scroll->horizontalScrollBar()->maximum())
        << nv::cp932ToUtf8(b->dishName()) << " at scale " << f.devicePixelRatio();
  }
  // Whole columns only: the last column ends inside the visible panel whenever one fits.
  const int size = f.dishButtons().front()->width();
  if (viewport->width() >= size) {
    EXPECT_LE(columns * size, viewport->width());
  }

  // The last button can be brought into view.
  nv::TKondateButton* last = f.dishButtons().back();
  scroll->ensureWidgetVisible(last, 0, 0);
  const QRect seen(last->mapTo(viewport, QPoint(0, 0)), last->size());
  EXPECT_TRUE(viewport->rect().contains(seen)) << "last dish at " << seen.x() << "," << seen.y();

  const QString shots = qEnvironmentVariable("NV_SHOT_DIR");
  if (!shots.isEmpty()) {
    // With the keyboard's focus on a dish, as a child moving with the arrows sees it.
    scroll->verticalScrollBar()->setValue(0);
    QApplication::setActiveWindow(&f);
    f.dishButtons()[1]->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QSize screen = f.screen()->geometry().size() * f.devicePixelRatio();
    const QString name = QStringLiteral("planner_%1x%2_scale%3")
                             .arg(screen.width())
                             .arg(screen.height())
                             .arg(f.devicePixelRatio());
    f.grab().save(QDir(shots).filePath(name + QStringLiteral(".png")));
    f.categoryTabs()->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    f.grab(QRect(0, 0, f.width(), f.height() / 4))
        .save(QDir(shots).filePath(name + QStringLiteral("_tabs.png")));
  }
}

}  // namespace
}  // namespace nvtest
