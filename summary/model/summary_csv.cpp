#include "summary/model/summary_csv.h"

#include <string_view>
#include <vector>

#include "platform/paths.h"
#include "platform/text.h"
#include "summary/model/summary_text.h"

namespace nv {
namespace {

// A field quoted when it holds a comma, a quote or a line break; quotes doubled. A name that
// a spreadsheet would run as a formula ("=...", "+...", "@...") is kept as text.
std::string field(const std::string& cp932) {
  std::string utf8 = cp932ToUtf8(cp932);
  const bool negativeNumber = utf8.size() > 1 && utf8[0] == '-' && utf8[1] >= '0' && utf8[1] <= '9';
  if (!utf8.empty() && std::string_view("=+-@\t\r").find(utf8[0]) != std::string_view::npos &&
      !negativeNumber)
    utf8.insert(0, 1, '\'');
  if (utf8.find_first_of(",\"\r\n") == std::string::npos) return utf8;
  std::string q = "\"";
  for (char c : utf8) {
    if (c == '"') q += '"';
    q += c;
  }
  return q + '"';
}

void line(std::string& out, const std::vector<std::string>& cells) {
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i) out += ',';
    out += field(cells[i]);
  }
  out += "\r\n";
}

}  // namespace

std::string classSummaryCsv(const ClassSummary& s) {
  std::string out = "\xEF\xBB\xBF";
  std::vector<std::string> cells(childColumnTitles().begin(), childColumnTitles().end());
  for (const std::string& t : summaryColumnTitles()) cells.push_back(t + "(%)");
  line(out, cells);
  for (int r = 0; r < kClassRowCount; ++r) {
    cells.assign({classRowTitle(ClassRow(r)), "", "", "", "", "", "", ""});
    for (const ColumnStats& st : s.stats) cells.push_back(classRowCell(st, ClassRow(r)));
    line(out, cells);
  }
  for (const ChildResult& c : s.children) {
    const auto fixed = childFixedCells(c);
    cells.assign(fixed.begin(), fixed.end());
    for (int col = 0; col < kSummaryColumns; ++col) cells.push_back(percentCell(c, s.meal, col));
    line(out, cells);
  }
  return out;
}

}  // namespace nv
