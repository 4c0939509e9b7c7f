#pragma once
// The small widgets the panels of the dish add-and-edit window share.
#include <QString>

#include "core/rows.h"

class QLabel;
class QTreeWidget;
class QWidget;

namespace nv::addkondateui {

// A raised caption above a panel's list.
QLabel* panelTitle(const QString& text, QWidget* parent);
// A flat list with one selected row.
QTreeWidget* listView(QWidget* parent);
void fillList(QTreeWidget* view, const TextRows& rows);

}  // namespace nv::addkondateui
