#pragma once
// The recipe page of a dish: drawn by one function on any QPainter, on screen and on paper.
#include <QPointF>
#include <QRectF>
#include <string>
#include <vector>

#include "bento/model/recipe_layout.h"

class QPainter;

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

// Draws the page on the 640-unit grid at `origin` with scale s; `background` is where the
// page picture is stretched. Returns the step layout drawn.
StepLayout paintRecipePage(QPainter& p, const RecipePage& page, QRectF background, QPointF origin,
                           double s, int pen);

// Where the page goes on paper of w × h device units at dpi: origin and scale.
struct PaperPlacement {
  QPointF origin;
  double scale = 1;
};
PaperPlacement recipePaperPlacement(int w, int h, int dpi, int scalePercent = 100);

// The printed page's print job title.
std::string recipeJobTitle(const std::string& dish);

}  // namespace nv
