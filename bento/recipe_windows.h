#pragma once
// The kitchen's recipe face: the recipe book and the how-to-make window of a dish.
#include <QPointer>
#include <string>

#include "bento/kitchen_ports.h"

namespace nv {

class TDaidokoro;
class TResipiForm;
class TResipiForm4;

class RecipeWindows : public RecipePort {
 public:
  void openBook(TBentoubakoForm& kitchen) override;
  void closeBook() override;
  void showHowToMake(TBentoubakoForm& kitchen, const std::string& dishName) override;
  TResipiForm* book() const;

 private:
  QPointer<TResipiForm> book_;
};

// The recipe page of a dish, or nullptr when the data hold no recipe for it.
TResipiForm4* makeRecipeWindow(const TDaidokoro& data, const std::string& dishName,
                               const std::string& childName, const std::string& bentouFolder);

}  // namespace nv
