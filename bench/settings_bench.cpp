// Saving and reloading a full settings file through the INI engine.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "settings/SettingsFile.h"

namespace {

std::filesystem::path BenchFile() {
  static const auto path = std::filesystem::temp_directory_path() / "r58-bench-GamingMouse";
  return path;
}

// Six profiles with a macro of 40 events in four slots each.
void FillFullSettings(SettingsStore& store) {
  std::filesystem::remove(BenchFile());
  store.Reload();
  for (ProfileRecord& p : store.config().profiles)
    for (int s = 1; s <= 4; ++s) {
      p.slots[s].code = kCodeMacro;
      p.slots[s].library = s;
      for (int e = 0; e < 40; ++e) p.slots[s].events[e] = {std::uint8_t(0x20 + e), 0, 1};
      p.slots[s].count = 40;
    }
}

void BM_SaveSettings(benchmark::State& state) {
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
