#pragma once
// TSelButton: one chosen dish on a meal tab of the chosen-menu window. The dish's data live
// in SelectedMenu; the button names it by its serial number (shared with its day-tab copy).
#include <QToolButton>
#include <cstdint>
#include <string>

namespace nv {

struct SelDish;

class TSelButton : public QToolButton {
  Q_OBJECT
 public:
  // A flat button, picture above caption, `size` square, caption font `fontSize` points.
  TSelButton(const SelDish& dish, int node, int size, int fontSize, QWidget* parent = nullptr);

  int32_t serialNo() const { return serialNo_; }
  int node() const { return node_; }
  const std::string& dishName() const { return dishName_; }

 private:
  int32_t serialNo_;
  int node_;
  std::string dishName_;
};

}  // namespace nv
