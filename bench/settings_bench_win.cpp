// Saving and reloading a full settings file under Wine: the INI engine against
// the platform's private-profile functions key by key, and against writing the
// finished bytes once. Prints median times and the ratios.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "bench/FullSettings.h"
#include "settings/FileIo.h"
#include "settings/WideText_win.h"

namespace {

double MedianMs(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  const auto folder = std::filesystem::temp_directory_path() / L"r58-bench";
  std::filesystem::create_directories(folder);
  const auto ours = folder / L"GamingMouse";
  const auto platform = folder / L"GamingMouse-platform";
  const auto bytesOnce = folder / L"GamingMouse-bytes";
  std::filesystem::remove(ours);

  SettingsStore store(ours);
  FillFullSettings(store);
  store.Save();
  const IniFile document(ours);
  const std::string finished = document.Serialize();
  int keys = 0;
  document.Visit([&](auto, auto, auto) { ++keys; });

  const double save = MedianMs(30, [&] { store.Save(); });
  const double reload = MedianMs(30, [&] { store.LoadOnly(); });
  const double once = MedianMs(30, [&] { ReplaceFileAtomically(bytesOnce, finished); });
  const double onceNoFlush = MedianMs(30, [&] {
    HANDLE f = CreateFileW(bytesOnce.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, finished.data(), static_cast<DWORD>(finished.size()), &written, nullptr);
    CloseHandle(f);
  });
  const double platformWrite = MedianMs(3, [&] {
    std::filesystem::remove(platform);
    HANDLE f = CreateFileW(platform.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, "\xFF\xFE", 2, &written, nullptr);
    CloseHandle(f);
    document.Visit([&](std::u16string_view s, std::u16string_view k, std::u16string_view v) {
      WritePrivateProfileStringW(Wide(s).c_str(), Wide(k).c_str(), Wide(v).c_str(),
                                 platform.c_str());
    });
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, platform.c_str());
  });
  const double platformRead = MedianMs(3, [&] {
    std::vector<wchar_t> buffer(4096);
    document.Visit([&](std::u16string_view s, std::u16string_view k, std::u16string_view) {
      GetPrivateProfileStringW(Wide(s).c_str(), Wide(k).c_str(), L"", buffer.data(), 4096,
                               platform.c_str());
    });
  });

  std::printf("full settings file: %d keys, %zu bytes\n", keys, finished.size());
  std::printf("save through IniFile (atomic, flushed)     %8.3f ms\n", save);
  std::printf("reload through IniFile (load + validate)   %8.3f ms\n", reload);
  std::printf("finished bytes once, atomic and flushed    %8.3f ms\n", once);
  std::printf("finished bytes once, plain write           %8.3f ms\n", onceNoFlush);
  std::printf("platform writes, key by key                %8.3f ms\n", platformWrite);
  std::printf("platform reads, key by key                 %8.3f ms\n", platformRead);
  std::printf("save speed-up over key-by-key writes       %8.1f x\n", platformWrite / save);
  std::printf("save / bytes once (atomic, flushed)        %8.2f x\n", save / once);
  std::printf("save / bytes once (plain write)            %8.2f x\n", save / onceNoFlush);
  std::printf("reload speed-up over key-by-key reads      %8.1f x\n", platformRead / reload);
  std::filesystem::remove_all(folder);
  return 0;
}
