#pragma once
// The class summary as a CSV file for spreadsheets: UTF-8 with a byte-order mark (without it
// spreadsheets take the file for the local code page), one header line, the class rows, then
// one row per child.
#include <string>

namespace nv {

struct ClassSummary;

std::string classSummaryCsv(const ClassSummary& summary);

}  // namespace nv
