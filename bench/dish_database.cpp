// The dish database at a large school's scale: 5,000 foods, 2,000 dishes of 8 ingredients.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <random>

#include "core/fixed_categories.h"
#include "core/food.h"
#include "core/kondate_data.h"
#include "core/nv_file.h"
#include "core/used_food.h"
#include "platform/binio.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/prompt.h"
#include "platform/text.h"

namespace {

constexpr int kFoods = 5000;
constexpr int kDishes = 2000;
constexpr int kIngredients = 8;

class QuietPrompt : public nv::Prompt {
 public:
  nv::Answer messageBox(const std::string&, const std::string&, nv::Icon, nv::Buttons) override {
    return nv::Answer::Yes;
  }
  void message(const std::string&) override {}
  std::unique_ptr<nv::Progress> progress(const std::string&, int64_t, int64_t) override {
    return std::make_unique<Gauge>();
  }

 private:
  struct Gauge : nv::Progress {
    void setPosition(int64_t) override {}
  };
};

// Kana names, so the writer's Japanese ordering does real work.
std::string kanaName(std::mt19937& rng, int length) {
  static const char* const kana[] = {"あ", "か", "さ", "た", "な", "は", "ま", "や", "ら", "わ",
                                     "ア", "カ", "サ", "タ", "ナ", "ハ", "マ", "ヤ", "ラ", "ワ",
                                     "ご", "じ", "ぶ", "ぽ", "ン", "ー", "煮", "焼", "汁", "飯"};
  std::string out;
  for (int i = 0; i < length; ++i) out += kana[rng() % 30];
  return nv::sj(out);
}

struct Scale {
  nv::TFoodData foods;
  nv::TKondateData dishes;
  std::string foodCsv, dishCsv, dataFile;
  std::string folder, path;
  std::filesystem::path fsFolder;  // kept: the text converters are gone when this is destroyed

  Scale() {
    std::mt19937 rng(7);
    std::vector<nv::TFood> list;
    foodCsv = nv::sj("コード,食品名,群,色,E,P,F,Ca,Fe,A,B1,B2,C,塩\n");
    for (int i = 0; i < kFoods; ++i) {
      nv::TFood f;
      f.number = i;
      f.code = nv::cformat("%05d", i);
      f.name = kanaName(rng, 5) + nv::cformat("%d", i);
      f.group = i % 7;
      f.colorClass = 1 + i % 3;
      for (double& v : f.nutrients) v = double(rng() % 10000) / 10;
      foodCsv += f.code + "," + f.name + nv::cformat(",%d,%d", f.group, f.colorClass);
      for (double v : f.nutrients) {
        foodCsv += ',';
        foodCsv += nv::shortestDecimal(v);
      }
      foodCsv += "\n";
      list.push_back(f);
    }
    foods.setFoods(list);
    for (const std::string& c : nv::fixedCategoryNames()) dishes.findOrAppendOrder(c);
    dishCsv = nv::sj("分類,料理名,食品名,可食量（ｇ）\n");
    for (int d = 0; d < kDishes; ++d) {
      nv::TOrder& order = dishes.orders()[size_t(d % 15)];
      nv::TKondate k = nv::TKondate::make(d, kanaName(rng, 6));
      for (int i = 0; i < kIngredients; ++i) {
        const nv::TFood& f = list[rng() % kFoods];
        double grams = double(1 + rng() % 2000) / 10;
        k.foods.push_back({f.number, grams, grams});
        k.standardWeight += grams;
        dishCsv += order.name + "," + k.name + "," + f.name + "," + nv::cformat("%f", grams) + "\n";
      }
      order.base.push_back(std::move(k));
    }
    dataFile = nv::dataFileBytes(foods, dishes, &nv::prompt());
    fsFolder = std::filesystem::temp_directory_path() / ("nvbench." + std::to_string(::getpid()));
    folder = nv::fromFsPath(fsFolder);
    std::filesystem::create_directories(fsFolder);
    path = nv::joinPath(folder, "NV.nv");
    nv::writeFileAtomic(path, dataFile);
  }
  ~Scale() {
    std::error_code ec;
    std::filesystem::remove_all(fsFolder, ec);
  }
};

Scale& scale() {
  static QuietPrompt quiet;
  nv::setPrompt(&quiet);
  static Scale s;
  return s;
}

void BM_LoadDataFile(benchmark::State& state) {
  Scale& s = scale();
  for (auto _ : state) {
    nv::TFoodData foods;
    nv::TKondateData dishes;
    if (!nv::loadDataFile(s.path, foods, dishes, &nv::prompt()).ok())
      state.SkipWithError("load failed");
    benchmark::DoNotOptimize(dishes.dishCount());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(s.dataFile.size()));
  state.counters["file_MB"] = double(s.dataFile.size()) / 1e6;
}
BENCHMARK(BM_LoadDataFile)->Unit(benchmark::kMillisecond);

// The bytes of NV.nv, with the Japanese ordering of every category.
void BM_WriteDataFileBytes(benchmark::State& state) {
  Scale& s = scale();
  for (auto _ : state)
    benchmark::DoNotOptimize(nv::dataFileBytes(s.foods, s.dishes, &nv::prompt()));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(s.dataFile.size()));
}
BENCHMARK(BM_WriteDataFileBytes)->Unit(benchmark::kMillisecond);

// The same, replacing the file on disk (temporary file, flush, rename).
void BM_WriteDataFileAtomic(benchmark::State& state) {
  Scale& s = scale();
  for (auto _ : state)
    if (!nv::writeDataFile(s.path, s.foods, s.dishes, &nv::prompt()).ok())
      state.SkipWithError("write failed");
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(s.dataFile.size()));
}
BENCHMARK(BM_WriteDataFileAtomic)->Unit(benchmark::kMillisecond);

// Both CSV imports of the conversion: 5,000 food lines, then 16,000 dish lines.
void BM_CsvImport(benchmark::State& state) {
  Scale& s = scale();
  for (auto _ : state) {
    nv::TFoodData foods;
    (void)foods.importCsv(s.foodCsv, nullptr, &nv::prompt());
    nv::TKondateData dishes;
    std::string report;
    dishes.importCsvData(foods, s.dishCsv, report, &nv::prompt());
    if (!report.empty() || dishes.dishCount() != kDishes) state.SkipWithError("import differs");
  }
  state.SetBytesProcessed(int64_t(state.iterations()) *
                          int64_t(s.foodCsv.size() + s.dishCsv.size()));
}
BENCHMARK(BM_CsvImport)->Unit(benchmark::kMillisecond);

// A day's balance: 3 meals of 8 dishes of 8 ingredients, totals per meal and for the day.
void BM_DayBalance(benchmark::State& state) {
  Scale& s = scale();
  std::array<std::vector<nv::TUsedFoodList>, 3> meals;
  for (int m = 0; m < 3; ++m)
    for (int d = 0; d < 8; ++d)
      meals[size_t(m)].push_back(*s.dishes.ingredientsOf(m * 97 + d * 13));
  for (auto _ : state) {
    std::array<nv::Nutrients, 4> totals{};
    for (size_t m = 0; m < 3; ++m)
      for (const nv::TUsedFoodList& dish : meals[m]) {
        (void)nv::addNutrientTotals(dish, &s.foods, totals[m]);
        (void)nv::addNutrientTotals(dish, &s.foods, totals[3]);
      }
    benchmark::DoNotOptimize(totals);
  }
}
BENCHMARK(BM_DayBalance)->Unit(benchmark::kMicrosecond);

}  // namespace
