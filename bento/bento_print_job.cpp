#include "bento/bento_print_job.h"

#include <QApplication>
#include <QPrinter>

#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {

PrintOutcome printPagesOn(QPrinter& printer, const std::vector<BentoPageData>& pages,
                          const std::string& title, const BentoPageStatus& status) {
  if (!printerHasDestination(printer)) return PrintOutcome::Failed;
  printer.setDocName(toQ(title));
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool ok = printBentoPages(printer, pages, status);
  QApplication::restoreOverrideCursor();
  return ok ? PrintOutcome::Printed : PrintOutcome::Failed;
}

void reportPrintFailure() { ask(u"印刷できませんでした。"_s, u"確認"_s, Icon::Stop, Buttons::Ok); }

void renewStuckPrinter(std::unique_ptr<QPrinter>& printer) {
  if (!printer || printer->printerState() != QPrinter::Active) return;
  auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
  fresh->setOutputFormat(printer->outputFormat());
  if (printer->outputFormat() == QPrinter::NativeFormat)
    fresh->setPrinterName(printer->printerName());
  else
    fresh->setOutputFileName(printer->outputFileName());
  fresh->setPageLayout(printer->pageLayout());
  fresh->setCopyCount(printer->copyCount());
  fresh->setCollateCopies(printer->collateCopies());
  fresh->setColorMode(printer->colorMode());
  fresh->setDuplex(printer->duplex());
  fresh->setDocName(printer->docName());
  printer = std::move(fresh);
}

}  // namespace nv
