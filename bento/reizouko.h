#pragma once
// TReizouko: the grid of dish cells (TBentouItem) laid over an opened appliance, with its
// paging buttons or scroll bar. The cells are children of the host window; a child drags a
// cell out (it returns home afterwards) or double-clicks it to put the dish into the box.
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <string>
#include <vector>

#include "bento/model/bento_data.h"
#include "bento/model/reizouko_grid.h"

class QFrame;
class QMenu;
class QScrollBar;
class QToolButton;

namespace nv {

// What the cells need of the window they lie on (the kitchen, or a window that only shows
// an appliance).
class ReizoukoHost {
 public:
  virtual ~ReizoukoHost() = default;
  // The dish picture with its background transparent; null when the file is missing.
  virtual QImage dishImage(const std::string& cp932Path) = 0;
  virtual bool hasHowToMake(const std::string& dish) = 0;
  // A cell was dropped away from its home: its centre in host pixels.
  virtual void dropDish(const std::string& dish, QPoint centre) = 0;
  // Double-click, "追加(&A)" or Enter on a cell.
  virtual void addDishAtCentre(const std::string& dish) = 0;
  // "作り方(&H)", and a click in browse mode.
  virtual void showHowToMake(const std::string& dish) = 0;
};

// The host of a view that only shows an appliance's dishes (a layout preview): pictures as
// the kitchen loads them; nothing is dragged, added or explained.
class ShowOnlyReizoukoHost : public ReizoukoHost {
 public:
  QImage dishImage(const std::string& cp932Path) override;
  bool hasHowToMake(const std::string&) override { return false; }
  void dropDish(const std::string&, QPoint) override {}
  void addDishAtCentre(const std::string&) override {}
  void showHowToMake(const std::string&) override {}
};

class TReizouko;

class TBentouItem : public QWidget {
  Q_OBJECT
 public:
  TBentouItem(TReizouko& view, QWidget* parent, const QRect& home);

  const std::string& dishName() const { return name_; }  // empty for an empty cell
  QPoint home() const { return home_; }
  bool dragging() const { return Dragging; }
  // Shows a dish (or nothing for an empty name).
  void setDish(const std::string& name);

  int GrabX = 0, GrabY = 0;
  bool Dragging = false;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void render(bool small);
  // The end of a drag: back home, and the dish added when the cell was moved.
  void endDrag();

  TReizouko& view_;
  QPoint home_;
  std::string name_;
  QPixmap pixmap_;
  bool hasSmall_ = false;
  bool afterDoubleClick_ = false;
};

class TReizouko : public QObject {
  Q_OBJECT
 public:
  // Builds the view over `area` (host pixels): copies the names, lays out Rows x Columns
  // cells and the paging control of the style, and fills the cells from index 0.
  TReizouko(ReizoukoHost& host, QWidget* parent, const QRect& area, int columns, int rows,
            int style, const std::string& pictureFolder, const NameList& names, int fontPixels);
  ~TReizouko() override;

  const NameList& names() const { return Names; }
  const ReizoukoGrid& grid() const { return grid_; }
  const std::vector<TBentouItem*>& cells() const { return Cells; }
  int firstIndex() const { return FirstIndex; }

  void back();
  void forward();
  void scrollTo(int position);
  // Browse mode: no dragging; a click shows how the dish is made.
  void setBrowseMode(bool on);
  bool browseMode() const { return browse_; }
  void setVisible(bool visible);

  ReizoukoHost& host() { return host_; }
  const std::string& pictureFolder() const { return PictureFolder; }
  int fontPixels() const { return fontPixels_; }

  QToolButton* BackButton = nullptr;
  QToolButton* ForwardButton = nullptr;
  QScrollBar* ScrollBar = nullptr;
  QFrame* Frame = nullptr;

 private:
  void fill(int index);

  ReizoukoHost& host_;
  NameList Names;
  std::string PictureFolder;
  ReizoukoGrid grid_;
  std::vector<TBentouItem*> Cells;
  int FirstIndex = 0;
  int fontPixels_ = 12;
  bool browse_ = false;
};

}  // namespace nv
