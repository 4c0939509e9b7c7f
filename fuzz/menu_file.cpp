// Fuzzes the menu file (.nvu) reader. What it accepts must save, load again and save to the
// same bytes; what it refuses must leave the menu and the profile as they were.
#include "planner/model/menu_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/kojin_data.h"
#include "fuzz/scratch_folder.h"
#include "fuzz/silent_prompt.h"
#include "planner/model/selected_menu.h"

namespace {

// Dish numbers below 1000 are known, with a name and a standard weight; others are not.
nv::DishLookup lookup() {
  nv::DishLookup l;
  l.nameOf = [](int32_t n) {
    return n >= 0 && n < 1000 ? "dish" + std::to_string(n) : std::string();
  };
  l.standardWeightOf = [](int32_t n) { return n >= 0 && n < 1000 ? double(n % 300) : 0.0; };
  return l;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nvfuzz::installSilentPrompt();
  const std::string input = nvfuzz::scratchFile("input.nvu");
  const std::string first = nvfuzz::scratchFile("first.nvu");
  const std::string second = nvfuzz::scratchFile("second.nvu");
  nvfuzz::putFile(input, std::string_view(reinterpret_cast<const char*>(data), size));

  nv::SelectedMenu menu;
  nv::TKojinData profile;
  nv::KojinViewState view;
  const std::string nameBefore = profile.name();
  if (!nv::loadMenuFile(input, menu, profile, lookup(), &view).ok()) {
    if (profile.name() != nameBefore || menu.dishes(nv::SelectedMenu::kDayNode).size() != 0)
      std::abort();
    return 0;
  }
  // Every dish stands on its meal and on the day, under one serial number of its own.
  size_t meals = 0;
  for (int m = 0; m < nv::SelectedMenu::kMealCount; ++m) meals += menu.dishes(m).size();
  if (menu.dishes(nv::SelectedMenu::kDayNode).size() != meals) std::abort();
  for (const nv::SelDish& d : menu.dishes(nv::SelectedMenu::kDayNode))
    if (menu.mealOf(d.serialNo) < 0) std::abort();
  // Adding a dish never overflows the serial counter.
  nv::SelDish extra;
  extra.usedFoods = {{1, 10, 10}};
  extra.serialNo = menu.nextSerial();
  menu.add(0, extra);

  if (!nv::saveMenuFile(first, menu, profile, view).ok()) std::abort();
  nv::SelectedMenu again;
  nv::TKojinData againProfile;
  nv::KojinViewState againView;
  if (!nv::loadMenuFile(first, again, againProfile, lookup(), &againView).ok()) std::abort();
  if (!nv::saveMenuFile(second, again, againProfile, againView).ok()) std::abort();
  if (nvfuzz::getFile(first) != nvfuzz::getFile(second)) std::abort();
  return 0;
}
