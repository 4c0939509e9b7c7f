#pragma once
// The small widgets the settings dialog's tabs share: choose buttons, captioned edits, lists.
#include <QString>
#include <QStringList>
#include <string>

#include "core/rows.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QWidget;

namespace nv::detailsui {

QPushButton* chooseButton(QWidget* parent);
QTreeWidget* listView(QWidget* parent, const QStringList& headings);
QSpinBox* spin(QWidget* parent, int low, int high, int step, int value);
// A caption for `buddy`: Alt + its mnemonic reaches the control, and a screen reader says it as
// the control's name.
QLabel* buddyLabel(const QString& text, QWidget* buddy);
// An edit that grows up to its choose button.
QHBoxLayout* editWithButton(QLineEdit* edit, QPushButton* button);
void fillList(QTreeWidget* view, const TextRows& rows);
// The folder a chooser starts in: that of the current value, else the program's.
std::string startFolder(const std::string& current);
std::string withSlash(std::string folder);

}  // namespace nv::detailsui
