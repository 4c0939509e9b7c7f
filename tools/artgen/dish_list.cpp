#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include "dish_info.h"
#include "platform/text.h"

namespace art {

namespace {

QString fromCp932(const QByteArray& bytes) {
  const std::string utf8 = nv::cp932ToUtf8(std::string_view(bytes.constData(), bytes.size()));
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Lines of a file without their line ends.
bool readLines(const QString& path, QList<QByteArray>& lines, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = u"cannot open "_s + path;
    return false;
  }
  const QByteArray all = file.readAll();
  lines = all.split('\n');
  for (QByteArray& line : lines) {
    if (line.endsWith('\r')) line.chop(1);
  }
  return true;
}

// Index of the dish of that name, appending a new one when it is not there yet.
DishInfo& dishNamed(QVector<DishInfo>& out, QHash<QString, int>& index, const QString& name,
                    const QString& category) {
  auto it = index.find(name);
  if (it != index.end()) return out[*it];
  index.insert(name, out.size());
  DishInfo d;
  d.name = name;
  d.category = category;
  out.push_back(d);
  return out.back();
}

QString trimmedLead(QString s) {
  int i = 0;
  while (i < s.size() && (s[i].isSpace() || s[i] == QChar(0x3000))) ++i;
  return s.mid(i);
}

}  // namespace

bool usableFileName(const QString& name) {
  return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && name != u"."_s &&
         name != u".."_s && !name.contains(QChar(0));
}

bool readNameList(const QString& path, QVector<DishInfo>& out, QString& error) {
  QList<QByteArray> lines;
  if (!readLines(path, lines, error)) return false;
  QHash<QString, int> index;
  for (const QByteArray& raw : lines) {
    const QStringList fields = QString::fromUtf8(raw).split(u'\t');
    const QString name = fields.value(0).trimmed();
    if (name.isEmpty() || name.startsWith(u'#')) continue;
    DishInfo& d = dishNamed(out, index, name, fields.value(1).trimmed());
    for (int i = 2; i < fields.size(); ++i) {
      const QString food = fields[i].trimmed();
      if (!food.isEmpty() && !d.foods.contains(food)) d.foods << food;
    }
  }
  return true;
}

bool readDishCsv(const QString& path, QVector<DishInfo>& out, QString& error) {
  QList<QByteArray> lines;
  if (!readLines(path, lines, error)) return false;
  QHash<QString, int> index;
  for (int i = 1; i < lines.size(); ++i) {
    const QStringList f = fromCp932(lines[i]).split(u',');
    if (f.size() < 4) continue;
    const QString category = f[0].trimmed(), name = f[1].trimmed(), food = f[2].trimmed();
    if (category.isEmpty() || name.isEmpty() || food.isEmpty()) continue;
    DishInfo& d = dishNamed(out, index, name, category);
    if (!d.foods.contains(food)) d.foods << food;
  }
  return true;
}

bool readBentoCsv(const QString& path, QVector<DishInfo>& out, QString& error) {
  QList<QByteArray> lines;
  if (!readLines(path, lines, error)) return false;
  QHash<QString, int> index;
  DishInfo* current = nullptr;
  for (int i = 1; i < lines.size(); ++i) {
    const QString line = trimmedLead(fromCp932(lines[i]));
    if (line.isEmpty()) continue;
    if (line.startsWith(u',')) {
      const QStringList f = line.split(u',');
      if (current && f.size() >= 3) {
        current->ingredients << f[1];
        current->quantities << f[2];
      }
      continue;
    }
    if (line[0].isDigit()) {
      const int comma = line.indexOf(u',');
      if (current && comma >= 0) current->steps << line.mid(comma + 1);
      continue;
    }
    const QStringList f = line.split(u',');
    if (f.size() < 8) continue;
    const QString name = f[1].trimmed();
    if (name.isEmpty()) continue;
    current = &dishNamed(out, index, name, f[0].trimmed());
    const QString food = f[2].trimmed();
    if (!food.isEmpty() && !current->foods.contains(food)) current->foods << food;
    if (current->placement.isEmpty()) current->placement = f[6].trimmed();
  }
  return true;
}

bool writeNameList(const QString& path, const QVector<DishInfo>& dishes, QString& error) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = u"cannot write "_s + path;
    return false;
  }
  for (const DishInfo& d : dishes) {
    QStringList fields{d.name, d.category};
    fields += d.foods;
    file.write(fields.join(u'\t').toUtf8() + '\n');
  }
  if (!file.commit()) {
    error = u"cannot write "_s + path;
    return false;
  }
  return true;
}

}  // namespace art
