#pragma once
// One print job of lunch-box pages on a QPrinter, and what came of it. A QPrinter whose job
// failed to start stays "active" for good and ignores every later setting (another file, another
// printer), so a job is started only when the printer has somewhere to print to.
#include <memory>
#include <string>
#include <vector>

#include "bento/bento_page.h"
#include "widgets/print_destination.h"

class QPrinter;

namespace nv {

enum class PrintOutcome { Printed, Cancelled, Failed };

// The pages as one job titled `title` (CP932); Failed when the printer has no destination or
// refused a page. The job's painter is ended on every path.
PrintOutcome printPagesOn(QPrinter& printer, const std::vector<BentoPageData>& pages,
                          const std::string& title, const BentoPageStatus& status = {});

// "印刷できませんでした。"
void reportPrintFailure();

// A printer left stuck by a failed start, replaced by a fresh one with the same destination,
// page and copies; any other printer is left alone.
void renewStuckPrinter(std::unique_ptr<QPrinter>& printer);

}  // namespace nv
