#include "planner/kondate_button.h"

#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QScreen>

#include "planner/model/button_geometry.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "widgets/dish_picture.h"

namespace nv {
namespace {
// A dish name is shown as it is: '&' would otherwise become a mnemonic.
QString plainCaption(const std::string& name) {
  return toQ(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
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
  setFocusPolicy(Qt::NoFocus);
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QToolButton::clicked, this, [this] { requestAdd(false); });
  connect(this, &QWidget::customContextMenuRequested, this, &TKondateButton::showMenu);
  loadGlyph();
}

std::string TKondateButton::picturePath(const std::string& dishName) {
  return joinPath(programFolder(), "bmp/" + dishName + ".bmp");
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

void TKondateButton::showMenu(const QPoint& pos) {
  QMenu menu(this);
  QAction* edit = menu.addAction(toQ(sj("編集して追加する(&V)...")));
  QAction* direct = menu.addAction(toQ(sj("そのまま追加する(&A)")));
  QAction* chosen = menu.exec(mapToGlobal(pos));
  if (chosen == edit) requestAdd(false);
  if (chosen == direct) requestAdd(true);
}

}  // namespace nv
