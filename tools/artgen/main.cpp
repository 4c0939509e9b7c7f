// artgen: draws every picture of the distribution into a folder.
//   artgen --out DIR [--menu-dishes LIST] [--bento-dishes LIST] [--howto-dishes LIST]
//          [--dish-csv CSV] [--bento-csv CSV] [--write-lists DIR] [--contact-sheet PNG]
//          [--png-copies DIR] [--icons DIR]
// LIST files are UTF-8, one dish a line ("name" or "name<TAB>category<TAB>food..."); the CSV
// files are the CP932 sources of the data files, from which names, categories and foods come.
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

#include "artgen.h"

int main(int argc, char** argv) {
  // Pictures are drawn without a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  art::Options options;
  QString error;
  if (!art::parseOptions(app.arguments(), options, error)) {
    std::fprintf(stderr, "artgen: %s\n", error.toUtf8().constData());
    std::fprintf(stderr,
                 "usage: artgen --out DIR [--menu-dishes LIST] [--bento-dishes LIST] "
                 "[--howto-dishes LIST] [--dish-csv CSV] [--bento-csv CSV] [--write-lists DIR] "
                 "[--contact-sheet PNG] [--png-copies DIR] [--icons DIR]\n");
    return 2;
  }
  return art::run(options) ? 0 : 1;
}
