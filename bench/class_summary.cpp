// The class summary over 40 saved menus and 40 lunch boxes: reading the data files and every
// saved file, and summing up. NV_CLASS_DIR=FOLDER writes the class there and keeps it, for
// timing nvtool class-summary and the window on the same files.
#include "bench/class_summary.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "summary/model/class_data.h"
#include "summary/model/class_summary.h"
#include "summary/model/summary_files.h"

namespace {

std::string classFolder() {
  static const std::string folder = [] {
    const char* kept = std::getenv("NV_CLASS_DIR");
    const std::filesystem::path dir =
        kept ? std::filesystem::path(kept)
             : std::filesystem::temp_directory_path() / "nv_bench_class";
    std::filesystem::create_directories(dir);
    const std::string path = nv::fromFsPath(dir);
    nvbench::writeClassFolder(path);
    return path;
  }();
  return folder;
}

void BM_ClassSummary(benchmark::State& state) {
  const std::string folder = classFolder();
  for (auto _ : state) {
    nv::ClassData data;
    nv::loadClassData(nv::joinPath(folder, "NV.nv"), nv::joinPath(folder, "NV.nvb"), data);
    const nv::ClassFiles files = nv::collectClassFiles({folder});
    const nv::ClassSummary s = nv::summarizeClass(files.files, data.view(), nv::SummaryMeal::Day);
    benchmark::DoNotOptimize(s.stats);
    if (s.children.size() != 80) state.SkipWithError("not 80 children");
  }
}
BENCHMARK(BM_ClassSummary)->Unit(benchmark::kMillisecond);

}  // namespace
