#include "planner/sel_button.h"

#include "planner/model/selected_menu.h"
#include "platform/qt/qtext.h"

namespace nv {

TSelButton::TSelButton(const SelDish& dish, int node, int size, int fontSize, QWidget* parent)
    : QToolButton(parent), serialNo_(dish.serialNo), node_(node), dishName_(dish.caption) {
  setObjectName(QStringLiteral("SelButton%1").arg(dish.serialNo));
  setAutoRaise(true);
  setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  setText(toQ(dish.caption));
  setToolTip(toQ(dish.hint));
  setFixedSize(size, size);
  QFont f = font();
  if (fontSize > 0) f.setPointSize(fontSize);
  setFont(f);
  // The picture gets the room the caption leaves.
  const int side = std::max(1, size - QFontMetrics(f).height() - 8);
  setIconSize(QSize(side, side));
  setContextMenuPolicy(Qt::CustomContextMenu);
}

}  // namespace nv
