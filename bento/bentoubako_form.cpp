#include "bento/bentoubako_form.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

#include "bento/evaluation_graph.h"
#include "bento/kitchen_backdrop.h"
#include "bento/model/bento_data_file.h"
#include "bento/model/bento_pictures.h"
#include "bento/model/bento_save.h"
#include "bento/model/bmp_size.h"
#include "bento/qt_geometry.h"
#include "bento/selected_bentou_item.h"
#include "core/gun_name.h"
#include "core/kojin_data.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/qt/qtext.h"
#include "platform/result.h"
#include "platform/text.h"
#include "platform/user_folders.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

// The rim of the box, drawn over the dishes inside it.
class BoxFrontView : public QWidget {
 public:
  explicit BoxFrontView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
  }
  QPixmap pixmap;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawPixmap(0, 0, pixmap);
  }
};

}  // namespace

TBentoubakoForm::TBentoubakoForm(TKojinData& profile, const TGunName& gunName,
                                 std::string defaultName, const KitchenPorts& ports, QSize size,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      ports_(ports),
      document_(profile, std::move(defaultName)),
      gunName_(gunName) {
  setWindowTitle(u"おべんとう箱"_s);
  setAccessibleName(u"おべんとう箱の台所"_s);
  setAccessibleDescription(keyFocusDescription());
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  // 1. Cover the screen; the four pictures of the program folder; the areas.
  if (size.isEmpty()) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect g = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    setGeometry(g);
    setWindowState(Qt::WindowFullScreen);
  } else {
    setGeometry(0, 0, size.width(), size.height());
  }
  settings_ = KitchenSettings::defaults();
  kitchenImage_ = loadBmp(fixedKitchenPicturePath(FixedKitchenPicture::Kitchen));
  boxImage_ = loadTransparentBmp(fixedKitchenPicturePath(FixedKitchenPicture::Box));
  // The rim and the coaster are only seen in the working view: their sizes place the areas
  // now, the pictures are read while the overview shows.
  frontSize_ = bmpFileSize(fixedKitchenPicturePath(FixedKitchenPicture::BoxFront));
  coasterSize_ = bmpFileSize(fixedKitchenPicturePath(FixedKitchenPicture::Coaster));
  BoxFront = new BoxFrontView(this);
  BoxFront->hide();
  // 3. The rice-ball button (placed with the areas).
  RiceBallButton = new QToolButton(this);
  StatusLine = new QLabel(this);
  layoutAreas();

  // 2. Settings and the lunch-box data; the dishes refer to the food table stored with them.
  settings_ = KitchenSettings::read(Ini(iniPath()));
  exitImage_ = loadTransparentBmp(kitchenPicturePath(settings_.bmpFolder, KitchenPicture::Exit));
  nv::showResult(
      loadBentoDataFile(settings_.dataBaseFileName, foods_, kitchen_, nullptr, &prompt()),
      prompt());

  // 3. The rice-ball button's look and its menu.
  RiceBallButton->setAutoRaise(true);
  // The keyboard reaches it through the kitchen's own focus, with the appliances.
  RiceBallButton->setFocusPolicy(Qt::NoFocus);
  RiceBallButton->setStyleSheet(
      QStringLiteral("QToolButton { border: none; background: transparent; }"));
  RiceBallButton->setAccessibleName(u"おにぎりくん"_s);
  RiceBallButton->hide();
  StatusLine->setObjectName(QStringLiteral("statusLine"));
  StatusLine->setWordWrap(true);
  StatusLine->setAttribute(Qt::WA_TransparentForMouseEvents);
  StatusLine->setStyleSheet(QStringLiteral(
      "QLabel { background: rgba(255, 255, 255, 235); color: rgb(60, 40, 20);"
      " border: 2px solid rgb(200, 140, 60); border-radius: 10px; padding: 4px 8px; }"));
  StatusLine->hide();
  statusTimer_.setSingleShot(true);
  statusTimer_.setInterval(6000);
  connect(&statusTimer_, &QTimer::timeout, this, [this] {
    statusText_.clear();
    updateStatusLine();
  });
  connect(RiceBallButton, &QToolButton::clicked, this, &TBentoubakoForm::showResult);
  buildMenus();
  RiceBallButton->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(RiceBallButton, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupMenu->popup(RiceBallButton->mapToGlobal(p)); });

  frontTimer_.setSingleShot(true);
  frontTimer_.setInterval(150);
  deleteTimer_.setSingleShot(true);
  deleteTimer_.setInterval(150);
  connect(&frontTimer_, &QTimer::timeout, this, &TBentoubakoForm::bringToFrontNow);
  connect(&deleteTimer_, &QTimer::timeout, this, [this] { deletePlaced(deleteSerial_); });
  redraw();
  // The enlarged kitchen is scaled while the child looks at the overview, so the click on
  // the small box only has to draw it.
  QTimer::singleShot(0, this, [this] { prepareWorkingView(); });
}

TBentoubakoForm::~TBentoubakoForm() = default;

std::string TBentoubakoForm::iniPath() const { return iniFilePath(); }

void TBentoubakoForm::buildMenus() {
  PopupMenu = new QMenu(this);
  BringToFrontMenu = PopupMenu->addMenu(u"手前にする"_s);
  BringToFrontMenu->menuAction()->setVisible(false);
  auto add = [this](const QString& text, auto slot, QKeySequence key = {}) {
    QAction* a = PopupMenu->addAction(text);
    a->setShortcut(key);
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);  // the shortcuts work without the menu
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  MI_Name = add(u"名前の設定(&K)..."_s, [this] { NameSetting(); });
  MI_New = add(
      u"新規作成(&N)"_s, [this] { New(); }, QKeySequence(Qt::CTRL | Qt::Key_N));
  MI_Open = add(
      u"開く(&O)..."_s, [this] { Open(); }, QKeySequence(Qt::CTRL | Qt::Key_O));
  MI_Save = add(u"上書き保存(&S)"_s, [this] { Save(); });
  MI_SaveAs = add(u"名前を付けて保存(&A)..."_s, [this] { SaveAs(); });
  MI_Preview = add(
      u"印刷プレビュー(&V)"_s, [this] { showPreview(); }, QKeySequence(Qt::CTRL | Qt::Key_P));
  MI_Settings = add(u"設定(&D)..."_s, [this] { showSettings(); });
  MI_About = add(u"バージョン情報(&H)..."_s, [this] { showAbout(); });
  MI_Close = add(u"閉じる"_s, [this] { close(); });
  connect(BringToFrontMenu, &QMenu::triggered, this,
          [this](QAction* a) { bringToFrontFromMenu(a->data().toInt()); });

  GraphMenu = new QMenu(this);
  MI_GraphGroups = GraphMenu->addAction(u"グラフを６群で表示する"_s);
  MI_GraphNutrients = GraphMenu->addAction(u"グラフを栄養素で表示する"_s);
  connect(MI_GraphGroups, &QAction::triggered, this, [this] { setGraphKind(GraphKind::Groups); });
  connect(MI_GraphNutrients, &QAction::triggered, this,
          [this] { setGraphKind(GraphKind::Nutrients); });
}

void TBentoubakoForm::layoutAreas() {
  areas_ = computeKitchenAreas(width(), height(), {kSize(boxImage_), frontSize_, coasterSize_});
  kitchenOverview_ = kitchenWorking_ = QPixmap();
  const QRect small = qRect(areas_.smallBox);
  boxSmall_ = scaledPixmap(boxImage_, small.size());
  workingReady_ = false;
  BoxFront->setGeometry(qRect(areas_.boxFront));
  placeRiceBallButton();
  updateStatusLine();
}

void TBentoubakoForm::placeRiceBallButton() {
  // At the layout's top-left corner, growing with the kitchen (never below its 79 x 77).
  const double s = std::max(1.0, areas_.s);
  const QSize size(scaled(79, s), scaled(77, s));
  RiceBallButton->setGeometry(QRect(QPoint(areas_.originX, areas_.originY), size));
  const QImage glyph = loadTransparentBmp(riceBallPicturePath(1, 1));
  if (glyph.isNull()) return;
  const KSize fit = fitPicture(kSize(glyph), {size.width(), size.height()});
  RiceBallButton->setIconSize(QSize(fit.width, fit.height));
  RiceBallButton->setIcon(QIcon(scaledPixmap(glyph, QSize(fit.width, fit.height))));
}

void TBentoubakoForm::showStatus(const QString& text) {
  statusText_ = text;
  statusTimer_.start();
  updateStatusLine();
}

void TBentoubakoForm::updateStatusLine() {
  if (!StatusLine) return;
  QString text = statusText_;
  if (text.isEmpty() && !overview_ && !document_.dishes().empty())
    text = u"おにぎりくんをクリックすると、お弁当のできばえがわかるよ"_s;
  if (text.isEmpty() || overview_) {
    StatusLine->hide();
    return;
  }
  const double s = std::max(1.0, areas_.s);
  QFont font = StatusLine->font();
  font.setPixelSize(scaled(15, s));
  font.setBold(true);
  StatusLine->setFont(font);
  StatusLine->setText(text);
  const QRect button = RiceBallButton->geometry();
  const int left = button.right() + scaled(6, s);
  int width = scaled(250, s);
  // On narrow screens an open appliance can reach the line: it wraps into more lines rather
  // than covering the appliance the child is choosing from.
  if (view_ && applianceRect_.left() > left)
    width = std::clamp(applianceRect_.left() - scaled(6, s) - left, scaled(120, s), width);
  StatusLine->setFixedWidth(width);
  StatusLine->adjustSize();
  // Beside the rice ball, level with its middle.
  StatusLine->move(left, button.center().y() - StatusLine->height() / 2 + scaled(8, s));
  StatusLine->show();
  StatusLine->raise();
}

void TBentoubakoForm::prepareWorkingView() {
  if (workingReady_) return;
  workingReady_ = true;
  if (frontImage_.isNull())
    frontImage_ = loadTransparentBmp(fixedKitchenPicturePath(FixedKitchenPicture::BoxFront));
  if (coasterImage_.isNull())
    coasterImage_ = loadTransparentBmp(fixedKitchenPicturePath(FixedKitchenPicture::Coaster));
  boxLarge_ = scaledPixmap(boxImage_, qRect(areas_.largeBox).size());
  coaster_ = scaledPixmap(coasterImage_, qRect(areas_.coaster).size());
  static_cast<BoxFrontView*>(BoxFront)->pixmap =
      scaledPixmap(frontImage_, qRect(areas_.boxFront).size());
  BoxFront->update();
  kitchenPixmap(false);
}

const QPixmap& TBentoubakoForm::kitchenPixmap(bool overview) {
  QPixmap& pm = overview ? kitchenOverview_ : kitchenWorking_;
  if (pm.isNull()) pm = scaledPixmap(kitchenImage_, qRect(areas_.kitchen(overview)).size());
  return pm;
}

void TBentoubakoForm::paintKitchen(QPainter& p) {
  if (!overview_) prepareWorkingView();
  drawWithEdges(p, kitchenPixmap(overview_), qRect(areas_.kitchen(overview_)), rect());
  const QRect box = qRect(areas_.box(overview_));
  const QPixmap& boxPm = overview_ ? boxSmall_ : boxLarge_;
  if (!boxPm.isNull()) p.drawPixmap(box.topLeft(), boxPm);
  if (overview_) {
    const QRect exit = qRect(areas_.exit);
    if (exit_.isNull() || exit_.size() != exit.size())
      exit_ = scaledPixmap(exitImage_, exit.size());
    if (!exit_.isNull()) p.drawPixmap(exit.topLeft(), exit_);
    p.setFont(overviewFont());
    p.setPen(Qt::black);
    const std::array<QString, 2> texts = overviewTexts();
    const std::array<QRect, 2> lines = overviewTextRects();
    for (size_t i = 0; i < texts.size(); ++i)
      p.drawText(lines[i], Qt::AlignHCenter | Qt::AlignTop, texts[i]);
    return;
  }
  if (!coaster_.isNull()) p.drawPixmap(qRect(areas_.coaster).topLeft(), coaster_);
  if (!appliancePixmap_.isNull()) p.drawPixmap(applianceRect_.topLeft(), appliancePixmap_);
  if (showGraph_)
    // Font size 8 on a 1024-pixel screen, growing with the kitchen so it stays readable.
    paintEvaluationGraph(p, qRect(areas_.graph), std::max(8, scaled(8, areas_.s)), graphRows_,
                         settings_.groupColors);
}

QFont TBentoubakoForm::overviewFont() const {
  // Sized with the kitchen, not in points: at a scale factor of 2 a point-sized text grew
  // past the wall tiles onto the cupboard.
  QFont font = this->font();
  font.setPixelSize(std::max(9, scaled(21, areas_.s)));
  font.setBold(true);
  return font;
}

std::array<QString, 2> TBentoubakoForm::overviewTexts() {
  return {u"さあ、お弁当作りを始めましょう。"_s, u"下の小さなお弁当箱をクリックして下さい。"_s};
}

std::array<QRect, 2> TBentoubakoForm::overviewTextRects() const {
  const QFontMetrics fm(overviewFont());
  const int th = fm.height();
  // On the wall tiles, the lines a blank line apart and centred above the layout's middle.
  const int top = areas_.originY + scaled(384, areas_.s) - 2 * th;
  const std::array<QString, 2> texts = overviewTexts();
  std::array<QRect, 2> out;
  for (size_t i = 0; i < texts.size(); ++i) {
    const int w = fm.horizontalAdvance(texts[i]);
    out[i] = QRect(areas_.originX + (areas_.layoutWidth - w) / 2, top + int(i) * 2 * th, w, th);
  }
  return out;
}

void TBentoubakoForm::redraw(const QRect& area) {
  QRect dirty = area.isEmpty() ? rect() : area.intersected(rect());
  if (background_.size() != size()) {
    background_ = QPixmap(size());
    dirty = rect();
  }
  QPainter p(&background_);
  p.setClipRect(dirty);
  paintKitchen(p);
  p.end();
  BoxFront->setVisible(!overview_);
  RiceBallButton->setVisible(!overview_);
  updateStatusLine();
  update(dirty);
}

void TBentoubakoForm::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawPixmap(event->rect(), background_, event->rect());
  paintKeyFocus(p);
}

void TBentoubakoForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (areas_.width == width() && areas_.height == height()) return;
  layoutAreas();
  redraw();
}

void TBentoubakoForm::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (keyFocusShown_) {
    // The mouse took over: the keyboard's frame goes until a key is used again.
    keyFocusShown_ = false;
    setKeyFocus(keyFocus_);
  }
  pressArea_ = kitchenAreaAt(areas_, overview_, showGraph_, p.x(), p.y());
  pressButton_ = event->button();
}

void TBentoubakoForm::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const KitchenArea pressed = pressArea_;
  pressArea_ = KitchenArea::None;
  const KitchenArea released = kitchenAreaAt(areas_, overview_, showGraph_, p.x(), p.y());
  if (overview_) {
    if (areas_.exit.contains(p.x(), p.y())) {
      close();
      return;
    }
    if (pressed == KitchenArea::SmallBox && released == KitchenArea::SmallBox) {
      if (NameSetting()) switchToWorkingView();
      return;
    }
  }
  if (pressed == KitchenArea::Graph && released == KitchenArea::Graph &&
      pressButton_ == Qt::RightButton && event->button() == Qt::RightButton) {
    MI_GraphGroups->setEnabled(graphKind_ == GraphKind::Nutrients);
    MI_GraphNutrients->setEnabled(graphKind_ == GraphKind::Groups);
    GraphMenu->popup(event->globalPosition().toPoint());
    return;
  }
  if (pressed == KitchenArea::RecipeBook && released == KitchenArea::RecipeBook) {
    closeAppliance();
    if (ports_.recipes) ports_.recipes->openBook(*this);
    return;
  }
  if (overview_) return;
  if (isAppliance(pressed) && pressed == released) {
    openAppliance(sectionOfArea(pressed));
    return;
  }
  closeAppliance();
}

void TBentoubakoForm::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const KitchenArea a = kitchenAreaAt(areas_, overview_, showGraph_, p.x(), p.y());
  const bool hand = a != KitchenArea::None || (overview_ && areas_.exit.contains(p.x(), p.y()));
  if (hand != handCursor_) {
    handCursor_ = hand;
    setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
  }
}

void TBentoubakoForm::keyPressEvent(QKeyEvent* event) {
  if (kitchenKey(event)) return;
  if (event->key() == Qt::Key_Delete) {
    if (event->modifiers() & Qt::ShiftModifier)
      removeAllDishes();
    else
      removeTopDish();
    return;
  }
  if (event->key() == Qt::Key_Escape && overview_) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TBentoubakoForm::closeEvent(QCloseEvent* event) {
  if (!closeQuery()) {
    event->ignore();
    return;
  }
  if (ports_.riceBall) ports_.riceBall->close();
  closeAppliance();
  QWidget::closeEvent(event);
}

bool TBentoubakoForm::resetPartPositions(const std::string& iniPath) {
  Ini ini(iniPath);
  return resetApplianceLayouts(ini) && ini.save();
}

void TBentoubakoForm::setShowGraph(bool on) {
  showGraph_ = on;
  closeAppliance();
  recomputeGraph();
  redraw();
}

void TBentoubakoForm::setGraphKind(GraphKind kind) {
  graphKind_ = kind;
  recomputeGraph();
  redraw();
}

void TBentoubakoForm::recomputeGraph() {
  graphRows_.clear();
  if (!showGraph_) return;
  const NameList names = document_.dishNames();
  Nutrients totals{};
  GroupGrams grams{};
  if (!names.empty() && kitchen_.hasDishes()) {
    kitchen_.nutrientTotals(names, totals, foods_);
    kitchen_.foodGroupGrams(names, grams, foods_);
  }
  graphRows_ = evaluationGraphRows(graphKind_, totals, grams,
                                   LunchRequirements::of(document_.child()), gunName_);
}

int TBentoubakoForm::computeGrade() {
  grade_ = gradeBox(kitchen_, document_.dishNames(), document_.child(), graphKind_, foods_);
  return grade_;
}

}  // namespace nv
