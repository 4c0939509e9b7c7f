// The run: read the dish lists, draw every picture, write the distribution's picture folders.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <cstdio>

#include "art.h"
#include "artgen.h"
#include "dish_paint.h"
#include "dish_rules.h"

namespace art {

namespace {

struct Written {
  QString path;
  QImage image;
};

class Writer {
 public:
  explicit Writer(QString out) : out_(std::move(out)) {}
  bool bmp(const QString& rel, const QImage& image) {
    return record(rel, image, saveBmp(image, out_ + u'/' + rel));
  }
  bool png(const QString& rel, const QImage& image) {
    QDir().mkpath(QFileInfo(out_ + u'/' + rel).absolutePath());
    return record(rel, image, image.save(out_ + u'/' + rel, "PNG"));
  }
  bool jpeg(const QString& rel, const QImage& image) {
    return record(rel, image, saveJpeg(image, out_ + u'/' + rel));
  }
  const QVector<Written>& written() const { return written_; }
  bool ok() const { return ok_; }

 private:
  bool record(const QString& rel, const QImage& image, bool saved) {
    if (!saved) {
      std::fprintf(stderr, "artgen: cannot write %s\n", rel.toUtf8().constData());
      ok_ = false;
    }
    written_.push_back({rel, image});
    return saved;
  }
  QString out_;
  QVector<Written> written_;
  bool ok_ = true;
};

bool readAll(const QStringList& lists, const QStringList& csvs, bool bento,
             QVector<DishInfo>& out) {
  QString error;
  for (const QString& path : lists)
    if (!readNameList(path, out, error)) {
      std::fprintf(stderr, "artgen: %s\n", error.toUtf8().constData());
      return false;
    }
  for (const QString& path : csvs) {
    const bool ok = bento ? readBentoCsv(path, out, error) : readDishCsv(path, out, error);
    if (!ok) {
      std::fprintf(stderr, "artgen: %s\n", error.toUtf8().constData());
      return false;
    }
  }
  // One picture per name: the first entry wins, later ones only add foods.
  QVector<DishInfo> unique;
  for (const DishInfo& d : out) {
    if (!usableFileName(d.name)) {
      std::fprintf(stderr, "artgen: skipping unusable file name \"%s\"\n",
                   d.name.toUtf8().constData());
      continue;
    }
    auto it = std::find_if(unique.begin(), unique.end(),
                           [&](const DishInfo& u) { return u.name == d.name; });
    if (it == unique.end()) {
      unique.push_back(d);
    } else {
      for (const QString& f : d.foods)
        if (!it->foods.contains(f)) it->foods << f;
      if (it->steps.isEmpty()) {
        it->ingredients = d.ingredients;
        it->quantities = d.quantities;
        it->steps = d.steps;
      }
    }
  }
  out = unique;
  return true;
}

QImage contactSheet(const QVector<Written>& items);

// Pages of 8 x 6 pictures: NAME.png, then NAME-2.png, NAME-3.png ...
bool writeContactSheets(const QVector<Written>& all, const QString& path) {
  const int perPage = 48;
  QString base = path;
  if (base.endsWith(u".png"_s)) base.chop(4);
  for (int first = 0, page = 1; first < all.size(); first += perPage, ++page) {
    const QString name = page == 1 ? base + u".png"_s : base + u"-%1.png"_s.arg(page);
    if (!contactSheet(all.mid(first, perPage)).save(name, "PNG")) return false;
  }
  return true;
}

QImage contactSheet(const QVector<Written>& items) {
  const int cell = 150, cols = 8;
  const int rows = (items.size() + cols - 1) / cols;
  QImage sheet(cols * cell, qMax(1, rows) * cell, QImage::Format_RGB32);
  sheet.fill(QColor(200, 200, 200));
  QPainter p(&sheet);
  prepare(p);
  p.setFont(jpFont(10));
  for (int i = 0; i < items.size(); ++i) {
    const QRect r((i % cols) * cell, (i / cols) * cell, cell, cell);
    const QImage img =
        items[i].image.scaled(cell - 8, cell - 22, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage(r.x() + (cell - img.width()) / 2, r.y() + 4 + (cell - 22 - img.height()) / 2, img);
    p.setPen(Qt::black);
    const QString label = items[i].path.section(u'/', -1);
    p.drawText(QRect(r.x() + 2, r.bottom() - 18, cell - 4, 18), Qt::AlignCenter,
               p.fontMetrics().elidedText(label, Qt::ElideMiddle, cell - 4));
  }
  return sheet;
}

}  // namespace

bool parseOptions(const QStringList& args, Options& o, QString& error) {
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    auto value = [&](QString& target) {
      if (i + 1 >= args.size()) {
        error = a + u" needs a value"_s;
        return false;
      }
      target = args[++i];
      return true;
    };
    QString v;
    if (a == u"--out"_s) {
      if (!value(o.out)) return false;
    } else if (a == u"--write-lists"_s) {
      if (!value(o.writeLists)) return false;
    } else if (a == u"--contact-sheet"_s) {
      if (!value(o.contactSheet)) return false;
    } else if (a == u"--png-copies"_s) {
      if (!value(o.pngCopies)) return false;
    } else if (a == u"--icons"_s) {
      if (!value(o.icons)) return false;
    } else if (a == u"--menu-dishes"_s || a == u"--bento-dishes"_s || a == u"--howto-dishes"_s ||
               a == u"--dish-csv"_s || a == u"--bento-csv"_s) {
      if (!value(v)) return false;
      QStringList& list = a == u"--menu-dishes"_s    ? o.menuLists
                          : a == u"--bento-dishes"_s ? o.bentoLists
                          : a == u"--howto-dishes"_s ? o.howtoLists
                          : a == u"--dish-csv"_s     ? o.dishCsvs
                                                     : o.bentoCsvs;
      list << v;
    } else {
      error = u"unknown argument "_s + a;
      return false;
    }
  }
  if (o.out.isEmpty() && o.icons.isEmpty()) {
    error = u"--out or --icons is required"_s;
    return false;
  }
  return true;
}

bool run(const Options& o) {
  if (!o.icons.isEmpty() && !writeAppIcons(o.icons, u"nuvelta"_s)) {
    std::fprintf(stderr, "artgen: cannot write the icons into %s\n", o.icons.toUtf8().constData());
    return false;
  }
  if (o.out.isEmpty()) return true;
  QString rulesError;
  if (!loadDishRules(rulesError)) {
    std::fprintf(stderr, "artgen: %s\n", rulesError.toUtf8().constData());
    return false;
  }
  QElapsedTimer timer;
  timer.start();
  QVector<DishInfo> menu, bento, howto;
  if (!readAll(o.menuLists, o.dishCsvs, false, menu) ||
      !readAll(o.bentoLists, o.bentoCsvs, true, bento) || !readAll(o.howtoLists, {}, true, howto))
    return false;
  if (!o.writeLists.isEmpty()) {
    QString error;
    if (!writeNameList(o.writeLists + u"/menu-dishes.txt"_s, menu, error) ||
        !writeNameList(o.writeLists + u"/bento-dishes.txt"_s, bento, error)) {
      std::fprintf(stderr, "artgen: %s\n", error.toUtf8().constData());
      return false;
    }
  }

  Writer w(o.out);
  const QString kitchen = u"bentou/daidokoro/"_s;
  w.bmp(kitchen + u"台所.bmp"_s, paintKitchen());
  w.bmp(kitchen + u"出口.bmp"_s, paintExitSign());
  w.bmp(kitchen + u"弁当箱.bmp"_s, paintLunchBox());
  w.bmp(kitchen + u"弁当箱手前.bmp"_s, paintLunchBoxFront());
  w.bmp(kitchen + u"コースター.bmp"_s, paintCoaster());
  const struct {
    Appliance which;
    const char16_t* file;
  } appliances[] = {{Appliance::Refrigerator, u"冷蔵庫２.bmp"},
                    {Appliance::Freezer, u"冷蔵庫１.bmp"},
                    {Appliance::RiceCooker, u"おかま.bmp"},
                    {Appliance::Cupboard, u"とだな.bmp"},
                    {Appliance::Pot, u"なべ.bmp"},
                    {Appliance::FryingPan, u"フライパン.bmp"},
                    {Appliance::Oven, u"オーブン.bmp"}};
  for (const auto& a : appliances)
    w.bmp(kitchen + QString::fromUtf16(a.file), paintAppliance(a.which));
  for (int mood = 0; mood < 4; ++mood)
    for (int frame = 0; frame < 2; ++frame)
      w.bmp(kitchen + u"おにぎり%1%2.bmp"_s.arg(mood + 1, 2, 10, QChar(u'0'))
                          .arg(frame + 1, 2, 10, QChar(u'0')),
            paintRiceBall(mood, frame));
  for (int frame = 0; frame < 2; ++frame)
    w.bmp(kitchen + u"おなかがいっぱい%1.bmp"_s.arg(frame + 1, 2, 10, QChar(u'0')),
          paintRiceBall(10, frame));
  w.bmp(kitchen + u"レシピ本.bmp"_s, paintRecipeBook());
  w.bmp(kitchen + u"レシピ2.bmp"_s, paintRecipePage());
  // The appliance view's paging buttons and the how-to mark of its cells.
  w.bmp(kitchen + u"MODORU.bmp"_s, paintPagingArrow(false));
  w.bmp(kitchen + u"SUSUMU.bmp"_s, paintPagingArrow(true));
  w.bmp(kitchen + u"TUKURIKATA.bmp"_s, paintRecipeMark());

  const QString setumei = u"bentou/setumei/"_s;
  w.bmp(setumei + u"kiso.bmp"_s, paintTopic(0));
  for (int t = 1; t <= 3; ++t) w.bmp(setumei + u"point%1.bmp"_s.arg(t), paintTopic(t));
  for (const QString& m : cuttingMethods()) w.bmp(setumei + m + u".bmp"_s, paintCuttingMethod(m));

  w.bmp(u"bmp/about.bmp"_s, paintAbout());
  w.bmp(u"BMP/nv.bmp"_s, paintStartMenu());
  w.bmp(u"BMP/bentou.bmp"_s, paintStartBento());
  for (const QString& name : toolIconNames())
    w.png(u"BMP/tool/"_s + name + u".png"_s, paintToolIcon(name, kToolIconSize));

  for (const DishInfo& d : menu)
    w.bmp(u"bmp/"_s + d.name + u".bmp"_s, paintDish(d, false, kMenuDishSize));
  for (const DishInfo& d : bento) {
    w.bmp(u"bentou/"_s + d.name + u".bmp"_s, paintDish(d, true, kBentoDishSize));
    w.bmp(u"bentou/"_s + d.name + u"s.bmp"_s, paintDish(d, true, kBentoSmallSize));
  }
  for (DishInfo d : howto) {
    // The how-to picture takes its recipe from the lunch-box source when the list has none.
    for (const DishInfo& b : bento)
      if (b.name == d.name) {
        if (d.category.isEmpty()) d.category = b.category;
        if (d.foods.isEmpty()) d.foods = b.foods;
        if (d.steps.isEmpty()) {
          d.ingredients = b.ingredients;
          d.quantities = b.quantities;
          d.steps = b.steps;
        }
      }
    w.jpeg(setumei + d.name + u".jpg"_s, paintHowTo(d));
  }

  if (!o.pngCopies.isEmpty()) {
    // Full-size PNG copies of the fixed pictures, for looking at them one by one.
    QDir().mkpath(o.pngCopies);
    for (const Written& item : w.written())
      if (item.path.count(u'/') > 1 || item.path.startsWith(u"BMP/"_s) ||
          item.path == u"bmp/about.bmp"_s)
        item.image.save(
            o.pngCopies + u'/' + item.path.section(u'/', -1).section(u'.', 0, 0) + u".png"_s,
            "PNG");
  }
  if (!o.contactSheet.isEmpty() && !writeContactSheets(w.written(), o.contactSheet)) {
    std::fprintf(stderr, "artgen: cannot write %s\n", o.contactSheet.toUtf8().constData());
    return false;
  }
  std::printf("artgen: %lld pictures (%lld menu dishes, %lld lunch-box dishes) in %lld ms\n",
              static_cast<long long>(w.written().size()), static_cast<long long>(menu.size()),
              static_cast<long long>(bento.size()), static_cast<long long>(timer.elapsed()));
  return w.ok();
}

}  // namespace art
