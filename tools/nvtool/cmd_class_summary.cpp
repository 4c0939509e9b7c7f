// nvtool class-summary FILE|DIR... --data NV.nv [--nvb NV.nvb] [--meal day|breakfast|lunch|
// dinner] [--csv OUT.csv] [-o OUT.pdf]: a class's saved menus and lunch boxes, one line a
// child, then the class's medians and how many children are under 80 %.
#include <cstdio>
#include <map>

#include "core/converted_file.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "summary/model/class_data.h"
#include "summary/model/class_summary.h"
#include "summary/model/summary_csv.h"
#include "summary/model/summary_files.h"
#include "summary/model/summary_text.h"
#include "tools/nvtool/commands.h"
#include "tools/nvtool/dish_tool.h"
#include "tools/nvtool/summary_tool.h"

namespace nvtool {

ClassSummaryPdfWriter& classSummaryPdfWriter() {
  static ClassSummaryPdfWriter writer;
  return writer;
}

namespace {

std::string percentText(const nv::Percents* p, int column) {
  return p ? std::to_string(nv::wholePercent((*p)[size_t(column)])) : "-";
}

std::string childLine(const nv::ChildResult& c, nv::SummaryMeal meal) {
  std::string line = dishCell(c.path) + '\t' + dishCell(c.name);
  const nv::Percents* p = c.percents(meal);
  if (c.kind == nv::ChildKind::Menu) {
    for (int k = 0; k < nv::kNutrientCount; ++k) line += '\t' + percentText(p, k);
  } else {
    line += '\t' + std::to_string(c.gradeByGroups);
    for (int g = 0; g < 6; ++g) line += '\t' + percentText(p, nv::kNutrientCount + g);
  }
  return line + '\n';
}

int cmdClassSummary(const Args& args) {
  std::vector<std::string> given;
  std::string data, nvb, csv, pdf, mealName = "day";
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--data" || a == "--nvb" || a == "--meal" || a == "--csv" || a == "-o") {
      if (i + 1 == args.size()) return usageError(a + " needs a value");
      const std::string v = nv::pathFromNative(args[++i]);
      (a == "--data"  ? data
       : a == "--nvb" ? nvb
       : a == "--csv" ? csv
       : a == "-o"    ? pdf
                      : mealName) = a == "--meal" ? args[i] : v;
    } else if (!a.empty() && a[0] == '-') {
      return usageError("unknown option " + a);
    } else {
      given.push_back(nv::pathFromNative(a));
    }
  }
  static const std::map<std::string, nv::SummaryMeal> meals = {
      {"day", nv::SummaryMeal::Day},
      {"breakfast", nv::SummaryMeal::Breakfast},
      {"lunch", nv::SummaryMeal::Lunch},
      {"dinner", nv::SummaryMeal::Dinner}};
  if (given.empty()) return usageError("class-summary needs FILE.nvu, FILE.nvub or a folder");
  if (data.empty()) return usageError("--data NV.nv is needed");
  if (!meals.count(mealName)) return usageError("--meal takes day, breakfast, lunch or dinner");
  if (!pdf.empty() && !classSummaryPdfWriter()) return failure("this nvtool cannot write PDF");

  nv::ClassData loaded;
  for (const nv::DataProblem& d : nv::loadClassData(data, nvb, loaded))
    return failure(nv::cp932ToUtf8(d.path) + ": " + nv::cp932ToUtf8(d.reason));
  nv::ClassFiles files = nv::collectClassFiles(given);
  for (const std::string& out : {csv, pdf}) {
    std::vector<std::string> inputs = files.files;
    inputs.insert(inputs.end(), {data, nvb});
    if (!out.empty() && nv::namesAnInput(out, inputs))
      return failure(nv::cp932ToUtf8(out) + " is one of the files read; not replaced");
  }
  // A data file or program of another class named as the CSV would be lost.
  if (!csv.empty() && !nv::textOutputMayReplace(csv))
    return failure(nv::cp932ToUtf8(csv) + " is not a CSV file; not replaced");
  nv::ClassSummary summary = nv::summarizeClass(files.files, loaded.view(), meals.at(mealName));
  summary.unreadable.insert(summary.unreadable.begin(), files.unreadable.begin(),
                            files.unreadable.end());

  std::string out;
  for (const nv::ChildResult& c : summary.children) out += childLine(c, summary.meal);
  std::string medians = "CLASS", under = "UNDER80";
  for (const nv::ColumnStats& s : summary.stats) {
    medians += '\t' + (s.children ? std::to_string(nv::wholePercent(s.median)) : "-");
    under += '\t' + std::to_string(s.bands[0]);
  }
  out += medians + '\n' + under + '\n';
  std::fputs(out.c_str(), stdout);
  for (const nv::ChildResult& c : summary.children)
    if (!c.note.empty())
      std::fprintf(stderr, "nvtool: %s: note: %s\n", nv::cp932ToUtf8(c.path).c_str(),
                   dishCell(c.note).c_str());
  for (const nv::UnreadableFile& u : summary.unreadable)
    std::fprintf(stderr, "nvtool: %s: %s\n", nv::cp932ToUtf8(u.path).c_str(),
                 dishCell(u.reason).c_str());

  if (!csv.empty() && !nv::writeFileAtomic(csv, nv::classSummaryCsv(summary)))
    return failure("cannot write " + nv::cp932ToUtf8(csv));
  if (!pdf.empty() && !classSummaryPdfWriter()(pdf, summary))
    return failure("cannot write " + nv::cp932ToUtf8(pdf));
  return summary.unreadable.empty() ? kOk : kFailed;
}

Registration reg{
    "class-summary",
    "class-summary FILE|DIR... --data NV.nv [--nvb NV.nvb] [--meal day|breakfast|lunch|dinner] "
    "[--csv OUT.csv] [-o OUT.pdf]   a class's saved menus (.nvu) and lunch boxes (.nvub; folders "
    "give theirs): per child FILE, name, then for a menu the ten nutrient percentages of the "
    "child's requirement for the meal (- when the menu has none), for a lunch box the grade by "
    "food groups and the six group percentages of the lunch requirement; then CLASS with the "
    "medians and UNDER80 with the children under 80 %, ten nutrients then six groups; files "
    "that cannot be read on stderr with the reason (exit 1); --csv a UTF-8 table, -o the "
    "printed pages",
    cmdClassSummary};

}  // namespace
}  // namespace nvtool
