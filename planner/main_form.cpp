#include "planner/main_form.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
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
#include "planner/conveyor_view.h"
#include "planner/kondate_button.h"
#include "planner/menu_ports.h"
#include "planner/model/button_geometry.h"
#include "planner/percent_view.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "platform/user_folders.h"

namespace nv {

TMainForm::TMainForm(TKojinData& profile, TGunName& gunName, std::string defaultName,
                     QWidget* parent)
    : QMainWindow(parent),
      profile_(profile),
      gunName_(gunName),
      defaultName_(std::move(defaultName)),
      foodData_(std::make_unique<TFoodData>()),
      kondateData_(std::make_unique<TKondateData>()) {
  setCurrentFoodData(foodData_.get());
  const std::string folder = programFolder();
  iniPath_ = iniFilePath();
  dataFileName_ = joinPath(folder, "NV.nv");
  addFileName_ = defaultAddFilePath();
  bmpFolder_ = joinPath(folder, "bmp") + "/";
  // The picture folder is known from creation on, for every window made after this one.
  bmpFolder_ = withSeparator(Ini(iniPath_).readString("Data", "BmpFolder", bmpFolder_));
  setWindowTitle(QStringLiteral("nuvelta"));
  createCentral();
  createActions();
  createMenus();
  createToolBar();
  connectActions();
  resize(1000, 700);
}

TMainForm::~TMainForm() {
  if (conveyor_) conveyor_->stop();
  // The docked windows go while the tables they look at still exist.
  delete selDock_;
  delete graphDock_;
  if (currentFoodData() == foodData_.get()) setCurrentFoodData(nullptr);
}

void TMainForm::createCentral() {
  stack_ = new QStackedWidget(this);
  setCentralWidget(stack_);

  normalPage_ = new QWidget(stack_);
  auto* layout = new QVBoxLayout(normalPage_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  categoryTabs_ = new QTabBar(normalPage_);
  categoryTabs_->setExpanding(false);
  categoryTabs_->setUsesScrollButtons(true);
  categoryTabs_->setDocumentMode(true);
  layout->addWidget(categoryTabs_);
  dishScroll_ = new QScrollArea(normalPage_);
  dishScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  dishScroll_->setWidgetResizable(false);
  dishScroll_->setFrameShape(QFrame::NoFrame);
  dishPanel_ = new QWidget;
  dishPanel_->setAutoFillBackground(true);
  dishScroll_->setWidget(dishPanel_);
  layout->addWidget(dishScroll_, 1);
  normalPage_->installEventFilter(this);
  stack_->addWidget(normalPage_);
  connect(categoryTabs_, &QTabBar::currentChanged, this, &TMainForm::categoryChanged);

  conveyor_ = new ConveyorView(stack_);
  stack_->addWidget(conveyor_);
  percentView_ = new PercentView(stack_);
  stack_->addWidget(percentView_);
  connect(percentView_, &QTabWidget::currentChanged, this, &TMainForm::selectMealTab);

  QFont f = categoryTabs_->font();
  f.setPointSize(tabFontSize_);
  categoryTabs_->setFont(f);
  applyPanelColour();
}

void TMainForm::setMenuWindows(SelKondatePort* sel, GraphPort* graph) {
  sel_ = sel;
  graph_ = graph;
}

void TMainForm::setSplash(QWidget* splash) { splash_ = splash; }

void TMainForm::dockMenuWindows() {
  if (sel_ && !selDock_) {
    selDock_ = new QDockWidget(toQ(sj("選んだ献立")), this);
    selDock_->setObjectName("SelKondateDock");
    selDock_->setWidget(sel_->widget());
    addDockWidget(Qt::BottomDockWidgetArea, selDock_);
    // Closing the panel unchecks its action.
    connect(selDock_->toggleViewAction(), &QAction::toggled, ShowSelKondateFormAction,
            &QAction::setChecked);
  }
  if (graph_ && !graphDock_) {
    graphDock_ = new QDockWidget(toQ(sj("栄養価")), this);
    graphDock_->setObjectName("GraphDock");
    graphDock_->setWidget(graph_->widget());
    addDockWidget(Qt::RightDockWidgetArea, graphDock_);
    connect(graphDock_->toggleViewAction(), &QAction::toggled, ShowGraphFormAction,
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
  profile_.setName(defaultName_);
  showNormalView();
  {
    Ini ini(iniPath_);
    readSettings(ini);
  }
  loadData(false);
  dockMenuWindows();
  updateViewMenu();
  makeDishButtons(categoryTabs_->currentIndex());
  // An empty menu still shows every bar at 0 with its legend, under the child's name.
  if (sel_) {
    sel_->SetChartTitles(profile_.name());
    sel_->RecalcAllGraphs();
  }
}

void TMainForm::startMenu() {
  if (splash_) {
    splash_->close();
    splash_->deleteLater();
    splash_ = nullptr;
  }
  runChooseStartMenu();
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (started_) return;
  startUp();
  if (storedState_ != Qt::WindowNoState) setWindowState(storedState_);
  // The start dialogs open over the finished window, not inside its show.
  QTimer::singleShot(0, this, &TMainForm::startMenu);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!runAskToSave()) {
    event->ignore();
    return;
  }
  conveyor_->stop();
  Ini ini(iniPath_);
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

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == normalPage_ && event->type() == QEvent::Resize) layoutDishButtons();
  return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- data

bool TMainForm::loadData(bool showProgress) {
  // The tables are refilled in place: the tool windows hold on to them. A file that cannot
  // be read leaves them as they were (the loader says so); the add-dish file must then not
  // be merged a second time.
  const QFileInfo info(toQ(dataFileName_));
  if (!info.isFile() || !info.isReadable()) {
    loadDataFile(dataFileName_, *foodData_, *kondateData_, showProgress);
    return false;
  }
  const bool ok = loadDataFile(dataFileName_, *foodData_, *kondateData_, showProgress);
  loadAddFile(addFileName_, *kondateData_);
  setCurrentFoodData(foodData_.get());
  fillCategoryTabs();
  return ok;
}

void TMainForm::fillCategoryTabs() {
  const QSignalBlocker block(categoryTabs_);
  const int old = categoryTabs_->currentIndex();
  const std::string current =
      old >= 0 && old < int(categories_.size()) ? categories_[size_t(old)] : std::string();
  while (categoryTabs_->count() > 0) categoryTabs_->removeTab(0);
  kondateData_->categoryNames(categories_);
  for (const std::string& name : categories_) categoryTabs_->addTab(toQ(name));
  // The same category stays chosen when it still has dishes.
  const auto it = std::find(categories_.begin(), categories_.end(), current);
  if (!categories_.empty())
    categoryTabs_->setCurrentIndex(it == categories_.end() ? 0 : int(it - categories_.begin()));
}

void TMainForm::categoryChanged(int index) { makeDishButtons(index); }

TKondateButton* TMainForm::makeButton(const std::string& category, const std::string& dish) {
  auto* b = new TKondateButton(category, dish, kondateIconSize_, kondateIconFontSize_);
  connect(b, &TKondateButton::addRequested, this, [this](TKondateButton* button, bool direct) {
    addDish(button->category(), button->dishName(), direct);
  });
  return b;
}

void TMainForm::makeDishButtons(int index, bool showProgress) {
  if (index < 0 || index >= int(categories_.size())) return;
  dishScroll_->verticalScrollBar()->setValue(0);
  std::vector<std::string> names;
  kondateData_->dishNamesOf(categories_[size_t(index)], names);
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& a, const std::string& b) { return compareJa(a, b) < 0; });
  // A button may be the sender of what led here: it goes once the event is over.
  for (TKondateButton* b : dishButtons_) {
    b->hide();
    b->deleteLater();
  }
  dishButtons_.clear();
  std::unique_ptr<Progress> progress;
  if (showProgress && names.size() > 20)
    progress = prompt().progress(sj("献立のボタンを作成しています"), 0, int64_t(names.size()));
  for (size_t i = 0; i < names.size(); ++i) {
    TKondateButton* b = makeButton(categories_[size_t(index)], names[i]);
    b->setParent(dishPanel_);
    b->show();
    dishButtons_.push_back(b);
    if (progress) progress->setPosition(int64_t(i + 1));
  }
  layoutDishButtons();
}

void TMainForm::layoutDishButtons() {
  const int size = kondateIconSize_;
  columns_ = dishPanelColumns(normalPage_->width(), size);
  for (size_t i = 0; i < dishButtons_.size(); ++i)
    dishButtons_[i]->move(int(i) % columns_ * size, int(i) / columns_ * size);
  const int rows = (int(dishButtons_.size()) + columns_ - 1) / columns_;
  dishPanel_->resize(std::max(1, columns_ * size), std::max(1, rows * size));
  dishScroll_->verticalScrollBar()->setValue(0);
}

void TMainForm::setKondateBackColor(int32_t color) {
  kondateBackColor_ = color;
  applyPanelColour();
}

void TMainForm::applyPanelColour() {
  const Rgb c = rgbOfWinColor(kondateBackColor_);
  QPalette pal = dishPanel_->palette();
  pal.setColor(QPalette::Window, QColor(c.r, c.g, c.b));
  dishPanel_->setPalette(pal);
  dishScroll_->viewport()->setPalette(pal);
  dishScroll_->viewport()->setAutoFillBackground(true);
  conveyor_->setPalette(pal);
  conveyor_->setAutoFillBackground(true);
}

// ---------------------------------------------------------------- views

void TMainForm::showNormalView() {
  conveyor_->stop();
  stack_->setCurrentWidget(normalPage_);
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
        *kondateData_, kondateIconSize_,
        [this](const std::string& c, const std::string& d) { return makeButton(c, d); });
  }
  conveyor_->applySpeeds(uint32_t(std::max(0, kaitenShuuki_)));
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

bool TMainForm::showDishOf(const std::string& category, const std::string& dish) {
  const auto it = std::find(categories_.begin(), categories_.end(), category);
  if (it == categories_.end()) return false;
  const int index = int(it - categories_.begin());
  if (categoryTabs_->currentIndex() != index) {
    categoryTabs_->setCurrentIndex(index);  // rebuilds the buttons
  } else {
    makeDishButtons(index);
  }
  for (TKondateButton* b : dishButtons_) {
    if (b->dishName() == dish) {
      b->click();
      break;
    }
  }
  return true;
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
    prompt().message(sj("プログラムのバグです(タブ表示部)"));
    return;
  }
  inPageChange_ = true;
  activeMeal_ = index;
  if (sel_) sel_->setActivePage(index);
  if (graph_) graph_->setActivePage(index);
  percentView_->setCurrentIndex(index);
  if (sel_) sel_->refresh();
  updateViewMenu();
  inPageChange_ = false;
}

BarChart* TMainForm::percentChart(int node) { return percentView_->chart(node); }

void TMainForm::setDishGlyph(QAbstractButton& button, const std::string& dishName, double factor) {
  const std::string path = bmpFolder_ + dishName + ".bmp";
  if (!fileExists(path)) return;
  QImage picture(toQ(path));
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

void TMainForm::setCurrentFileName(const std::string& path) {
  currentFileName_ = path;
  setWindowTitle(toQ("Nuvelta:" + (path == "default" ? std::string() : path)));
}

}  // namespace nv
