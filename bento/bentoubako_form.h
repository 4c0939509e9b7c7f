#pragma once
// TBentoubakoForm: the lunch-box game. A borderless window covering the screen shows a drawn
// kitchen; clicking the small box (and giving the child's name) enlarges the kitchen to the
// working view, where appliances open to show their dishes, dishes are dragged into the box,
// and the box is saved, opened and judged. The box itself is its LunchBoxDocument; the window
// shows it and turns the child's gestures into its edits.
#include <QHash>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "bento/kitchen_pictures.h"
#include "bento/kitchen_ports.h"
#include "bento/lunch_box_document.h"
#include "bento/model/appliance_layout.h"
#include "bento/model/bento_data.h"
#include "bento/model/bento_grade.h"
#include "bento/model/kitchen_focus.h"
#include "bento/model/kitchen_geometry.h"
#include "bento/model/kitchen_settings.h"
#include "bento/model/placed_dishes.h"
#include "bento/reizouko.h"
#include "core/food.h"

class QAction;
class QLabel;
class QFont;
class QMenu;
class QToolButton;

namespace nv {

class TGunName;
class TKojinData;
class TSelectedBentouItem;

class TBentoubakoForm : public QWidget, public ReizoukoHost {
  Q_OBJECT
 public:
  // Creation: covers the screen (or takes `size`, for tests and screenshots), loads the
  // kitchen pictures of the program folder, reads the settings and the lunch-box data file.
  // `profile` is the child's profile the box is judged against; `defaultName` the name a new
  // box starts with; `ports` the windows opened from the kitchen that other parts provide
  // (see kitchen_ports.h), fixed for the window's life.
  TBentoubakoForm(TKojinData& profile, const TGunName& gunName, std::string defaultName,
                  const KitchenPorts& ports = {}, QSize size = {}, QWidget* parent = nullptr);
  ~TBentoubakoForm() override;

  // The box the window shows.
  LunchBoxDocument& document() { return document_; }
  const LunchBoxDocument& document() const { return document_; }
  const KitchenPorts& ports() const { return ports_; }
  // The child-profile dialog; true when confirmed. Without one the name is never confirmed.
  std::function<bool(TKojinData& profile, QWidget* parent)> profileDialog;

  // State.
  bool overviewMode() const { return overview_; }
  double scale() const { return areas_.s; }
  const KitchenAreas& areas() const { return areas_; }
  const KitchenSettings& settings() const { return settings_; }
  const TDaidokoro& kitchenData() const { return kitchen_; }
  const TFoodData& foods() const { return foods_; }
  TKojinData& profile() { return document_.child(); }
  const TGunName& gunName() const { return gunName_; }
  bool showGraph() const { return showGraph_; }
  void setShowGraph(bool on);
  GraphKind graphKind() const { return graphKind_; }
  void setGraphKind(GraphKind kind);
  int grade() const { return grade_; }
  // Computes the grade of the placed dishes with the graph kind of the moment.
  int computeGrade();

  // Placed dishes in stacking order (bottom-most first).
  NameList placedNames() const { return document_.dishNames(); }
  std::vector<TSelectedBentouItem*> placedItems() const;
  TSelectedBentouItem* placedItem(int32_t serial) const;
  TReizouko* applianceView() const { return view_.get(); }
  TReizouko* doorView() const { return door_.get(); }
  // The section of the open appliance (meaningful while applianceView() is not null).
  LayoutSection openSection() const { return openSection_; }
  // Where the open appliance's picture lies (empty while none is open).
  QRect openApplianceRect() const { return view_ ? applianceRect_ : QRect(); }

  // Commands.
  bool NameSetting();  // "名前の設定(&K)..."; true when confirmed
  void New();          // "新規作成(&N)", Ctrl+N
  void Open();         // "開く(&O)...", Ctrl+O
  bool Save();         // "上書き保存(&S)"; true when nothing is left unsaved
  bool SaveAs();       // "名前を付けて保存(&A)..."
  bool loadFile(const std::string& path);  // reads a save file into the box
  bool closeQuery();                       // the close question; true when the window may close
  void switchToWorkingView();
  void openAppliance(LayoutSection section);
  void closeAppliance();
  void showSettings();  // "設定(&D)..."
  void showAbout();     // "バージョン情報(&H)..."
  void showPreview();   // "印刷プレビュー(&V)", Ctrl+P
  void showResult();    // the rice-ball button
  // What the result dialog asks for when it closes: 1 quit, 2 Open, 3 Save, 4 New.
  void afterResult(int action);

  // Dishes. A dish dropped at a point lands there (kept in its bounds); one added without a
  // point takes the next free place of the box or the coaster.
  void addDish(const std::string& name, QPoint dropPoint) { placeNewDish(name, dropPoint); }
  void addDishAtNextPlace(const std::string& name) { placeNewDish(name, std::nullopt); }
  void removeTopDish();    // Delete: the top-most dish, after 150 ms
  void removeAllDishes();  // Shift+Delete
  void startBringToFrontTimer(int32_t serial);
  void startDeleteTimer(int32_t serial);
  void bringToFrontFromMenu(int32_t serial);
  void confineDish(TSelectedBentouItem& item);
  // The two one-shot timers fire at once (tests).
  void fireTimers();

  // "部品の位置を初期化する": removes the appliance layout keys from NV.ini.
  static bool resetPartPositions(const std::string& iniPath);
  std::string iniPath() const;

  // ReizoukoHost.
  QImage dishImage(const std::string& cp932Path) override;
  bool hasHowToMake(const std::string& dish) override;
  void dropDish(const std::string& dish, QPoint centre) override;
  void addDishAtCentre(const std::string& dish) override;
  void showHowToMake(const std::string& dish) override;

  // Paints the kitchen as it stands (background, box, appliance, graph) on any painter.
  void paintKitchen(QPainter& painter);

  // The overview's two lines and where they are drawn: sized and placed with the kitchen.
  static std::array<QString, 2> overviewTexts();
  std::array<QRect, 2> overviewTextRects() const;

  // The keyboard's place in the kitchen (see kitchen_focus.h); its frame shows once a key
  // has moved or used it.
  const KitchenFocus& keyFocus() const { return keyFocus_; }
  bool keyFocusShown() const { return keyFocusShown_; }
  QString keyFocusDescription() const;  // what a screen reader says of it
  bool dishHasKeyFocus(int32_t serial) const {
    return keyFocusShown_ && keyFocus_ == KitchenFocus::dish(serial);
  }

  // The right-click menu's "手前にする" list and the graph's menu.
  QMenu* bringToFrontMenu() const { return BringToFrontMenu; }
  QMenu* graphMenu() const { return GraphMenu; }

  QToolButton* RiceBallButton = nullptr;
  QWidget* BoxFront = nullptr;
  // Beside the rice-ball button: what to do next, or what just happened (a save).
  QLabel* StatusLine = nullptr;
  void showStatus(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeNewDish(const std::string& name, std::optional<QPoint> dropPoint);
  // The rectangle a placed dish takes: no dish is larger than the kitchen.
  KRect boundedDishRect(const KRect& r) const;
  // The keyboard path (bentoubako_form_keys.cpp).
  bool kitchenKey(QKeyEvent* event);  // true when the key was the kitchen's
  void setKeyFocus(const KitchenFocus& focus);
  void activateKeyFocus();
  void moveFocusedDish(int dx, int dy);
  QRect keyFocusRect() const;  // window pixels; empty for a dish (it draws its own frame)
  void paintKeyFocus(QPainter& painter);
  QFont overviewFont() const;
  void buildMenus();
  void placeRiceBallButton();
  void updateStatusLine();
  void layoutAreas();
  // Redraws the background cache (or the part of it in `area`) and repaints.
  void redraw(const QRect& area = QRect());
  void recomputeGraph();
  void rebuildBringToFrontMenu();
  void showFullBox();
  void deletePlaced(int32_t serial);
  // Removes the dishes' windows (the document's dishes are cleared by the caller).
  void clearItems();
  // The window of a placed dish, its picture stretched to exactly the dish's rectangle.
  TSelectedBentouItem* createItem(const PlacedDish& dish);
  void bringToFrontNow();
  bool writeSaveFile();
  bool emptyBoxNotSaved();  // says so; nothing is left unsaved
  bool insideBox(const std::string& dish) const;
  void raiseFrontOver(const TSelectedBentouItem& item);
  const QPixmap& kitchenPixmap(bool overview);
  // Reads and scales what only the working view shows (once per size).
  void prepareWorkingView();

  QMenu* PopupMenu = nullptr;
  QMenu* BringToFrontMenu = nullptr;
  QMenu* GraphMenu = nullptr;
  QAction *MI_Name = nullptr, *MI_New = nullptr, *MI_Open = nullptr, *MI_Save = nullptr,
          *MI_SaveAs = nullptr, *MI_Preview = nullptr, *MI_Settings = nullptr, *MI_About = nullptr,
          *MI_Close = nullptr;
  QAction *MI_GraphGroups = nullptr, *MI_GraphNutrients = nullptr;

  const KitchenPorts ports_;
  LunchBoxDocument document_;
  const TGunName& gunName_;
  KitchenSettings settings_;
  TFoodData foods_;
  TDaidokoro kitchen_;
  KitchenAreas areas_;
  PictureCache pictures_;
  QHash<QString, bool> howToMake_;

  bool overview_ = true;
  bool showGraph_ = false;
  GraphKind graphKind_ = GraphKind::Groups;
  int grade_ = 0;
  QString statusText_;  // shown instead of the hint until statusTimer_ ends
  QTimer statusTimer_;
  std::vector<GraphRow> graphRows_;

  QHash<int32_t, TSelectedBentouItem*> items_;
  std::unique_ptr<TReizouko> view_, door_;
  LayoutSection openSection_ = LayoutSection::Refrigerator;
  QPixmap appliancePixmap_;
  QHash<QString, QPixmap> appliancePixmaps_;
  QRect applianceRect_;

  QImage kitchenImage_, boxImage_, frontImage_, coasterImage_, exitImage_;
  QPixmap kitchenOverview_, kitchenWorking_, boxSmall_, boxLarge_, front_, coaster_, exit_;
  QPixmap background_;
  KSize frontSize_, coasterSize_;
  bool workingReady_ = false;

  KitchenArea pressArea_ = KitchenArea::None;
  Qt::MouseButton pressButton_ = Qt::NoButton;
  bool pressOnExit_ = false;
  bool handCursor_ = false;
  KitchenFocus keyFocus_ = KitchenFocus::of(KitchenArea::SmallBox);
  bool keyFocusShown_ = false;

  QTimer frontTimer_, deleteTimer_;
  int32_t frontSerial_ = -1, deleteSerial_ = -1;
};

}  // namespace nv
