#pragma once
// TSelectedBentouItem: a dish placed in the lunch box or on the coaster. The child moves it
// with the mouse; it is kept in its bounds when dropped, and brought to the front.
#include <QPixmap>
#include <QWidget>
#include <cstdint>
#include <string>

namespace nv {

class TBentoubakoForm;

class TSelectedBentouItem : public QWidget {
  Q_OBJECT
 public:
  TSelectedBentouItem(TBentoubakoForm& kitchen, int32_t serial, const std::string& name,
                      const QRect& rect, const QPixmap& pixmap);

  int32_t Serial() const { return serial_; }
  const std::string& dishName() const { return name_; }

  int GrabX = 0, GrabY = 0;
  bool Dragging = false;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  TBentoubakoForm& kitchen_;
  int32_t serial_;
  std::string name_;
  QPixmap pixmap_;
};

}  // namespace nv
