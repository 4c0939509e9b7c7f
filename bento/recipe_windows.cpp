#include "bento/recipe_windows.h"

#include <algorithm>
#include <memory>

#include "bento/bentoubako_form.h"
#include "bento/model/bento_data.h"
#include "bento/model/bento_pictures.h"
#include "bento/resipi_form.h"
#include "bento/resipi_form3.h"
#include "bento/resipi_form4.h"
#include "core/kojin_data.h"
#include "platform/paths.h"

namespace nv {

void RecipeWindows::openBook(TBentoubakoForm& kitchen) {
  closeBook();
  book_ = new TResipiForm(kitchen.kitchenData(), bookListsOf(kitchen.kitchenData()), kitchen,
                          kitchen.settings().bmpFolder, std::max(11, scaled(12, kitchen.scale())),
                          kitchen.profile().name(), &kitchen, kitchen.width());
  book_->show();
}

TResipiForm* RecipeWindows::book() const { return book_; }

void RecipeWindows::closeBook() {
  if (!book_) return;
  TResipiForm* book = book_;
  book_ = nullptr;
  book->close();
}

TResipiForm4* makeRecipeWindow(const TDaidokoro& data, const std::string& dishName,
                               const std::string& childName, const std::string& bentouFolder) {
  NameList ingredients, steps, quantities;
  if (!data.recipe(dishName, ingredients, steps, quantities)) return nullptr;
  return new TResipiForm4(makeRecipePage(dishName, ingredients, quantities, steps, bentouFolder),
                          childName);
}

void RecipeWindows::showHowToMake(TBentoubakoForm& kitchen, const std::string& dishName) {
  const std::string child = kitchen.profile().name();
  // Opened from the book, the window belongs to the book, so that it shows above it.
  QWidget* owner = book_ && book_->isVisible() ? static_cast<QWidget*>(book_) : &kitchen;
  // A how-to-make picture takes the place of the recipe page.
  const std::string jpeg = dishExplanationPath(dishName);
  // A damaged one is reported, and the recipe page shown when there is one.
  if (fileExists(jpeg) && showPicture(jpeg, true, true, child, owner, dishName)) return;
  std::unique_ptr<TResipiForm4> page(
      makeRecipeWindow(kitchen.kitchenData(), dishName, child, defaultBentoBmpFolder()));
  if (!page) return;
  page->setParent(owner, page->windowFlags());
  page->exec();
}

}  // namespace nv
