#include "teacher/add_kondate_widgets.h"

#include <QLabel>
#include <QTreeWidget>

#include "platform/qt/qtext.h"

namespace nv::addkondateui {

QLabel* panelTitle(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setAlignment(Qt::AlignCenter);
  l->setFrameShape(QFrame::Panel);
  l->setFrameShadow(QFrame::Raised);
  return l;
}

QTreeWidget* listView(QWidget* parent) {
  auto* v = new QTreeWidget(parent);
  v->setRootIsDecorated(false);
  v->setUniformRowHeights(true);
  v->setSelectionMode(QAbstractItemView::SingleSelection);
  v->setAllColumnsShowFocus(true);
  return v;
}

void fillList(QTreeWidget* view, const TextRows& rows) {
  view->clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(qsizetype(rows.size()));
  for (const TextRow& r : rows) {
    QStringList cells;
    for (const std::string& c : r) cells << toQ(c);
    items << new QTreeWidgetItem(cells);
  }
  view->addTopLevelItems(items);
}

}  // namespace nv::addkondateui
