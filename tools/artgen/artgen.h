#pragma once
// The pictures artgen draws and the run that writes them.
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

#include "dish_info.h"

namespace art {

struct Options {
  QString out;
  QStringList menuLists, bentoLists, howtoLists, dishCsvs, bentoCsvs;
  QString writeLists;    // folder for menu-dishes.txt / bento-dishes.txt (what was drawn)
  QString contactSheet;  // PNG with every picture, for looking at them
  QString pngCopies;     // folder for full-size PNG copies of the fixed pictures
  QString icons;         // folder for the program's theme icons (hicolor/...); alone: only them
};

bool parseOptions(const QStringList& args, Options& options, QString& error);
bool run(const Options& options);

// Sizes the program expects.
constexpr int kMenuDishSize = 112;  // 128-pixel button less its caption
constexpr int kBentoDishSize = 128;
constexpr int kBentoSmallSize = 64;

// Kitchen (1024 x 768 design space) and the pictures drawn over it.
QImage paintKitchen();
QImage paintExitSign();
QImage paintLunchBox();
QImage paintLunchBoxFront();
QImage paintCoaster();

enum class Appliance { Refrigerator, Freezer, RiceCooker, Cupboard, Pot, FryingPan, Oven };
QImage paintAppliance(Appliance which);

// Rice-ball character: mood 0 (best) to 3 (worst), 10 = the box is full; frame 0 or 1.
QImage paintRiceBall(int mood, int frame);

QImage paintRecipeBook();
QImage paintRecipePage();
QImage paintCuttingMethod(const QString& method);
QStringList cuttingMethods();
QImage paintPagingArrow(bool forward);
QImage paintRecipeMark();
// Explanation topics: 1 to 3 = point1..point3, 0 = kiso (the six food groups).
QImage paintTopic(int topic);
QImage paintHowTo(const DishInfo& dish);

QImage paintAbout();
QImage paintStartMenu();
QImage paintStartBento();

// The tool bar's fallback pictures, named as the desktop's icon themes name them (or "nv-..."
// where themes have no such picture), written as PNG with transparency.
constexpr int kToolIconSize = 48;
QStringList toolIconNames();
QImage paintToolIcon(const QString& name, int size);

// Every theme size of the program's icon (hicolor/NxN/apps/name.png and
// hicolor/scalable/apps/name.svg) under folder.
bool writeAppIcons(const QString& folder, const QString& name);

}  // namespace art
