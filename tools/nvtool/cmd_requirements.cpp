// nvtool requirements: what the name-entry dialog would propose for a person, and the
// requirement of every nutrient and food group per meal for a profile that accepts it.
#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>

#include "core/kojin_data.h"
#include "core/standard_values.h"
#include "tools/nvtool/commands.h"

namespace nvtool {
namespace {

template <typename T>
bool parseNumber(std::string_view text, T& out) {
  auto r = std::from_chars(text.data(), text.data() + text.size(), out);
  return r.ec == std::errc() && r.ptr == text.data() + text.size();
}

int cmdRequirements(const Args& args) {
  std::optional<int> age, sex, level;
  int split = 0;
  std::optional<double> weight;
  bool pregnant = false, lactating = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--pregnant") {
      pregnant = true;
      continue;
    }
    if (a == "--lactating") {
      lactating = true;
      continue;
    }
    if (i + 1 >= args.size())
      return usageError("requirements: " + a + " needs a value or is unknown");
    const std::string& value = args[++i];
    if (a == "--age") {
      int v;
      if (!parseNumber(value, v)) return usageError("requirements: --age takes a whole number");
      age = v;
    } else if (a == "--sex") {
      if (value != "m" && value != "f") return usageError("requirements: --sex takes m or f");
      sex = value == "f" ? 1 : 0;
    } else if (a == "--level") {
      int v;
      if (!parseNumber(value, v) || v < 0 || v > 3)
        return usageError("requirements: --level takes 0 to 3");
      level = v;
    } else if (a == "--split") {
      if (!parseNumber(value, split) || split < 0 || split >= nv::kMealSplitCount)
        return usageError("requirements: --split takes 0 to 4");
    } else if (a == "--weight") {
      double v;
      if (!parseNumber(value, v) || !(v >= 0)) return usageError("requirements: --weight takes kg");
      weight = v;
    } else {
      return usageError("requirements: unknown option " + a);
    }
  }
  if (!age || !sex || !level) return usageError("requirements needs --age, --sex and --level");

  nv::TKojinData profile;
  profile.age = *age;
  profile.sex = *sex;
  profile.setMealSplit(split);
  profile.pregnant = pregnant;
  profile.lactating = lactating;
  nv::StandardInput in = nv::defaultStandardInput(*age, *sex, *level);
  if (weight) in.weight = *weight;
  in.pregnant = pregnant;
  in.lactating = lactating;
  profile.applyStandardValues(nv::standardValues(in));
  profile.lookUpGroupTargets();

  std::printf("height\t%.17g\n", nv::referenceHeight(*age, *sex));
  std::printf("weight\t%.17g\n", nv::referenceWeight(*age, *sex));
  const char* labels[] = {"breakfast", "lunch", "dinner", "day"};
  for (int meal = 0; meal < 4; ++meal) {
    std::printf("%s", labels[meal]);
    for (int slot = 0; slot < nv::kNutrientCount; ++slot)
      std::printf("\t%.17g", profile.Requirement(meal, slot));
    for (int group = 0; group < nv::kFoodGroupCount; ++group)
      std::printf("\t%.17g", profile.GroupRequirement(meal, group));
    std::printf("\n");
  }
  return kOk;
}

Registration reg{"requirements",
                 "requirements --age N --sex m|f --level 0..3 [--split 0..4] [--weight KG] "
                 "[--pregnant] [--lactating]   proposed height and weight, then the requirement "
                 "of the ten nutrients and seven food groups for breakfast, lunch, dinner and day",
                 cmdRequirements};

}  // namespace
}  // namespace nvtool
