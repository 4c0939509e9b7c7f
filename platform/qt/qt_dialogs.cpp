#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/qt/qtext.h"

namespace nv {
namespace {

// Colours cross the Dialogs seam as Windows colour values: red in the low byte, blue in the
// third.
QColor qColorOfWin(int32_t color) {
  const auto c = uint32_t(color);
  return QColor(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF));
}

int32_t winColorOf(const QColor& c) {
  return int32_t(uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16);
}

QString patternsOf(const QString& classic) {
  QStringList parts = classic.split(QLatin1Char(';'), Qt::SkipEmptyParts);
  for (QString& p : parts) p = p.trimmed();
  parts.removeAll(QString());
  return parts.join(QLatin1Char(' '));
}

}  // namespace

QStringList qtNameFilters(const std::string& filter) {
  // Split after decoding: '|' is the second byte of some characters (ポ is 83 7C).
  const QStringList parts = toQ(filter).split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    const QString patterns = patternsOf(parts[i + 1]);
    if (patterns.isEmpty()) continue;
    qsizetype open = description.lastIndexOf(QLatin1Char('('));
    if (description.endsWith(QLatin1Char(')')) && open >= 0 &&
        patternsOf(description.mid(open + 1, description.size() - open - 2)) == patterns)
      description = description.left(open).trimmed();
    out.append(description.isEmpty() ? QStringLiteral("(%1)").arg(patterns)
                                     : QStringLiteral("%1 (%2)").arg(description, patterns));
  }
  return out;
}

void prepareFileDialog(QFileDialog& dialog, const FileRequest& request) {
  if (!request.title.empty()) dialog.setWindowTitle(toQ(request.title));
  const QStringList filters = qtNameFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
      dialog.selectNameFilter(filters[request.filterIndex - 1]);
  }
  std::string ext = request.defaultExt;
  if (!ext.empty() && ext.front() == '.') ext.erase(0, 1);
  if (!ext.empty()) dialog.setDefaultSuffix(toQ(ext));
  if (!request.initialDir.empty()) dialog.setDirectory(toQ(request.initialDir));
  if (!request.fileName.empty()) dialog.selectFile(toQ(request.fileName));
}

QtDialogs::QtDialogs(QPrinter* printer)
    : ownPrinter_(printer ? nullptr : std::make_unique<QPrinter>()),
      printer_(printer ? printer : ownPrinter_.get()) {}

QtDialogs::~QtDialogs() = default;

bool QtDialogs::openFiles(const FileRequest& request, std::vector<std::string>& paths) {
  QFileDialog dialog(QApplication::activeWindow());
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(request.allowMultiple ? QFileDialog::ExistingFiles
                     : request.mustExist   ? QFileDialog::ExistingFile
                                           : QFileDialog::AnyFile);
  prepareFileDialog(dialog, request);
  if (dialog.exec() != QDialog::Accepted) return false;
  paths.clear();
  for (const QString& f : dialog.selectedFiles()) paths.push_back(pathFromQ(f));
  return !paths.empty();
}

bool QtDialogs::saveFile(const FileRequest& request, std::string& path) {
  QFileDialog dialog(QApplication::activeWindow());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  prepareFileDialog(dialog, request);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  path = pathFromQ(dialog.selectedFiles().front());
  return true;
}

bool QtDialogs::chooseColor(int32_t initial, int32_t& chosen) {
  QColorDialog dialog(qColorOfWin(initial), QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return false;
  const QColor c = dialog.selectedColor();
  if (!c.isValid()) return false;
  chosen = winColorOf(c);
  return true;
}

bool QtDialogs::printerSetup(PageOrientation orientation) {
  if (orientation == PageOrientation::Landscape)
    printer_->setPageOrientation(QPageLayout::Landscape);
  else if (orientation == PageOrientation::Portrait)
    printer_->setPageOrientation(QPageLayout::Portrait);
  QPrintDialog dialog(printer_, QApplication::activeWindow());
  // Set-up only: what to print is decided by the caller.
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace nv
