// Fuzzes the kitchen part of NV.nvb (and, for inputs with the food magic, the whole file);
// what the reader accepts must write back and read again to the same bytes.
#include "bento/model/bento_data.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "bento/model/bento_data_file.h"
#include "core/food.h"
#include "fuzz/silent_prompt.h"
#include "platform/binio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nvfuzz::installSilentPrompt();
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  nv::TFoodData foods;
  nv::TDaidokoro kitchen;
  if (bytes.substr(0, 8) == "Nuvelta ") {
    if (!nv::parseBentoData(bytes, foods, kitchen).ok()) return 0;
  } else {
    nv::ByteReader in(bytes);
    if (!kitchen.read(in)) return 0;
  }
  nv::NameList names, out;
  kitchen.allDishNames(names);
  for (const std::string& n : names) {
    kitchen.placementName(n);
    kitchen.hasRecipe(n);
    nv::NameList a, b, c;
    kitchen.recipe(n, a, b, c);
  }
  nv::readingGroups(out);
  for (const std::string& g : out) {
    nv::NameList in;
    kitchen.dishesOfReadingGroup(g, in);
  }
  kitchen.categoriesInUse(out);
  kitchen.volumeSum(names);
  nv::Nutrients n{};
  kitchen.nutrientTotals(names, n, foods);
  nv::GroupGrams g{};
  kitchen.foodGroupGrams(names, g, foods);

  nv::ByteWriter first;
  kitchen.write(first);
  nv::TDaidokoro again;
  nv::ByteReader in2(first.data());
  if (!again.read(in2)) std::abort();
  nv::ByteWriter second;
  again.write(second);
  if (first.data() != second.data()) std::abort();
  return 0;
}
