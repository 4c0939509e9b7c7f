#include "widgets/print_destination.h"

#include <QFileInfo>
#include <QPrinter>

namespace nv {

bool printerHasDestination(const QPrinter& printer) {
  if (printer.printerState() == QPrinter::Active) return false;
  if (printer.outputFormat() == QPrinter::NativeFormat) return !printer.printerName().isEmpty();
  const QString name = printer.outputFileName();
  if (name.isEmpty()) return false;
  const QFileInfo file(name);
  // The mode counts even for the administrator, as for the program's own saves.
  constexpr QFile::Permissions kWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
  if (file.exists()) return file.isFile() && file.isWritable() && (file.permissions() & kWrite);
  const QFileInfo folder(file.absolutePath());
  return folder.isDir() && folder.isWritable();
}

}  // namespace nv
