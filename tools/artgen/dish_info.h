#pragma once
// A dish whose picture artgen draws, as read from a name list or a CSV source.
#include <QString>
#include <QStringList>
#include <QVector>

namespace art {

using namespace Qt::StringLiterals;

struct DishInfo {
  QString name;       // file name base; never contains a folder separator
  QString category;   // may be empty
  QStringList foods;  // names of its main foods, in order
  QString placement;  // lunch-box dishes: where it belongs ("弁当箱" = inside the box)
  QStringList ingredients, quantities, steps;  // lunch-box recipe, when the source has one
};

// "name" or "name<TAB>category<TAB>food<TAB>food..." per line, UTF-8.
bool readNameList(const QString& path, QVector<DishInfo>& out, QString& error);
// The menu planner's dish CSV (CP932: category,dish,food,grams; one header line).
bool readDishCsv(const QString& path, QVector<DishInfo>& out, QString& error);
// The lunch-box dish CSV (CP932; dish, ingredient and step lines; one header line).
bool readBentoCsv(const QString& path, QVector<DishInfo>& out, QString& error);
// Writes the names back as a UTF-8 list in the readNameList form.
bool writeNameList(const QString& path, const QVector<DishInfo>& dishes, QString& error);
// True when a name can be a file name in the picture folder.
bool usableFileName(const QString& name);

}  // namespace art
