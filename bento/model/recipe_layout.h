#pragma once
// The steps of a recipe page laid out into lines, with readings over the hard words. The
// layout only measures text through TextMeasurer, so screen, paper and tests share it.
#include <string>
#include <string_view>
#include <vector>

namespace nv {

// Measures CP932 text at a font size (points) in the units of the page being laid out.
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  virtual int width(std::string_view cp932, int size) const = 0;
  virtual int height(std::string_view cp932, int size) const = 0;
};

// One piece of text at (x, y) (its top left). With a reading, the reading sits centred over
// the text at readingSize, its bottom at y.
struct PlacedRun {
  int page = 0;  // 0, or 1 for the steps continued on a second page
  int x = 0;
  int y = 0;
  std::string text;     // CP932
  std::string reading;  // CP932, empty for plain text
  int readingX = 0;
  int readingY = 0;
};

// The top of one line of steps (the text's top; its reading sits above it).
struct LayoutLine {
  int page = 0;
  int y = 0;
};

struct StepLayout {
  int fontSize = 0;
  int readingSize = 0;
  int lineHeight = 0;  // from one line to the next (room for the readings included)
  bool fits = false;   // false: the last steps are cut off at the smallest size
  int pages = 1;       // pages the steps take
  int wholeSteps = 0;  // steps written to their end
  std::vector<PlacedRun> runs;
  std::vector<LayoutLine> lines;
};

struct LayoutArea {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Lays the steps out at one font size; returns false when they do not fit (the runs placed
// so far stay in `out`). With more than one area, the steps run on from each into the next
// (a page each).
bool layoutSteps(const std::vector<std::string>& steps, const TextMeasurer& m, int size,
                 const LayoutArea& area, StepLayout& out);
bool layoutSteps(const std::vector<std::string>& steps, const TextMeasurer& m, int size,
                 const std::vector<LayoutArea>& areas, StepLayout& out);

// Tries the sizes 14 down to 8 and keeps the first that fits, else the cut-off layout at 8.
StepLayout layoutStepsFitting(const std::vector<std::string>& steps, const TextMeasurer& m,
                              const LayoutArea& area);
// The same on the first page alone; steps that do not fit there at 8 continue in the second
// page's area, at the largest size from 14 down to 8 at which the two pages hold them all (or
// cut off at 8, `fits` false, when not even two pages do).
StepLayout layoutStepsFitting(const std::vector<std::string>& steps, const TextMeasurer& m,
                              const LayoutArea& first, const LayoutArea& continuation);

}  // namespace nv
