// The program folder, and its data, under a folder whose name CP932 cannot spell.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/nv_file.h"
#include "kondate_fixtures.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "scripted_prompt.h"
#include "shown.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

TEST(DataFolder, DataUnderAFolderCp932CannotSpellLoads) {
  nvtest::TempDir dir;
  const fs::path program = nv::toFsPath(dir.path()) / "café" / "NV";
  fs::create_directories(program);
  nv::TFoodData foods = nvtest::foodsNamed({"こめ", "たまご"});
  nv::TKondateData dishes;
  nvtest::category(dishes, "ごはん").base = {nvtest::dish(1, "卵丼", {{1, 70}, {2, 12.5}})};
  nv::setProgramFolder(nv::fromFsPath(program));
  const std::string dataFile = nv::joinPath(nv::programFolder(), "NV.nv");
  nvtest::ScriptedPrompt prompt;  // any message fails the test
  ASSERT_TRUE(nvtest::shown(nv::writeDataFile(dataFile, foods, dishes, &nv::prompt())));
  EXPECT_TRUE(fs::is_regular_file(program / "NV.nv"));
  nv::TFoodData loadedFoods;
  nv::TKondateData loadedDishes;
  EXPECT_TRUE(nvtest::shown(nv::loadDataFile(dataFile, loadedFoods, loadedDishes, nullptr)));
  EXPECT_EQ(loadedFoods.count(), 2u);
  EXPECT_EQ(loadedDishes.nameOf(1), nv::sj("卵丼"));
  nv::setProgramFolder("");
}
