#pragma once
// The class summary's PDF writer: set where nvtool is built with the page painter, so the
// Qt-free build still has the text and CSV outputs.
#include <functional>
#include <string>

namespace nv {
struct ClassSummary;
}

namespace nvtool {

using ClassSummaryPdfWriter =
    std::function<bool(const std::string& cp932Path, const nv::ClassSummary& summary)>;
ClassSummaryPdfWriter& classSummaryPdfWriter();

}  // namespace nvtool
