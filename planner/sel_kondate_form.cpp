#include "planner/sel_kondate_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/food.h"
#include "core/gun_name.h"
#include "core/kondate_data.h"
#include "planner/graph_form.h"
#include "planner/menu_document.h"
#include "planner/model/chart_values.h"
#include "planner/model/planner_settings.h"
#include "planner/planner_host.h"
#include "planner/sel_button.h"
#include "planner/sel_shokuji_form.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "teacher/edit_kondate_form.h"
#include "widgets/bar_chart.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {
QColor qColorOf(Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

std::vector<BarChart::Bar> chartBars(const std::vector<ChartBar>& bars, const TGunName& gun) {
  std::vector<BarChart::Bar> out;
  out.reserve(bars.size());
  for (const ChartBar& b : bars)
    out.push_back({toQ(b.label), b.value, qColorOf(gun.rgb(b.colourIndex)), b.colourIndex});
  return out;
}
}  // namespace

TSelKondateForm::TSelKondateForm(PlannerHost& host, TGraphForm* graphForm, QWidget* parent)
    : QWidget(parent), host_(host), doc_(host.document()), graphForm_(graphForm) {
  setObjectName(QStringLiteral("SelKondateForm"));
  setWindowTitle(u"選んだ献立"_s);
  setWindowFlags(windowFlags() | Qt::Tool | Qt::WindowStaysOnTopHint);
  QFont f = font();
  f.setPixelSize(12);
  setFont(f);
  resize(600, 129);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  layout->addWidget(PageControl1);
  for (int node = 0; node < kNodeCount; ++node) {
    auto* box = new QScrollArea;
    box->setObjectName(QStringLiteral("DishBox%1").arg(node));
    box->setFrameShape(QFrame::NoFrame);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setWidgetResizable(false);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("DishBoxContent%1").arg(node));
    box->setWidget(content);
    box->viewport()->installEventFilter(this);
    dishBoxes_[size_t(node)] = box;
    boxContents_[size_t(node)] = content;
    setBackColor(node,
                 qColorOf(rgbOfWinColor(SelKondateSettings::kDefaultBackColors[size_t(node)])));
    PageControl1->addTab(box, toQ(SelectedMenu::nodeNames()[size_t(node)]));
  }
  connect(PageControl1, &QTabWidget::currentChanged, this, &TSelKondateForm::PageControl1Change);

  DeleteTimer = new QTimer(this);
  DeleteTimer->setInterval(100);
  connect(DeleteTimer, &QTimer::timeout, this, &TSelKondateForm::DeleteTimerTimer);

  PopupMenu1 = new QMenu(this);
  Edit1 = PopupMenu1->addAction(u"編集(&E)..."_s);
  Delete1 = PopupMenu1->addAction(u"削除(&D)"_s);
  connect(Edit1, &QAction::triggered, this, [this] { EditDish(popupButton_); });
  connect(Delete1, &QAction::triggered, this, &TSelKondateForm::Delete1Click);

  connect(&doc_, &MenuDocument::menuReset, this, &TSelKondateForm::menuReset);
  connect(&doc_, &MenuDocument::profileChanged, this, [this] {
    SetChartTitles(doc_.profile().name());
    refresh();
  });
}

const SelectedMenu& TSelKondateForm::menu() const { return doc_.menu(); }
bool TSelKondateForm::Modified() const { return doc_.isModified(); }
void TSelKondateForm::setModified(bool m) { doc_.setModified(m); }

void TSelKondateForm::menuReset() {
  // Cleared or read from a file: every button is made again from the document.
  DeleteTimer->stop();
  pendingDeletes_.clear();
  syncAllButtons();
  layoutAll();
  RecalcAllGraphs();
}

TSelKondateForm::~TSelKondateForm() = default;

// --- Pages ---

void TSelKondateForm::setActivePage(int index) {
  if (index < 0 || index >= kNodeCount) return;
  settingPage_ = true;
  PageControl1->setCurrentIndex(index);
  settingPage_ = false;
}

int TSelKondateForm::activePage() const { return PageControl1->currentIndex(); }

void TSelKondateForm::PageControl1Change(int index) {
  if (settingPage_ || inPageChange_ || index < 0) return;
  inPageChange_ = true;
  host_.selectMealTab(index);
  RecalcGraphs();
  host_.refreshView();
  inPageChange_ = false;
}

void TSelKondateForm::refresh() {
  layoutAll();
  RecalcGraphs();
}

// --- Buttons ---

void TSelKondateForm::applyIconSettings() {
  for (auto& list : buttons_) {
    for (TSelButton* b : list) {
      b->hide();
      b->deleteLater();
    }
    list.clear();
  }
  popupButton_ = nullptr;
  syncAllButtons();
  layoutAll();
}

std::vector<TSelButton*> TSelKondateForm::buttons(int node) const {
  if (node < 0 || node >= kNodeCount) return {};
  return buttons_[size_t(node)];
}

void TSelKondateForm::syncButtons(int node) {
  std::vector<TSelButton*>& list = buttons_[size_t(node)];
  std::vector<TSelButton*> next;
  for (const SelDish& dish : doc_.menu().dishes(node)) {
    auto it = std::find_if(list.begin(), list.end(),
                           [&](TSelButton* b) { return b && b->serialNo() == dish.serialNo; });
    if (it != list.end()) {
      next.push_back(*it);
      *it = nullptr;
      continue;
    }
    auto* b = new TSelButton(dish, node, host_.selIconSize(), host_.selIconFontSize(),
                             boxContents_[size_t(node)]);
    connect(b, &QToolButton::clicked, this, [this, b] { EditDish(b); });
    connect(b, &QWidget::customContextMenuRequested, this,
            [this, b](const QPoint& pos) { showPopup(b, pos); });
    drawPicture(*b);
    b->show();
    next.push_back(b);
  }
  // Gone dishes: the button may be the one whose click or menu is running, so it is freed
  // once control is back in the event loop.
  for (TSelButton* b : list) {
    if (!b) continue;
    if (popupButton_ == b) popupButton_ = nullptr;
    b->hide();
    b->deleteLater();
  }
  list = std::move(next);
}

void TSelKondateForm::syncAllButtons() {
  for (int node = 0; node < kNodeCount; ++node) syncButtons(node);
}

void TSelKondateForm::drawPicture(TSelButton& button) {
  const SelDish* dish = doc_.menu().find(button.serialNo());
  if (!dish) return;
  host_.setDishGlyph(button, dish->caption, dish->pictureScale());
}

void TSelKondateForm::LayoutButtons(int node) {
  if (node < 0 || node >= kNodeCount || layingOut_) return;
  layingOut_ = true;
  QScrollArea* box = dishBoxes_[size_t(node)];
  const int width = box->viewport()->width();
  const int limit = width - host_.selIconSize() / 2;
  int x = 0, y = 0, rowHeight = 0;
  for (TSelButton* b : buttons_[size_t(node)]) {
    b->move(x, y);
    rowHeight = std::max(rowHeight, b->height());
    if (x + b->width() >= limit) {
      x = 0;
      y += rowHeight;
      rowHeight = 0;
    } else {
      x += b->width();
    }
  }
  boxContents_[size_t(node)]->resize(width, std::max(box->viewport()->height(), y + rowHeight));
  layingOut_ = false;
}

void TSelKondateForm::layoutAll() {
  for (int node = 0; node < kNodeCount; ++node) LayoutButtons(node);
}

bool TSelKondateForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize)
    for (int node = 0; node < kNodeCount; ++node)
      if (watched == dishBoxes_[size_t(node)]->viewport()) LayoutButtons(node);
  return QWidget::eventFilter(watched, event);
}

void TSelKondateForm::showPopup(TSelButton* button, const QPoint& pos) {
  popupButton_ = button;
  PopupMenu1->popup(button->mapToGlobal(pos));
}

// --- Adding, editing, deleting ---

void TSelKondateForm::AddDish(const std::string& category, const std::string& dishName,
                              bool direct) {
  int a = activePage();
  if (a > SelectedMenu::kMealCount - 1) {
    TSelShokujiForm ask(host_, dishName, this);
    if (ask.exec() != QDialog::Accepted) {
      host_.selectMealTab(a);
      return;
    }
    a = ask.chosenMeal();
  }
  if (a < 0 || a >= SelectedMenu::kMealCount) {
    tell(u"追加できません"_s);
    return;
  }
  const TKondateData& db = host_.kondateData();
  SelDish dish;
  dish.serialNo = doc_.nextSerial();
  dish.kondateNo = db.numberOf(category, dishName);
  dish.usedFoods = db.ingredientsOf(dish.kondateNo).value_or(TUsedFoodList{});
  dish.weight = totalAmount(dish.usedFoods);
  dish.standardWeight = db.standardWeightOf(dish.kondateNo);
  dish.caption = dishName;
  dish.hint = SelectedMenu::hintFor(a, dishName);

  if (!direct) {
    EditOutcome out = runQuantityDialog(dish, a, false);
    if (out.result != EditResult::Ok) {
      RecalcGraphs();
      return;
    }
    dish.usedFoods = std::move(out.foods);
  }
  doc_.addDish(a, std::move(dish));
  syncButtons(a);
  syncButtons(SelectedMenu::kDayNode);
  RecalcGraphs();
  layoutAll();
}

TSelKondateForm::EditOutcome TSelKondateForm::runQuantityDialog(const SelDish& dish, int colourNode,
                                                                bool showDelete) {
  EditKondateRequest request;
  request.caption = dish.caption;
  request.hint = dish.hint;
  request.color = backColor(colourNode);
  request.width = editWidth_;
  request.iconSize = host_.selIconSize();
  request.iconFontSize = host_.selIconFontSize();
  request.standardTotal = dish.standardWeight;
  request.foods = dish.usedFoods;
  request.showDelete = showDelete;
  const std::string name = dish.caption;
  TEditKondateForm dialog(
      request, &host_.foodData(),
      [this, name](QAbstractButton& b, double ratio) { host_.setDishGlyph(b, name, ratio); }, this);
  const int32_t serial = dish.serialNo;
  dialog.setChangeCallback([this, serial] { RecalcGraphs(serial); });
  editDialog_ = &dialog;
  dialog.exec();
  editDialog_ = nullptr;
  editWidth_ = dialog.finalWidth();

  EditOutcome out;
  if (dialog.result() == QDialog::Accepted) {
    out.result =
        dialog.outcome() == TEditKondateForm::Outcome::Delete ? EditResult::Delete : EditResult::Ok;
    out.foods = dialog.currentFoods();
  }
  return out;
}

void TSelKondateForm::EditDish(QObject* sender) {
  auto* button = qobject_cast<TSelButton*>(sender);
  if (!button) {
    tell(u"dynamic_cast<TSelButton*>(Sender) で selBtn == NULL"_s);
    return;
  }
  const int32_t serial = button->serialNo();
  const int meal = doc_.menu().mealOf(serial);
  if (meal < 0) {
    tell(u"見つかりませんでした"_s);
    RecalcGraphs();
    return;
  }
  const SelDish dish = *doc_.menu().find(serial);
  EditOutcome out = runQuantityDialog(dish, meal, true);
  if (out.result == EditResult::Delete) {
    startDelete(serial);
  } else if (out.result == EditResult::Ok) {
    doc_.setAmounts(serial, out.foods);
    for (int node : {meal, int(SelectedMenu::kDayNode)})
      for (TSelButton* b : buttons_[size_t(node)])
        if (b->serialNo() == serial) drawPicture(*b);
  }
  RecalcGraphs();
}

void TSelKondateForm::Delete1Click() {
  if (popupButton_) startDelete(popupButton_->serialNo());
}

void TSelKondateForm::startDelete(int32_t serialNo) {
  // A second request inside the 100 ms keeps the first: both dishes go at the tick.
  pendingDeletes_.push_back(serialNo);
  doc_.setModified(true);
  DeleteTimer->start();
  RecalcGraphs();
}

void TSelKondateForm::DeleteTimerTimer() {
  // The tick may come inside the quantity dialog's loop while the click that opened it is
  // still on the stack; the buttons go once the dialog is closed.
  if (editDialog_) return;
  DeleteTimer->stop();
  const std::vector<int32_t> gone = std::move(pendingDeletes_);
  pendingDeletes_.clear();
  doc_.removeDishes(gone);
  syncAllButtons();
  layoutAll();
  RecalcGraphs();
}

void TSelKondateForm::ClearAll() { doc_.clearAll(); }

// --- Balance ---

void TSelKondateForm::recalcNode(int node, std::optional<int32_t> exclude) {
  TUsedFoodList preview;
  const TUsedFoodList* previewPtr = nullptr;
  if (exclude && editDialog_) {
    preview = editDialog_->currentFoods();
    previewPtr = &preview;
  }
  const MealTotals totals = doc_.menu().totals(node, &host_.foodData(), exclude, previewPtr);
  showResult(totals.told, prompt());
  const TKojinData& profile = host_.profile();
  const TGunName& gun = host_.gunName();
  Nutrients requirement{};
  for (int k = 0; k < kNutrientCount; ++k) requirement[size_t(k)] = profile.Requirement(node, k);

  if (BarChart* chart = graphForm_ ? graphForm_->chart(node) : nullptr) {
    chart->setPatterns(host_.patternBars());
    if (host_.graphByNutrient()) {
      chart->setBars(chartBars(nutrientBars(totals.nutrients, requirement), gun));
    } else {
      std::array<double, kFoodGroupCount> groupRequirement{};
      std::array<std::string, kFoodGroupCount> names;
      for (int g = 0; g < kFoodGroupCount; ++g) {
        groupRequirement[size_t(g)] = profile.GroupRequirement(node, g);
        names[size_t(g)] = gun.name(g);
      }
      chart->setBars(chartBars(groupBars(totals.groups, groupRequirement, names), gun));
    }
  }
  if (BarChart* chart = host_.percentChart(node)) {
    chart->setPatterns(host_.patternBars());
    chart->setBars(chartBars(percentBars(totals.nutrients, requirement), gun));
  }
}

void TSelKondateForm::RecalcGraphs(std::optional<int32_t> exclude) {
  const int m = activePage();
  if (m < 0 || m >= kNodeCount) {
    tell(u"ptr == NULL"_s);
    return;
  }
  recalcNode(m, exclude);
  if (m != SelectedMenu::kDayNode) recalcNode(SelectedMenu::kDayNode, exclude);
}

void TSelKondateForm::RecalcAllGraphs() {
  for (int node = 0; node < kNodeCount; ++node) recalcNode(node, std::nullopt);
}

void TSelKondateForm::SetChartTitles(const std::string& childName) {
  if (!graphForm_) return;
  for (int node = 0; node < kNodeCount; ++node)
    if (BarChart* chart = graphForm_->chart(node))
      chart->setTitle(toQ(childName) + u" さんの"_s + toQ(SelectedMenu::nodeNames()[size_t(node)]) +
                      u"の栄養バランス(％)"_s);
}

// --- Menu file ---

bool TSelKondateForm::SaveMenuFile(const std::string& path) {
  KojinViewState view;
  view.graphByNutrient = host_.graphByNutrient();
  view.activeMealTab = std::max(0, activePage());
  doc_.setViewState(view);
  return doc_.writeFile(path);
}

bool TSelKondateForm::LoadMenuFile(const std::string& path) { return doc_.readFile(path); }

// --- Settings ---

QColor TSelKondateForm::backColor(int node) const {
  if (node < 0 || node >= kNodeCount) return QColor();
  return boxContents_[size_t(node)]->palette().color(QPalette::Window);
}

void TSelKondateForm::setBackColor(int node, const QColor& color) {
  if (node < 0 || node >= kNodeCount) return;
  for (QWidget* w : {dishBoxes_[size_t(node)]->viewport(), boxContents_[size_t(node)]}) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
  }
}

void TSelKondateForm::applySettings(const SelKondateSettings& settings) {
  for (int node = 0; node < kNodeCount; ++node)
    setBackColor(node, qColorOf(rgbOfWinColor(settings.backColors[size_t(node)])));
  editWidth_ = settings.editKondateFormWidth;
}

void TSelKondateForm::storeSettings(SelKondateSettings& settings) const {
  for (int node = 0; node < kNodeCount; ++node) {
    const QColor c = backColor(node);
    settings.backColors[size_t(node)] =
        winColorOf(Rgb{uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue())});
  }
  settings.editKondateFormWidth = editWidth_;
}

void TSelKondateForm::closeEvent(QCloseEvent* event) {
  emit closed();
  QWidget::closeEvent(event);
}

}  // namespace nv
