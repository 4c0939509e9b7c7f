#include "bento/bento_batch_print.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>

#include "bento/bento_page.h"
#include "bento/bento_print_job.h"
#include "bento/kitchen_scene.h"
#include "bento/lunch_box_document.h"
#include "bento/model/bento_save.h"
#include "core/kojin_data.h"
#include "platform/dialogs.h"
#include "platform/prompt.h"
#include "platform/qt/prompt_texts.h"
#include "platform/qt/qtext.h"
#include "platform/result.h"
#include "platform/text.h"

using namespace Qt::StringLiterals;

namespace nv {
namespace {

// The pages of the batch. A printer makes one job per child, titled with the child's name;
// printing to a file makes one document with a page per child, because every job would
// replace the file and leave only the last child's page.
class BatchPages {
 public:
  explicit BatchPages(QPrinter& printer)
      : printer_(printer),
        toFile_(printer.outputFormat() == QPrinter::PdfFormat &&
                !printer.outputFileName().isEmpty()) {}

  bool add(const BentoPageData& page) {
    if (!toFile_)
      return printPagesOn(printer_, {page}, bentoPrintJobTitle(page.childName)) ==
             PrintOutcome::Printed;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = addToDocument(page);
    QApplication::restoreOverrideCursor();
    return ok;
  }
  bool finish() { return !painter_.isActive() || painter_.end(); }

 private:
  bool addToDocument(const BentoPageData& page) {
    if (!painter_.isActive()) {
      // A start that fails would leave the shared printer refusing every later setting.
      if (!printerHasDestination(printer_)) return false;
      printer_.setDocName(toQ(bentoPrintJobTitle(page.childName)));
      if (!painter_.begin(&printer_)) return false;
    } else if (!printer_.newPage()) {
      return false;
    }
    paintBentoPage(painter_, QSize(printer_.width(), printer_.height()), page);
    return true;
  }

  QPrinter& printer_;
  bool toFile_;
  QPainter painter_;
};

FileRequest batchFileRequest() {
  FileRequest r = fileRequest(u"お弁当データ(*.nvub)|*.nvub|全てのファイル(*.*)|*.*"_s);
  // A name typed without extension means a lunch box, not a menu file.
  r.defaultExt = "nvub";
  r.allowMultiple = true;
  return r;
}

}  // namespace

BatchPrintResult printBentouData(const TKojinData& profile, const TGunName& gunName,
                                 QPrinter& printer, const ProfileDialog& profileDialog,
                                 QWidget* parent, QSize kitchenSize) {
  BatchPrintResult result;
  const QPageLayout::Orientation before = printer.pageLayout().orientation();
  printer.setPageOrientation(QPageLayout::Landscape);
  std::vector<std::string> files;
  if (!dialogs().printerSetup(PageOrientation::Landscape) ||
      !dialogs().openFiles(batchFileRequest(), files)) {
    printer.setPageOrientation(before);
    return result;
  }
  result.started = true;

  TKojinData child = profile;
  LunchBoxDocument box(child, std::string());
  // One kitchen for the class, laid out as the game's window would be on this screen.
  KitchenScene scene;
  scene.layOut(kitchenSize.isEmpty() ? kitchenScreenGeometry().size() : kitchenSize);
  scene.readSettingsAndData();
  const auto place = [&scene](const PlacedDishRecord& r) { return scene.placeStored(r); };
  const auto ask = [&](TKojinData& k) { return profileDialog && profileDialog(k, parent); };
  BatchPages pages(printer);
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string& file = files[i];
    const std::string fileName = childNameOfSaveFile(file);
    box.setDefaultName(fileName);
    box.newBox();
    // An unreadable file is not printed as an empty box of that name.
    if (!showResult(box.load(file, scene.areas.s, place), prompt())) {
      result.failed.push_back(file);
      continue;
    }
    // A box saved without a name keeps the one from its file name.
    if (child.name().empty()) child.setName(fileName);
    if (!box.confirmChild(ask, scene.settings.saveDir)) {
      result.skipped.push_back(file);
      continue;
    }
    // The graph a new kitchen shows: the six food groups.
    if (!pages.add(bentoPageData(box, scene, GraphKind::Groups, gunName))) {
      // The printer refuses: the rest would fail the same way.
      reportPrintFailure();
      result.failed.insert(result.failed.end(), files.begin() + long(i), files.end());
      break;
    }
    result.printed.push_back(file);
  }
  if (!pages.finish()) {
    reportPrintFailure();
    result.failed.insert(result.failed.end(), result.printed.begin(), result.printed.end());
    result.printed.clear();
  }
  printer.setPageOrientation(before);
  return result;
}

}  // namespace nv
