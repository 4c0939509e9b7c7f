// Fuzzes the recipe page's step layout and the cutting-method search over any step text: the
// layout ends, keeps its runs inside the page where it says they fit, and the CP932 search
// finds only matches that start on a character.
#include "bento/model/recipe_layout.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "bento/model/recipe_cutting.h"
#include "platform/text.h"

namespace {

// Every byte is half a point wide, every line as high as its size.
class ByteMeasurer : public nv::TextMeasurer {
 public:
  int width(std::string_view cp932, int size) const override {
    return int(cp932.size()) * size / 2;
  }
  int height(std::string_view, int size) const override { return size; }
};

bool startsOnCharacter(std::string_view text, size_t at) {
  size_t i = 0;
  while (i < at) i += nv::isCp932LeadByte(uint8_t(text[i])) ? 2 : 1;
  return i == at;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  // The first bytes choose the page area; the rest are the steps, one a line.
  const nv::LayoutArea area{data[0] % 64, data[1] % 64, 64 + data[2] * 4, 64 + data[3] * 4};
  const std::string_view text(reinterpret_cast<const char*>(data) + 4, size - 4);
  std::vector<std::string> steps;
  for (size_t at = 0; at <= text.size();) {
    const size_t end = std::min(text.find('\n', at), text.size());
    steps.emplace_back(text.substr(at, end - at));
    at = end + 1;
  }
  const nv::StepLayout layout = nv::layoutStepsFitting(steps, ByteMeasurer(), area);
  if (layout.fontSize < 8 || layout.fontSize > 14) std::abort();
  if (layout.fits)
    for (const nv::PlacedRun& r : layout.runs)
      if (r.y < area.top || r.y > area.bottom) std::abort();

  const std::vector<std::string> methods = nv::cuttingMethods(steps);
  if (nv::cuttingSlotSize(methods.size()) <= 0 && !methods.empty()) std::abort();
  // The search against a plain one over the same bytes.
  if (steps.size() >= 2 && !steps[1].empty()) {
    const size_t found = nv::findCp932(steps[0], steps[1]);
    size_t plain = std::string::npos;
    for (size_t at = steps[0].find(steps[1]); at != std::string::npos;
         at = steps[0].find(steps[1], at + 1))
      if (startsOnCharacter(steps[0], at)) {
        plain = at;
        break;
      }
    if (found != plain) std::abort();
  }
  return 0;
}
