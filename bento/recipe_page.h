#pragma once
// The recipe page of a dish: drawn by one function on any QPainter, on screen and on paper.
// Steps that do not fit the page even at the smallest letters run on to a second page, which
// repeats the title, the picture and the ingredients beside them.
#include <QPointF>
#include <QString>
#include <string>
#include <vector>

#include "bento/model/recipe_layout.h"

class QPainter;
class QPaintDevice;
class QPagedPaintDevice;

namespace nv {

struct RecipePage {
  std::string dish;                      // CP932, as all texts here
  std::vector<std::string> ingredients;  // first line "材料"
  std::vector<std::string> quantities;   // first line "量"
  std::vector<std::string> steps;
  std::vector<std::string> methods;  // cutting methods found in the steps
  int slot = 96;                     // cutting-picture slot on the 640 grid
  std::string bentouFolder;          // the program's "bentou/" folder, ending in '/'
};

// Fills methods and slot from the steps.
RecipePage makeRecipePage(std::string dish, std::vector<std::string> ingredients,
                          std::vector<std::string> quantities, std::vector<std::string> steps,
                          std::string bentouFolder);

// The steps laid out for a page at `origin` with scale s, in the letters of `device`.
StepLayout layoutRecipeSteps(QPaintDevice* device, const RecipePage& page, QPointF origin,
                             double s);
// Draws page `index` (0, or 1 for the steps' continuation) of the 640 x 480 page at `origin`
// with scale s: the background over the page, then its parts inside the frame's rectangles.
void paintRecipePage(QPainter& p, const RecipePage& page, const StepLayout& layout, int index,
                     QPointF origin, double s, int pen);
// Lays the steps out and draws the first page.
StepLayout paintRecipePage(QPainter& p, const RecipePage& page, QPointF origin, double s, int pen);

// Where the page goes on paper of w × h device units at dpi: origin and scale.
struct PaperPlacement {
  QPointF origin;
  double scale = 1;
};
PaperPlacement recipePaperPlacement(int w, int h, int dpi, int scalePercent = 100);

// Every page of the recipe on a landscape paged device (a printer or a PDF writer), the job
// title set by the caller. False when the device could not be painted on; `layout` receives
// the steps' layout.
bool printRecipePages(QPagedPaintDevice& device, const RecipePage& page,
                      StepLayout* layout = nullptr);

// The printed page's print job title.
QString recipeJobTitle(const std::string& dish);

}  // namespace nv
