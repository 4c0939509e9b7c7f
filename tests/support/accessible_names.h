#pragma once
// What a screen reader says for the controls of a window: every interactive widget of the
// tree must have a name, and a Japanese one (the program's texts are Japanese; "OK" stays
// "OK"). Header-only, so the Qt-free support library stays free of Qt.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>
#include <QTabBar>
#include <QTextEdit>
#include <QWidget>

namespace nvtest {

// The name assistive technology reads for a widget (the explicit accessible name, else what
// Qt derives: a button's text, a label's buddy, ...).
inline QString spokenName(QWidget* w) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
  return a ? a->text(QAccessible::Name).trimmed() : QString();
}

inline bool isInteractive(QWidget* w) {
  if (qobject_cast<QScrollBar*>(w)) return false;  // the scroll area's own, named by Qt
  return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
         qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
         qobject_cast<QAbstractSlider*>(w) || qobject_cast<QTabBar*>(w) ||
         qobject_cast<QAbstractItemView*>(w) || qobject_cast<QTextEdit*>(w) ||
         qobject_cast<QPlainTextEdit*>(w);
}

// Parts Qt makes inside its own widgets (a tab bar's scroll arrows, a combo box's list, a
// spin box's line edit, a view's headers and cell editors, a dock's title buttons, a line
// edit's clear button): Qt names them itself.
inline bool isQtInternal(QWidget* w) {
  for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
    if (qobject_cast<QTabBar*>(p) || qobject_cast<QComboBox*>(p) ||
        qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QAbstractItemView*>(p))
      return true;
  const QString cls = QString::fromLatin1(w->metaObject()->className());
  return cls == QStringLiteral("QDockWidgetTitleButton") ||
         cls == QStringLiteral("QLineEditIconButton") ||
         w->objectName().startsWith(QStringLiteral("qt_"));
}

inline bool isJapanese(const QString& s) {
  for (QChar c : s)
    if (c.unicode() >= 0x3000) return true;
  return s == QStringLiteral("OK");
}

// "class objectName: name" of every interactive control of `root` (itself included) that
// has no Japanese name; empty when all have one.
inline QStringList controlsWithoutJapaneseNames(QWidget* root) {
  QStringList missing;
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* w : widgets) {
    if (!isInteractive(w) || isQtInternal(w)) continue;
    const QString name = spokenName(w);
    if (!isJapanese(name))
      missing << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName() +
                     QStringLiteral(": \"") + name + u'"';
  }
  return missing;
}

}  // namespace nvtest
