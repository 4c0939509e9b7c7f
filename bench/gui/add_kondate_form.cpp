// The dish add-and-edit window over the bundled food table and dishes: opening it (built,
// shown, first list filled and painted) and switching the food list to the "全" tab.
// Runs on the offscreen platform.
#include "teacher/add_kondate_form.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabBar>

#include "core/food.h"
#include "core/kondate_data.h"
#include "platform/files.h"
#include "platform/prompt.h"

namespace {

struct Data {
  nv::TFoodData foods;
  nv::TKondateData dishes;
  Data() {
    std::string csv;
    nv::readFile(NV_DATA_DIR "/foods.csv", csv);
    (void)foods.importCsv(csv, nullptr, &nv::prompt());
    // The dish import writes its report beside the CSV: read a copy.
    nv::readFile(NV_DATA_DIR "/dishes.csv", csv);
    nv::writeFileAtomic("/tmp/nv_bench_dishes.csv", csv);
    (void)dishes.importCsv(foods, "/tmp/nv_bench_dishes.csv", {}, &nv::prompt());
  }
};

Data& data() {
  static Data d;
  return d;
}

void BM_OpenAddKondateForm(benchmark::State& state) {
  Data& d = data();
  std::vector<std::string> categories;
  d.dishes.categoryNames(categories);
  for (auto _ : state) {
    nv::TAddKondateForm form(d.foods, d.dishes, categories);
    form.resize(1024, 700);
    form.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(form.registered());
    state.PauseTiming();
    form.hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenAddKondateForm)->Unit(benchmark::kMillisecond);

void BM_SwitchToAllFoodsTab(benchmark::State& state) {
  Data& d = data();
  std::vector<std::string> categories;
  d.dishes.categoryNames(categories);
  nv::TAddKondateForm form(d.foods, d.dishes, categories);
  form.resize(1024, 700);
  form.show();
  QApplication::processEvents();
  for (auto _ : state) {
    form.TabControl1->setCurrentIndex(10);
    QApplication::processEvents();
    state.PauseTiming();
    form.TabControl1->setCurrentIndex(0);
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["foods"] = double(d.foods.count());
}
BENCHMARK(BM_SwitchToAllFoodsTab)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  nv::ConsolePrompt quiet;
  nv::ScopedPrompt scoped(quiet);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
