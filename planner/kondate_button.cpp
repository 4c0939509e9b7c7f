#include "planner/kondate_button.h"

#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "planner/model/button_geometry.h"
#include "planner/model/print_layout.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "widgets/dish_picture.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {
// A dish name is shown as it is: '&' would otherwise become a mnemonic.
QString plainCaption(const std::string& name) {
  return toQ(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}
// A key without Shift, Ctrl or Alt (the keypad's own keys count as plain).
bool plainKey(const QKeyEvent& event) {
  return (event.modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) == Qt::NoModifier;
}
}  // namespace

TKondateButton::TKondateButton(const std::string& category, const std::string& dishName, int size,
                               int fontPoints, QWidget* parent)
    : QToolButton(parent), category_(category), dishName_(dishName), fontPoints_(fontPoints) {
  setAutoRaise(true);
  setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  setText(plainCaption(dishName));
  setToolTip(toQ(dishName));
  QFont f = font();
  if (fontPoints > 0) f.setPointSize(fontPoints);
  setFont(f);
  setFixedSize(size, size);
  setFocusPolicy(Qt::ClickFocus);  // the panel gives one button Tab focus
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QToolButton::clicked, this, [this] { requestAdd(false); });
  connect(this, &QWidget::customContextMenuRequested, this, &TKondateButton::showMenu);
  loadGlyph();
}

std::string TKondateButton::picturePath(const std::string& dishName) {
  return dishPicturePath(joinPath(programFolder(), "bmp/"), dishName);
}

void TKondateButton::loadGlyph() {
  const std::string path = picturePath(dishName_);
  if (!fileExists(path)) return;
  QImage picture = loadDishPicture(path);
  if (picture.isNull()) return;
  const int dpi = screen() ? int(screen()->logicalDotsPerInch()) : 96;
  const GlyphSize g =
      panelGlyphSize(width(), height(), fontPoints_, dpi, picture.width(), picture.height());
  if (!g.valid) return;
  if (g.width != picture.width() || g.height != picture.height())
    picture = picture.scaled(g.width, g.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  setIcon(QPixmap::fromImage(picture));
  setIconSize(QSize(g.width, g.height));
}

void TKondateButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!plainKey(*event)) break;
      requestAdd(false);
      return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
      if (!plainKey(*event)) break;
      emit stepRequested(this, event->key());
      return;
    default:
      break;
  }
  QToolButton::keyPressEvent(event);
}

void TKondateButton::focusInEvent(QFocusEvent* event) {
  QToolButton::focusInEvent(event);
  emit focused(this);
}

void TKondateButton::paintEvent(QPaintEvent* event) {
  QToolButton::paintEvent(event);
  if (!hasFocus()) return;
  // The style's dotted focus line is lost on a picture; a child needs to see where it is.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(palette().color(QPalette::Highlight), 4));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 8, 8);
}

void TKondateButton::showMenu(const QPoint& pos) {
  QMenu menu(this);
  QAction* edit = menu.addAction(u"編集して追加する(&V)..."_s);
  QAction* direct = menu.addAction(u"そのまま追加する(&A)"_s);
  QAction* chosen = menu.exec(mapToGlobal(pos));
  if (chosen == edit) requestAdd(false);
  if (chosen == direct) requestAdd(true);
}

}  // namespace nv
