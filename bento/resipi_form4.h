#pragma once
// The recipe page window: the page painted into its image, the cutting pictures under the
// mouse, copying and printing.
#include <QDialog>
#include <QImage>
#include <string>

#include "bento/recipe_page.h"

class QLabel;
class QMenu;
class QToolButton;

namespace nv {

class TResipiForm4 : public QDialog {
  Q_OBJECT
 public:
  TResipiForm4(RecipePage page, std::string childName, QWidget* parent = nullptr);

  const RecipePage& page() const { return page_; }
  const StepLayout& layout() const { return layout_; }
  double scale() const { return s_; }
  // The cutting slot at a point of the image, or -1.
  int slotAt(QPoint imagePos) const;
  // The steps as "1." + step lines (CP932).
  std::string stepsText() const;
  void copySteps();
  void copyPicture();
  void print();

  QLabel* Image1 = nullptr;
  QLabel* L_Kirikata = nullptr;
  QToolButton* SB_Print = nullptr;
  QToolButton* SB_Close = nullptr;
  QMenu* popup = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void render();
  RecipePage page_;
  std::string childName_;
  StepLayout layout_;
  double s_ = 1;
  int pressed_ = -1;
};

}  // namespace nv
