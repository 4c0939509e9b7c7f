// Fuzzes the lunch-box dish CSV reader; the kitchen it builds must write and read back.
#include "bento/model/bento_csv.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/food.h"
#include "fuzz/silent_prompt.h"
#include "platform/binio.h"

namespace {
const nv::TFoodData& foods() {
  static const nv::TFoodData table = [] {
    nv::TFoodData t;
    std::vector<nv::TFood> list(3);
    const char* names[] = {"a", "rice", "\x82\xb2\x82\xcd\x82\xf1"};
    for (int i = 0; i < 3; ++i) {
      list[size_t(i)].number = i + 1;
      list[size_t(i)].name = names[i];
      list[size_t(i)].group = i + 1;
    }
    t.setFoods(list);
    return t;
  }();
  return table;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nvfuzz::installSilentPrompt();
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  nv::TDaidokoro kitchen;
  std::string errors;
  if (!nv::readBentoCsv(bytes, foods(), kitchen, errors, nullptr, &nv::prompt())) return 0;
  for (const nv::TBentouData& d : kitchen.Dishes) {
    if (d.Foods.empty() || d.Name.empty() || d.Name.size() > nv::kBentoCsvFieldBytes) std::abort();
    for (const nv::TBentouShokuhin& f : d.Foods)
      if (!(f.Grams > 0)) std::abort();
    for (std::string_view s : d.StepLines)
      if (s.size() > nv::kBentoCsvStepBytes) std::abort();
  }
  nv::ByteWriter out;
  kitchen.write(out);
  nv::TDaidokoro again;
  nv::ByteReader in(out.data());
  if (!again.read(in) || again.Dishes.size() != kitchen.Dishes.size()) std::abort();
  return 0;
}
