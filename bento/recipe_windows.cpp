#include "bento/recipe_windows.h"

#include <memory>

#include "bento/bentoubako_form.h"
#include "bento/model/bento_data.h"
#include "bento/model/bento_pictures.h"
#include "bento/resipi_form3.h"
#include "bento/resipi_form4.h"
#include "core/kojin_data.h"
#include "platform/paths.h"

namespace nv {

void RecipeWindows::openBook(TBentoubakoForm&) {}

void RecipeWindows::closeBook() {}

TResipiForm4* makeRecipeWindow(const TDaidokoro& data, const std::string& dishName,
                               const std::string& childName, const std::string& bentouFolder) {
  NameList ingredients, steps, quantities;
  if (!data.recipe(dishName, ingredients, steps, quantities)) return nullptr;
  return new TResipiForm4(makeRecipePage(dishName, ingredients, quantities, steps, bentouFolder),
                          childName);
}

void RecipeWindows::showHowToMake(TBentoubakoForm& kitchen, const std::string& dishName) {
  const std::string child = kitchen.profile().name();
  // A how-to-make picture takes the place of the recipe page.
  const std::string jpeg = dishExplanationPath(dishName);
  if (fileExists(jpeg)) {
    TResipiForm3 viewer(jpeg, true, true, child, &kitchen);
    viewer.exec();
    return;
  }
  std::unique_ptr<TResipiForm4> page(
      makeRecipeWindow(kitchen.kitchenData(), dishName, child, defaultBentoBmpFolder()));
  if (!page) return;
  page->setParent(&kitchen, page->windowFlags());
  page->exec();
}

}  // namespace nv
