#include "planner/main_form.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/food.h"
#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "core/kondate_data.h"
#include "core/nv_file.h"
#include "planner/added_dishes_at_exit.h"
#include "planner/conveyor_view.h"
#include "planner/dish_panel.h"
#include "planner/kondate_button.h"
#include "planner/menu_document.h"
#include "planner/menu_ports.h"
#include "planner/model/button_geometry.h"
#include "planner/model/print_layout.h"
#include "planner/percent_view.h"
#include "planner/planner_config.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/result.h"
#include "platform/text.h"
#include "widgets/dish_picture.h"

using namespace Qt::StringLiterals;

namespace nv {

TMainForm::TMainForm(MenuDocument& doc, PlannerConfig& config, TGunName& gunName,
                     const PlannerServices& services, QWidget* parent)
    : QMainWindow(parent),
      doc_(doc),
      config_(config),
      gunName_(gunName),
      services_(services),
      foodData_(std::make_unique<TFoodData>()),
      kondateData_(std::make_unique<TKondateData>()) {
  doc_.setDishes(kondateData_.get());
  doc_.setDialogParent(this);
  setWindowTitle(QStringLiteral("nuvelta"));
  createCentral();
  createPlannerActions(*this, ui_);
  connectActions();
  connectDocument();
  connect(&config_, &PlannerConfig::settingsApplied, this, &TMainForm::applySettings);
  resize(1000, 700);
}

TMainForm::~TMainForm() {
  if (conveyor_) conveyor_->stop();
  // The docked windows go while the tables they look at still exist.
  delete selDock_;
  delete graphDock_;
  doc_.setDishes(nullptr);
  doc_.setDialogParent(nullptr);
}

TKojinData& TMainForm::profile() { return doc_.profile(); }
const PlannerSettings& TMainForm::settings() const { return config_.settings(); }
const std::string& TMainForm::iniPath() const { return config_.iniPath(); }
int TMainForm::selIconSize() const { return settings().data.selIconSize; }
int TMainForm::selIconFontSize() const { return settings().data.selIconFontSize; }
const std::string& TMainForm::currentFileName() const { return doc_.fileName(); }
RecentFiles& TMainForm::recentFiles() { return doc_.recentFiles(); }
const std::string& TMainForm::defaultName() const { return doc_.defaultName(); }

void TMainForm::createCentral() {
  stack_ = new QStackedWidget(this);
  setCentralWidget(stack_);

  dishPanel_ = new DishPanel(
      *kondateData_,
      [this](const std::string& c, const std::string& d) { return makeButton(c, d); },
      [this] { return kondateIconSize(); }, stack_);
  stack_->addWidget(dishPanel_);

  conveyor_ = new ConveyorView(stack_);
  stack_->addWidget(conveyor_);
  percentView_ = new PercentView(stack_);
  stack_->addWidget(percentView_);
  connect(percentView_, &QTabWidget::currentChanged, this, &TMainForm::selectMealTab);

  applyPanelColour();
}

void TMainForm::setMenuWindows(SelKondatePort* sel, GraphPort* graph) {
  sel_ = sel;
  graph_ = graph;
}

void TMainForm::setSplash(QWidget* splash) { splash_ = splash; }

void TMainForm::dockMenuWindows() {
  if (sel_ && !selDock_) {
    selDock_ = new QDockWidget(u"選んだ献立"_s, this);
    selDock_->setObjectName("SelKondateDock");
    selDock_->setWidget(sel_->widget());
    addDockWidget(Qt::BottomDockWidgetArea, selDock_);
    // Closing the panel unchecks its action.
    connect(selDock_->toggleViewAction(), &QAction::toggled, ui_.ShowSelKondateFormAction,
            &QAction::setChecked);
  }
  if (graph_ && !graphDock_) {
    graphDock_ = new QDockWidget(u"栄養価"_s, this);
    graphDock_->setObjectName("GraphDock");
    graphDock_->setWidget(graph_->widget());
    addDockWidget(Qt::RightDockWidgetArea, graphDock_);
    connect(graphDock_->toggleViewAction(), &QAction::toggled, ui_.ShowGraphFormAction,
            &QAction::setChecked);
  }
  if (selDock_) {
    selDock_->show();
    // The panel takes the window's client height.
    resizeDocks({selDock_}, {std::max(129, sel_->widget()->sizeHint().height())}, Qt::Vertical);
  }
  if (graphDock_) {
    graphDock_->show();
    resizeDocks({graphDock_}, {std::max(232, graph_->widget()->sizeHint().width())},
                Qt::Horizontal);
  }
}

// ---------------------------------------------------------------- start-up and closing

void TMainForm::startUp() {
  if (started_) return;
  started_ = true;
  profile().setName(defaultName());
  showNormalView();
  // NV.ini was read when the planner was made; its values are applied here.
  applySettings(settings(), settings());
  applyBounds();
  loadData(false);
  dockMenuWindows();
  applyTabConHeight();
  updateViewMenu();
  makeDishButtons(categoryTabs()->currentIndex());
  // An empty menu still shows every bar at 0 with its legend, under the child's name.
  if (sel_) {
    sel_->SetChartTitles(profile().name());
    sel_->RecalcAllGraphs();
  }
}

void TMainForm::startMenu() {
  // The menu is chosen over the splash, then the stored state goes on and the splash goes.
  doc_.ChooseStartMenu(arguments_, autoOpen());
  switch (settings().main.windowState) {
    case 1:
      setWindowState(Qt::WindowMinimized);
      break;
    case 2:
      setWindowState(Qt::WindowMaximized);
      break;
    default:
      break;
  }
  fitFrameToScreen();
  applyTabConHeight();
  if (splash_) {
    splash_->close();
    splash_->deleteLater();
    splash_ = nullptr;
  }
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (started_) return;
  startUp();
  // The start dialogs open over the finished window, not inside its show.
  QTimer::singleShot(0, this, &TMainForm::startMenu);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!doc_.AskToSave()) {
    event->ignore();
    return;
  }
  // Added dishes whose write failed are tried again, and not lost without a question.
  std::string addFile = addFileName();
  if (!saveAddedDishesAtExit(*kondateData_, addFile, dataFileName())) {
    event->ignore();
    return;
  }
  // Saved elsewhere: the next start reads them from there.
  config_.quietly().data.addKondateFileName = addFile;
  conveyor_->stop();
  // The one write of NV.ini for the planner: every window's values in one pass.
  Ini ini(iniPath());
  writeSettings(ini);
  ini.save();
  event->accept();
}

void TMainForm::contextMenuEvent(QContextMenuEvent* event) {
  // The window's own pop-up menu carries the recent files.
  QMenu menu(this);
  buildRecentMenu(menu);
  if (!menu.isEmpty()) menu.exec(event->globalPos());
}

// ---------------------------------------------------------------- data

bool TMainForm::loadData(bool showProgress) {
  // The tables are refilled in place: the tool windows hold on to them. A file that cannot
  // be read leaves them as they were (the loader says so); the add-dish file must then not
  // be merged a second time.
  const QFileInfo info(toQ(dataFileName()));
  ProgressOpener* progress = showProgress ? &prompt() : nullptr;
  if (!info.isFile() || !info.isReadable()) {
    showResult(loadDataFile(dataFileName(), *foodData_, *kondateData_, progress), prompt());
    return false;
  }
  const bool ok =
      showResult(loadDataFile(dataFileName(), *foodData_, *kondateData_, progress), prompt());
  showResult(loadAddFile(addFileName(), *kondateData_), prompt());
  fillCategoryTabs();
  return ok;
}

TKondateButton* TMainForm::makeButton(const std::string& category, const std::string& dish) {
  auto* b = new TKondateButton(category, dish, kondateIconSize(), kondateIconFontSize());
  connect(b, &TKondateButton::addRequested, this, [this](TKondateButton* button, bool direct) {
    addDish(button->category(), button->dishName(), direct);
  });
  return b;
}

void TMainForm::applyPanelColour() {
  const Rgb c = rgbOfWinColor(kondateBackColor());
  const QPalette pal = dishPanel_->setBackground(QColor(c.r, c.g, c.b));
  conveyor_->setPalette(pal);
  conveyor_->setAutoFillBackground(true);
}

// ---------------------------------------------------------------- views

void TMainForm::showNormalView() {
  conveyor_->stop();
  stack_->setCurrentWidget(dishPanel_);
  view_ = View::Normal;
  updateViewActions();
}

void TMainForm::showConveyorView() {
  conveyor_->stop();
  stack_->setCurrentWidget(conveyor_);
  view_ = View::Conveyor;
  updateViewActions();
  if (!conveyor_->built()) {
    conveyor_->build(
        *kondateData_, kondateIconSize(),
        [this](const std::string& c, const std::string& d) { return makeButton(c, d); });
  }
  conveyor_->applySpeeds(uint32_t(kaitenShuuki()));
  conveyor_->start();
}

void TMainForm::showChartView() {
  conveyor_->stop();
  stack_->setCurrentWidget(percentView_);
  view_ = View::Chart;
  updateViewActions();
}

void TMainForm::addDish(const std::string& category, const std::string& dish, bool direct) {
  pauseConveyor();
  if (sel_) sel_->AddDish(category, dish, direct);
  resumeConveyor();
}

void TMainForm::pauseConveyor() {
  if (conveyorPauses_++ == 0) {
    conveyorWasRunning_ = conveyor_->running();
    conveyor_->stop();
  }
}

void TMainForm::resumeConveyor() {
  if (conveyorPauses_ == 0) return;
  if (--conveyorPauses_ == 0 && conveyorWasRunning_ && view_ == View::Conveyor) conveyor_->start();
}

// ---------------------------------------------------------------- PlannerHost

void TMainForm::selectMealTab(int index) {
  if (inPageChange_) return;
  if (index < 0 || index > 3) {
    tell(u"プログラムのバグです(タブ表示部)"_s);
    return;
  }
  inPageChange_ = true;
  activeMeal_ = index;
  doc_.setViewState({graphByNutrient(), index});
  if (sel_) sel_->setActivePage(index);
  if (graph_) graph_->setActivePage(index);
  percentView_->setCurrentIndex(index);
  if (sel_) sel_->refresh();
  updateViewMenu();
  inPageChange_ = false;
}

BarChart* TMainForm::percentChart(int node) { return percentView_->chart(node); }

void TMainForm::setDishGlyph(QAbstractButton& button, const std::string& dishName, double factor) {
  const std::string path = dishPicturePath(bmpFolder(), dishName);
  if (!fileExists(path)) return;
  QImage picture = loadDishPicture(path);
  if (picture.isNull()) return;
  const int dpi = button.screen() ? int(button.screen()->logicalDotsPerInch()) : 96;
  int points = button.font().pointSize();
  if (points <= 0) points = button.font().pixelSize() * 72 / std::max(1, dpi);
  const GlyphSize g = dishGlyphSize(button.width(), button.height(), points, dpi, picture.width(),
                                    picture.height(), factor);
  if (!g.valid) return;
  button.setIcon(QPixmap::fromImage(
      picture.scaled(g.width, g.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  button.setIconSize(QSize(g.width, g.height));
}

void TMainForm::refreshView() { updateViewMenu(); }

}  // namespace nv
