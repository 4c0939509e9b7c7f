#pragma once
// TReizoukoForm: one appliance picture in a window of its own with its dish cells in browse
// mode, for checking a layout. Shaped like the picture, or a resizable tool window whose
// caption shows the kinds, the mouse position and the rectangles. Moving or resizing it is
// how a teacher finds new numbers; they are read back after it closes.
#include <QDialog>
#include <QImage>
#include <memory>
#include <string>

#include "bento/model/bento_data.h"
#include "bento/model/kitchen_geometry.h"

namespace nv {

class TReizouko;
class ShowOnlyReizoukoHost;

class TReizoukoForm : public QDialog {
  Q_OBJECT
 public:
  // picturePath: the appliance picture; style: the cells' scroll style (0..4).
  TReizoukoForm(const std::string& picturePath, int style, bool shaped,
                const std::string& pictureFolder, QWidget* parent = nullptr);
  ~TReizoukoForm() override;

  // Design rectangles: the whole picture (left, top, width, height) and the dish areas
  // relative to it (left, top, right, bottom), with the cell counts and dish names.
  void setPicture(const QRect& rect) { picture_ = rect; }
  // The kitchen's scale on the screen it covers and that screen's top-left corner: the
  // preview shows the appliance where and as large as the kitchen will (1 and (0, 0) by
  // default: design pixels).
  void setKitchenScale(double s, QPoint origin) {
    s_ = s > 0 ? s : 1;
    origin_ = origin;
  }
  void setMain(const KRect& area, int columns, int rows, const NameList& names);
  // The refrigerator's door; doorName is the storage shown in the caption.
  void setDoor(const KRect& area, int columns, int rows, const NameList& names,
               const std::string& doorName);
  void setTitle(const std::string& title) { title_ = title; }

  // After closing, in design numbers: where the window is, and the dish areas scaled to its
  // size. Numbers of a window left as it was shown come back unchanged.
  QRect pictureRect() const;
  KRect mainArea() const { return designArea(main_.area); }
  KRect doorArea() const { return designArea(door_.area); }
  // Where the window was put when shown (window pixels).
  QRect shownRect() const;
  bool shaped() const { return shaped_; }
  // Rebuilds the cells for the current size (also on every resize).
  void rebuild();
  const TReizouko* mainView() const { return mainView_.get(); }
  const TReizouko* doorView() const { return doorView_.get(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Part {
    KRect area;  // left, top, right, bottom relative to the picture (design pixels)
    int columns = 1, rows = 1;
    NameList names;
    std::string name;
  };
  KRect scaled(const KRect& edges) const;
  KRect designArea(const KRect& edges) const;
  // The window's shape: every pixel of the stretched picture but its background colour.
  void updateShape();
  void updateCaption(QPoint mouse);

  QImage image_;
  int style_;
  bool shaped_;
  std::string pictureFolder_, title_;
  QRect picture_;
  double s_ = 1;
  QPoint origin_;
  Part main_, door_;
  QSize shapeSize_;
  QPoint mouse_;
  std::unique_ptr<ShowOnlyReizoukoHost> host_;
  std::unique_ptr<TReizouko> mainView_, doorView_;
  QPoint grab_;
};

}  // namespace nv
