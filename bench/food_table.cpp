// Food table budgets: loading a 5,000-food section, importing 5,000 CSV lines, and the nutrient
// totals of 200 ingredient lines.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_foods.h"
#include "core/food.h"
#include "core/used_food.h"
#include "platform/binio.h"
#include "platform/prompt.h"
#include "platform/text.h"

namespace {

constexpr int kFoods = 5000;

std::vector<nv::TFood> makeFoods() { return nvbench::makeFoods(kFoods); }

void BM_LoadFoodSection(benchmark::State& state) {
  nv::TFoodData source;
  source.setFoods(makeFoods());
  nv::ByteWriter w;
  source.writeSection(w);
  for (auto _ : state) {
    nv::TFoodData t;
    nv::ByteReader in(w.data());
    benchmark::DoNotOptimize(t.readSection(in, &nv::prompt()).ok());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(w.size()));
}
BENCHMARK(BM_LoadFoodSection)->Unit(benchmark::kMicrosecond);

void BM_ImportFoodCsv(benchmark::State& state) {
  std::string csv = "code,name,group,colour,e,p,f,ca,fe,a,b1,b2,c,salt\n";
  for (const nv::TFood& f : makeFoods()) {
    csv.append(f.code).append(1, ',').append(f.name);
    csv.append(1, ',').append(std::to_string(f.group));
    csv.append(1, ',').append(std::to_string(f.colorClass));
    for (double v : f.nutrients) csv.append(1, ',').append(nv::shortestDecimal(v));
    csv.append(1, '\n');
  }
  for (auto _ : state) {
    nv::TFoodData t;
    (void)t.importCsv(csv, nullptr, &nv::prompt());
    benchmark::DoNotOptimize(t.count());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(csv.size()));
}
BENCHMARK(BM_ImportFoodCsv)->Unit(benchmark::kMicrosecond);

void BM_NutrientTotals200(benchmark::State& state) {
  nv::TFoodData t;
  t.setFoods(makeFoods());
  nv::TUsedFoodList list;
  for (int i = 0; i < 200; ++i) list.push_back({((i * 37) % kFoods) * 3 + 1, 10.0 + i, 10.0 + i});
  for (auto _ : state) {
    nv::Nutrients acc{};
    (void)nv::addNutrientTotals(list, &t, acc);
    benchmark::DoNotOptimize(acc);
  }
}
BENCHMARK(BM_NutrientTotals200)->Unit(benchmark::kMicrosecond);

}  // namespace
