// Saving and reloading a full settings file through the INI engine.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/FullSettings.h"

namespace {

std::filesystem::path BenchFile() {
  static const auto path = std::filesystem::temp_directory_path() / "r58-bench-GamingMouse";
  return path;
}

void BM_SaveSettings(benchmark::State& state) {
  std::filesystem::remove(BenchFile());
  SettingsStore store(BenchFile());
  FillFullSettings(store);
  for (auto _ : state) benchmark::DoNotOptimize(store.Save());
}
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMillisecond);

void BM_ReloadSettings(benchmark::State& state) {
  SettingsStore store(BenchFile());
  FillFullSettings(store);
  store.Save();
  for (auto _ : state) store.LoadOnly();
}
BENCHMARK(BM_ReloadSettings)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
