#include "platform/qt/ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace nv {

bool useJapaneseUi(const QString& folder) {
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  QLocale::setDefault(japanese);
  const QString from =
      folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
  // Owned by the application, which outlives every window that asks it.
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"), from) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  return true;
}

}  // namespace nv
