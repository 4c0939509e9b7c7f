#include "teacher/details_form_widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

#include "core/gun_name.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/user_folders.h"
#include "teacher/details_form.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace detailsui {

QPushButton* chooseButton(QWidget* parent) {
  auto* b = new QPushButton(u"選択"_s, parent);
  b->setAutoDefault(false);
  return b;
}

QTreeWidget* listView(QWidget* parent, const QStringList& h) {
  auto* v = new QTreeWidget(parent);
  v->setRootIsDecorated(false);
  v->setUniformRowHeights(true);
  v->setColumnCount(int(h.size()));
  v->setHeaderLabels(h);
  return v;
}

QSpinBox* spin(QWidget* parent, int low, int high, int step, int value) {
  auto* s = new QSpinBox(parent);
  s->setRange(low, high);
  s->setSingleStep(step);
  s->setValue(value);
  return s;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy) {
  auto* l = new QLabel(text, buddy->parentWidget());
  l->setBuddy(buddy);
  return l;
}

QHBoxLayout* editWithButton(QLineEdit* edit, QPushButton* button) {
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  row->addWidget(edit, 1);
  row->addWidget(button);
  return row;
}

void fillList(QTreeWidget* view, const TextRows& rows) {
  view->clear();
  QList<QTreeWidgetItem*> items;
  for (const TextRow& r : rows) {
    QStringList cells;
    for (const std::string& c : r) cells << toQ(c);
    items << new QTreeWidgetItem(cells);
  }
  view->addTopLevelItems(items);
}

std::string startFolder(const std::string& current) {
  const std::string folder = folderOf(current);
  return folder.empty() ? programFolder() : folder;
}

std::string withSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace detailsui

// A colour button: its face is the colour, its caption readable on it.
void paintColorButton(QPushButton* button, int32_t color) {
  const Rgb c = rgbOfWinColor(color);
  const int lightness = (c.r * 299 + c.g * 587 + c.b * 114) / 1000;
  button->setStyleSheet(
      QStringLiteral("QPushButton { background-color: rgb(%1,%2,%3); color: %4; }")
          .arg(c.r)
          .arg(c.g)
          .arg(c.b)
          .arg(lightness < 110 ? QStringLiteral("white") : QStringLiteral("black")));
}

}  // namespace nv
