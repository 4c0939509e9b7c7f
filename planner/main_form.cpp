#include "planner/main_form.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
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
#include "planner/conveyor_view.h"
#include "planner/kondate_button.h"
#include "planner/menu_document.h"
#include "planner/menu_ports.h"
#include "planner/model/button_geometry.h"
#include "planner/percent_view.h"
#include "planner/planner_config.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "widgets/dish_picture.h"

namespace nv {
namespace {
// The category tabs with a focus frame a child can see around the current tab (the style's
// own mark is a faint line or nothing).
class CategoryTabBar : public QTabBar {
 public:
  using QTabBar::QTabBar;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QTabBar::paintEvent(event);
    if (!hasFocus() || currentIndex() < 0) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::Highlight), 3));
    p.drawRoundedRect(QRectF(tabRect(currentIndex())).adjusted(2.5, 2.5, -2.5, -2.5), 5, 5);
  }
};
}  // namespace

TMainForm::TMainForm(MenuDocument& doc, PlannerConfig& config, TGunName& gunName, QWidget* parent)
    : QMainWindow(parent),
      doc_(doc),
      config_(config),
      gunName_(gunName),
      foodData_(std::make_unique<TFoodData>()),
      kondateData_(std::make_unique<TKondateData>()) {
  doc_.setDishes(kondateData_.get());
  doc_.setDialogParent(this);
  setWindowTitle(QStringLiteral("nuvelta"));
  createCentral();
  createActions();
  createMenus();
  createToolBar();
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

  normalPage_ = new QWidget(stack_);
  auto* layout = new QVBoxLayout(normalPage_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  categoryTabs_ = new CategoryTabBar(normalPage_);
  categoryTabs_->setExpanding(false);
  categoryTabs_->setUsesScrollButtons(true);
  categoryTabs_->setDocumentMode(true);
  categoryTabs_->setFocusPolicy(Qt::StrongFocus);
  categoryTabs_->installEventFilter(this);
  layout->addWidget(categoryTabs_);
  dishScroll_ = new QScrollArea(normalPage_);
  // Needed only when a single button is wider than the panel (a large scale or button size).
  dishScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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
  profile().setName(defaultName());
  showNormalView();
  // NV.ini was read when the planner was made; its values are applied here.
  applySettings(settings(), settings());
  applyBounds();
  loadData(false);
  dockMenuWindows();
  applyTabConHeight();
  updateViewMenu();
  makeDishButtons(categoryTabs_->currentIndex());
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

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == normalPage_ && event->type() == QEvent::Resize) layoutDishButtons();
  // Down from the category tabs goes into the dish panel.
  if (watched == categoryTabs_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && keyboardDish_) {
    keyboardDish_->setFocus(Qt::TabFocusReason);
    dishScroll_->ensureWidgetVisible(keyboardDish_, 0, 0);
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- data

bool TMainForm::loadData(bool showProgress) {
  // The tables are refilled in place: the tool windows hold on to them. A file that cannot
  // be read leaves them as they were (the loader says so); the add-dish file must then not
  // be merged a second time.
  const QFileInfo info(toQ(dataFileName()));
  if (!info.isFile() || !info.isReadable()) {
    loadDataFile(dataFileName(), *foodData_, *kondateData_, showProgress);
    return false;
  }
  const bool ok = loadDataFile(dataFileName(), *foodData_, *kondateData_, showProgress);
  loadAddFile(addFileName(), *kondateData_);
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
  auto* b = new TKondateButton(category, dish, kondateIconSize(), kondateIconFontSize());
  connect(b, &TKondateButton::addRequested, this, [this](TKondateButton* button, bool direct) {
    addDish(button->category(), button->dishName(), direct);
  });
  connect(b, &TKondateButton::stepRequested, this, &TMainForm::stepDishFocus);
  connect(b, &TKondateButton::focused, this, &TMainForm::setKeyboardDishButton);
  return b;
}

TKondateButton* TMainForm::keyboardDishButton() const { return keyboardDish_; }

void TMainForm::setKeyboardDishButton(TKondateButton* button) {
  // Only the category panel's buttons; the conveyor's move by themselves.
  if (std::find(dishButtons_.begin(), dishButtons_.end(), button) == dishButtons_.end()) return;
  if (keyboardDish_ && keyboardDish_ != button) keyboardDish_->setFocusPolicy(Qt::ClickFocus);
  keyboardDish_ = button;
  keyboardDish_->setFocusPolicy(Qt::StrongFocus);
}

void TMainForm::stepDishFocus(TKondateButton* from, int key) {
  const auto it = std::find(dishButtons_.begin(), dishButtons_.end(), from);
  if (it == dishButtons_.end()) return;
  const int count = int(dishButtons_.size());
  int i = int(it - dishButtons_.begin());
  switch (key) {
    case Qt::Key_Left:
      i = std::max(0, i - 1);
      break;
    case Qt::Key_Right:
      i = std::min(count - 1, i + 1);
      break;
    case Qt::Key_Up:
      // From the top row the way goes up to the category tabs.
      if (i < columns_) {
        categoryTabs_->setFocus(Qt::OtherFocusReason);
        return;
      }
      i -= columns_;
      break;
    case Qt::Key_Down:
      if (i + columns_ < count) i += columns_;
      break;
    case Qt::Key_Home:
      i = 0;
      break;
    case Qt::Key_End:
      i = count - 1;
      break;
    default:
      return;
  }
  TKondateButton* to = dishButtons_[size_t(i)];
  setKeyboardDishButton(to);
  to->setFocus(Qt::OtherFocusReason);
  dishScroll_->ensureWidgetVisible(to, 0, 0);
}

void TMainForm::makeDishButtons(int index, bool showProgress) {
  if (index < 0 || index >= int(categories_.size())) return;
  dishScroll_->verticalScrollBar()->setValue(0);
  std::vector<std::string> names;
  kondateData_->dishNamesOf(categories_[size_t(index)], names);
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& a, const std::string& b) { return compareJa(a, b) < 0; });
  // A button may be the sender of what led here: it goes once the event is over.
  const bool hadFocus = keyboardDish_ && keyboardDish_->hasFocus();
  for (TKondateButton* b : dishButtons_) {
    b->hide();
    b->deleteLater();
  }
  dishButtons_.clear();
  keyboardDish_ = nullptr;
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
  if (!dishButtons_.empty()) {
    setKeyboardDishButton(dishButtons_.front());
    if (hadFocus) dishButtons_.front()->setFocus(Qt::OtherFocusReason);
  }
  layoutDishButtons();
}

void TMainForm::layoutDishButtons() {
  const int size = kondateIconSize();
  // The width inside the panel's frame, less the vertical scroll bar that many rows bring.
  const int frame = 2 * dishScroll_->frameWidth();
  const int scrollBar = dishScroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                          dishScroll_->verticalScrollBar());
  columns_ = dishPanelColumns(normalPage_->width() - frame - scrollBar, size);
  for (size_t i = 0; i < dishButtons_.size(); ++i)
    dishButtons_[i]->move(int(i) % columns_ * size, int(i) / columns_ * size);
  const int rows = (int(dishButtons_.size()) + columns_ - 1) / columns_;
  dishPanel_->resize(std::max(1, columns_ * size), std::max(1, rows * size));
  dishScroll_->verticalScrollBar()->setValue(0);
}

void TMainForm::applyPanelColour() {
  const Rgb c = rgbOfWinColor(kondateBackColor());
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
  const std::string path = bmpFolder() + dishName + ".bmp";
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
