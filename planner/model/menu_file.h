#pragma once
// The menu file (.nvu): header, the child's profile, the three meals' chosen dishes and the
// serial-number counter.
#include <functional>
#include <string>

#include "platform/result.h"

namespace nv {

class SelectedMenu;
class TKojinData;
struct KojinViewState;

extern const char kMenuFileMagic[];  // "Nuvelta Used Food Data Version = 1.02"

// What the reader needs from the dish database: a dish's name and standard weight by number.
struct DishLookup {
  std::function<std::string(int32_t)> nameOf;
  std::function<double(int32_t)> standardWeightOf;
};

// Writes the file atomically; clears Modified. A file that cannot be written fails with a box
// (the path, caption "書き出しのためにオープンできません").
Result saveMenuFile(const std::string& path, SelectedMenu& menu, const TKojinData& profile,
                    const KojinViewState& view);

// Reads the file; every failure comes with its box and leaves the menu and the profile as
// they were. On success the menu and profile are replaced and `view` (when given) receives
// the window settings the profile record holds.
Result loadMenuFile(const std::string& path, SelectedMenu& menu, TKojinData& profile,
                    const DishLookup& dishes, KojinViewState* view = nullptr);

}  // namespace nv
