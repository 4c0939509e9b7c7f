// nvtool recipe NAME --data NV.nvb [-o OUT.pdf]: the cutting methods a dish's steps mention
// and the steps laid out as the printed page lays them out; with -o the page as a PDF.
#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <cstdio>
#include <memory>

#include "bento/model/bento_data.h"
#include "bento/recipe_page.h"
#include "core/food.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/qt/qtext.h"
#include "platform/text.h"
#include "tools/nvtool/cmd_bento_common.h"
#include "tools/nvtool/commands.h"
#include "tools/nvtool/pdf/gui_application.h"

namespace nvtool {
namespace {

// The pictures beside the program, or beside the data file when the program has none.
std::string bentouFolder(const std::string& dataPathUtf8) {
  const std::string own = nv::joinPath(nv::programFolder(), "bentou");
  if (nv::fileExists(own)) return own + "/";
  const std::string besideData = nv::folderOf(nv::utf8ToCp932(dataPathUtf8));
  return nv::joinPath(besideData.empty() ? std::string(".") : besideData, "bentou") + "/";
}

int cmdRecipe(const Args& args) {
  std::string name, data, out;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--data" || a == "-o") {
      if (i + 1 == args.size()) return usageError(a + " needs a value");
      (a == "--data" ? data : out) = args[++i];
    } else if (name.empty() && !a.starts_with("-")) {
      name = a;
    } else {
      return usageError("unexpected " + a);
    }
  }
  if (name.empty() || data.empty()) return usageError("recipe needs NAME and --data NV.nvb");
  nv::TFoodData foods;
  nv::TDaidokoro kitchen;
  if (!loadBentoData(data, foods, kitchen)) return kFailed;
  nv::NameList ingredients, steps, quantities;
  const std::string dish = nv::utf8ToCp932(name);
  if (!kitchen.recipe(dish, ingredients, steps, quantities))
    return failure("no recipe for " + name);
  auto app = headlessGuiApplication();

  const nv::RecipePage page =
      nv::makeRecipePage(dish, ingredients, quantities, steps, bentouFolder(data));
  QBuffer scratch;
  QSaveFile file(nv::toQ(nv::utf8ToCp932(out)));
  QIODevice* target = &scratch;
  if (!out.empty()) target = &file;
  if (!target->open(QIODevice::WriteOnly)) return failure("cannot write " + out);
  QPdfWriter writer(target);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
  writer.setResolution(300);
  writer.setTitle(nv::recipeJobTitle(dish));
  writer.setCreator(QStringLiteral("NV"));
  nv::StepLayout layout;
  if (!nv::printRecipePages(writer, page, &layout)) return failure("cannot write " + out);
  if (!out.empty() && !file.commit()) return failure("cannot write " + out);

  for (const std::string& m : page.methods) std::printf("%s\n", bentoCell(m).c_str());
  std::printf("font\t%d\n", layout.fontSize);
  int shownPage = 0;
  for (const nv::PlacedRun& r : layout.runs) {
    if (r.page != shownPage) std::printf("page\t%d\n", (shownPage = r.page) + 1);
    std::printf("%d\t%d\t%s\t%s\n", r.x, r.y, bentoCell(r.text).c_str(),
                bentoCell(r.reading).c_str());
  }
  if (size_t(layout.wholeSteps) < steps.size())
    std::fprintf(stderr, "nvtool: warning: %s: only %d of %zu steps fit on %d pages\n",
                 name.c_str(), layout.wholeSteps, steps.size(), layout.pages);
  return kOk;
}

Registration reg{"recipe",
                 "recipe NAME --data NV.nvb [-o OUT.pdf]   the cutting methods of a dish's steps "
                 "(one a line) and the step layout of the printed page (font<TAB>size, then "
                 "x<TAB>y<TAB>text<TAB>reading per run, page<TAB>2 before the runs of steps "
                 "continued on a second page); -o writes the pages as a landscape PDF; a warning "
                 "on stderr when steps are still cut off; pictures from bentou/ beside the "
                 "program or beside NV.nvb",
                 cmdRecipe};
}  // namespace
}  // namespace nvtool
