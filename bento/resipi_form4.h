#pragma once
// The recipe page window: the page painted into its image, the cutting pictures under the
// mouse, copying and printing. Steps that run on to a second page are shown by a page button.
#include <QDialog>
#include <QImage>
#include <string>

#include "bento/recipe_page.h"

class QLabel;
class QMenu;
class QPrinter;
class QToolButton;

namespace nv {

class TResipiForm4 : public QDialog {
  Q_OBJECT
 public:
  // available: the free area of the screen the window is sized for (empty: the screen's).
  TResipiForm4(RecipePage page, std::string childName, QWidget* parent = nullptr,
               QSize available = {});

  const RecipePage& page() const { return page_; }
  const StepLayout& layout() const { return layout_; }
  double scale() const { return s_; }
  // The page shown: 0, or 1 for the steps' continuation.
  int shownPage() const { return shown_; }
  void showPage(int index);
  // The cutting slot at a point of the image, or -1.
  int slotAt(QPoint imagePos) const;
  // The steps as "1." + step lines, each ended as the platform ends lines (CP932).
  std::string stepsText() const;
  void copySteps();
  void copyPicture();
  // Prints after the printer set-up; says "印刷が完了しました。" only when the pages were
  // printed, "印刷できませんでした。" when the printer could not take them.
  void print();
  // The printer print() uses (not owned); by default the program's.
  void setPrinter(QPrinter* printer) { printer_ = printer; }

  QLabel* Image1 = nullptr;
  QLabel* L_Kirikata = nullptr;
  QToolButton* SB_Print = nullptr;
  QToolButton* SB_Close = nullptr;
  QToolButton* SB_Page = nullptr;
  QMenu* popup = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void render();
  RecipePage page_;
  std::string childName_;
  StepLayout layout_;
  double s_ = 1;
  int shown_ = 0;
  int pressed_ = -1;
  QPrinter* printer_ = nullptr;
};

}  // namespace nv
