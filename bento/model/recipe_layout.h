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
  int x = 0;
  int y = 0;
  std::string text;     // CP932
  std::string reading;  // CP932, empty for plain text
  int readingX = 0;
  int readingY = 0;
};

struct StepLayout {
  int fontSize = 0;
  int readingSize = 0;
  bool fits = false;  // false: the last steps are cut off at the smallest size
  std::vector<PlacedRun> runs;
};

struct LayoutArea {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Lays the steps out at one font size; returns false when they do not fit (the runs placed
// so far stay in `out`).
bool layoutSteps(const std::vector<std::string>& steps, const TextMeasurer& m, int size,
                 const LayoutArea& area, StepLayout& out);

// Tries the sizes 14 down to 8 and keeps the first that fits, else the cut-off layout at 8.
StepLayout layoutStepsFitting(const std::vector<std::string>& steps, const TextMeasurer& m,
                              const LayoutArea& area);

}  // namespace nv
