// The class summary's printed pages as a landscape A4 PDF, drawn by the window's painter.
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "platform/qt/qtext.h"
#include "summary/model/class_summary.h"
#include "summary/pages/class_pages.h"
#include "tools/nvtool/pdf/gui_application.h"
#include "tools/nvtool/summary_tool.h"

namespace nvtool {

namespace {

bool writePdf(const std::string& cp932Path, const nv::ClassSummary& summary) {
  auto app = headlessGuiApplication();
  QSaveFile file(nv::toQ(cp932Path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  QPdfWriter writer(&file);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
  writer.setResolution(300);
  writer.setTitle(QString::fromUtf8("クラスのまとめ"));
  writer.setCreator(QStringLiteral("NV"));
  return nv::printClassPages(writer, summary) && file.commit();
}

const bool registered = (classSummaryPdfWriter() = writePdf, true);

}  // namespace

}  // namespace nvtool
