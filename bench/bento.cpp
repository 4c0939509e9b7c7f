// Lunch-box budgets: loading an NV.nvb of 5,000 foods and 1,000 dishes (from memory and from
// disk), grading a box of 12 dishes both ways, and reading a 1,000-dish CSV.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/bench_foods.h"
#include "bento/model/bento_csv.h"
#include "bento/model/bento_data.h"
#include "bento/model/bento_data_file.h"
#include "bento/model/bento_grade.h"
#include "core/food.h"
#include "core/kojin_data.h"
#include "platform/files.h"
#include "platform/prompt.h"
#include "platform/text.h"

namespace {

constexpr int kFoods = 5000;
constexpr int kDishes = 1000;

nv::TFoodData makeFoods() {
  nv::TFoodData t;
  t.setFoods(nvbench::makeFoods(kFoods));
  return t;
}

nv::TDaidokoro makeKitchen() {
  nv::TDaidokoro k;
  k.Categories = nv::defaultBentoCategories();
  k.Placements = {nv::sj("弁当箱"), nv::sj("コースター")};
  k.Storages = {nv::sj("冷蔵庫"), nv::sj("冷凍庫"),     nv::sj("炊飯器"),   nv::sj("戸棚"),
                nv::sj("鍋"),     nv::sj("フライパン"), nv::sj("オーブン"), nv::sj("扉")};
  for (int i = 0; i < kDishes; ++i) {
    nv::TBentouData d;
    d.Number = i + 1;
    d.CategoryIndex = i % 15;
    d.Name = nv::sj("おかず") + std::to_string(i);
    for (int f = 0; f < 6; ++f) d.Foods.push_back({((i * 7 + f * 13) % kFoods) * 3 + 1, 5.0 + f});
    d.VolumeMl = 40 + i % 60;
    d.SizeFactor = 1 + (i % 5) * 0.1;
    d.PlacementIndex = i % 2;
    d.StorageIndex = i % 8;
    for (int l = 0; l < 5; ++l) {
      d.IngredientLines.push_back(nv::sj("ざいりょう") + std::to_string(l));
      d.QuantityLines.push_back(std::to_string(l * 10) + "g");
      d.StepLines.push_back(nv::sj("よく混ぜて、焼きます。") + std::to_string(l));
    }
    k.Dishes.push_back(std::move(d));
  }
  return k;
}

const std::string& dataFileBytes() {
  static const std::string bytes = nv::bentoDataBytes(makeFoods(), makeKitchen());
  return bytes;
}

void BM_ParseBentoData(benchmark::State& state) {
  const std::string& bytes = dataFileBytes();
  nv::QuietPrompt quiet;  // its progress windows cost what the program's do, minus drawing
  for (auto _ : state) {
    nv::TFoodData foods;
    nv::TDaidokoro kitchen;
    benchmark::DoNotOptimize(nv::parseBentoData(bytes, foods, kitchen, &quiet).ok());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_ParseBentoData)->Unit(benchmark::kMillisecond);

void BM_LoadBentoDataFile(benchmark::State& state) {
  std::string path = (std::filesystem::temp_directory_path() / "nv_bench_bento.nvb").string();
  nv::writeFileAtomic(path, dataFileBytes());
  nv::QuietPrompt quiet;
  for (auto _ : state) {
    nv::TFoodData foods;
    nv::TDaidokoro kitchen;
    benchmark::DoNotOptimize(nv::loadBentoDataFile(path, foods, kitchen, nullptr, &quiet).ok());
  }
  nv::removeFile(path);
}
BENCHMARK(BM_LoadBentoDataFile)->Unit(benchmark::kMillisecond);

void BM_GradeBox(benchmark::State& state) {
  nv::TFoodData foods = makeFoods();
  nv::TDaidokoro kitchen = makeKitchen();
  nv::TKojinData child;
  nv::NameList box;
  // Spread over the list so that the name lookups walk far.
  for (int i = 0; i < 12; ++i) box.push_back(nv::sj("おかず") + std::to_string(i * 83));
  auto kind = state.range(0) ? nv::GraphKind::Nutrients : nv::GraphKind::Groups;
  for (auto _ : state) benchmark::DoNotOptimize(nv::gradeBox(kitchen, box, child, kind, foods));
}
BENCHMARK(BM_GradeBox)->Arg(0)->Arg(1)->ArgNames({"nutrients"})->Unit(benchmark::kMicrosecond);

void BM_ReadBentoCsv(benchmark::State& state) {
  nv::TFoodData foods = makeFoods();
  std::string csv = "header\n";
  for (int i = 0; i < kDishes; ++i) {
    for (int f = 0; f < 4; ++f)
      csv += nv::sj("ごはん,おかず") + std::to_string(i) + "," + nv::sj("しょくひん") +
             std::to_string((i + f * 11) % kFoods) + ",10,80,1.2," + nv::sj("弁当箱,冷蔵庫") + "\n";
    csv += nv::sj(",ざいりょう,10g\n1,まぜる\n");
  }
  nv::QuietPrompt quiet;
  for (auto _ : state) {
    nv::TDaidokoro kitchen;
    std::string errors;
    benchmark::DoNotOptimize(nv::readBentoCsv(csv, foods, kitchen, errors, nullptr, &quiet));
  }
}
BENCHMARK(BM_ReadBentoCsv)->Unit(benchmark::kMillisecond);

// 100 000 dish lines, each with a placement and a storage of its own: every name is new to
// its list, the worst case of the builder's name lookups.
void BM_ReadBentoCsvDistinctPlaces(benchmark::State& state) {
  nv::TFoodData foods = makeFoods();
  std::string csv = "header\n";
  const std::string head = nv::sj("ごはん,おかず"), food = nv::sj("しょくひん");
  for (int i = 0; i < 100000; ++i)
    csv += head + std::to_string(i) + "," + food + std::to_string(i % kFoods) + ",10,80,1.2,p" +
           std::to_string(i) + ",s" + std::to_string(i) + "\n";
  for (auto _ : state) {
    nv::TDaidokoro kitchen;
    std::string errors;
    benchmark::DoNotOptimize(nv::readBentoCsv(csv, foods, kitchen, errors, nullptr));
  }
}
BENCHMARK(BM_ReadBentoCsvDistinctPlaces)->Unit(benchmark::kMillisecond);

}  // namespace
