// Start-up and page switches of the program against the floor window (the
// main window's layout with one cached bitmap per child), in one run: each
// round starts each of them as a fresh process, alternately, and measures
//   - process start to the first full paint (the window and every visible
//     child painted),
//   - process start to all screens completed (the last processor use before
//     a quiet spell),
//   - tab click to the page on the screen, per tab, each switch from the tab
//     before it in the order buttons, sensitivity, library, lighting: the
//     click is posted to the tab's window and the screen is read back until
//     it shows the page as it looked once settled.
// The settings file exists and the device service runs (a first start
// before the rounds). Ratios are per round, program / floor.
//   scripts/with-display scripts/wine-exec build/win/bin/paint_bench.exe [rounds] [--screenshots]
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "app/MainInventory.h"
#include "bench/BenchTiming.h"
#include "bench/ProgramProcess_win.h"
#include "bench/ScreenPixels_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinDraw_win.h"
#include "skin/SkinFile.h"

namespace {

constexpr int kMinRounds = 7;
constexpr int kSwitchesPerTab = 5;
constexpr int kTabs = 4;
// The skin file of a first start.
constexpr int kFirstStartLanguage = 1;
// All screens count as completed once the process used no processor for this long.
constexpr double kCompletedQuietMs = 500;
constexpr double kSettleQuietMs = 150;
constexpr double kStartTimeoutMs = 30000;
constexpr double kCompleteTimeoutMs = 60000;
constexpr double kSwitchTimeoutMs = 3000;
// The program's buttons take at most one click per 500 ms.
constexpr double kSameTabGapMs = 600;
// Tabs in the order a user visits them from the first page (buttons).
constexpr int kVisitOrder[kTabs] = {1, 2, 3, 0};
const char* const kTabNames[kTabs] = {"buttons", "sensitivity", "library", "lighting"};

int TabBefore(int tab) { return (tab + kTabs - 1) % kTabs; }

struct Subject {
  const char* name;
  std::wstring exe;
  const wchar_t* title;
};

struct VisibleChild {
  HWND window;
  RECT rect;  // in the main window's client coordinates
  std::wstring className;
  bool operator<(const VisibleChild& o) const {
    return std::tie(rect.left, rect.top, rect.right, rect.bottom) <
           std::tie(o.rect.left, o.rect.top, o.rect.right, o.rect.bottom);
  }
};

// What one run of one subject gave.
struct RunFigures {
  bool ok = false;
  double firstPaint = -1;
  double completed = -1;
  double tab[kTabs] = {-1, -1, -1, -1};
  int failedSwitches = 0;
  std::vector<VisibleChild> visible[kTabs];
  int changedPixels[kTabs] = {};
  int unstablePixels[kTabs] = {};
  RECT unstableBounds[kTabs] = {};
  int childWindows = 0;  // visible or not
  double cpuSampleMs = 0;
  double pollsPerSwitch = 0;

  double TabMean() const {
    double sum = 0;
    for (double t : tab) {
      if (t < 0) return -1;
      sum += t;
    }
    return sum / kTabs;
  }
};

void Click(HWND tab, POINT at) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  PostMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, where);
  PostMessageW(tab, WM_LBUTTONUP, 0, where);
}

std::vector<VisibleChild> VisibleChildren(HWND window) {
  struct Walk {
    HWND window;
    std::vector<VisibleChild> found;
  } walk{window, {}};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        auto* w = reinterpret_cast<Walk*>(param);
        if (!IsWindowVisible(child)) return TRUE;
        VisibleChild entry{};
        entry.window = child;
        GetWindowRect(child, &entry.rect);
        MapWindowPoints(nullptr, w->window, reinterpret_cast<POINT*>(&entry.rect), 2);
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        entry.className = name;
        w->found.push_back(entry);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  std::sort(walk.found.begin(), walk.found.end());
  return walk.found;
}

// Reads the screen until two reads 100 ms apart agree; the pixels that
// then still change within 600 ms (a caret) are marked in `unstable`.
ScreenPixels ReadSettled(const RECT& area, std::vector<bool>& unstable) {
  ScreenPixels settled(area), later(area);
  std::vector<bool> scratch;
  for (int attempt = 0; attempt < 20; ++attempt) {
    settled.Read();
    Sleep(100);
    later.Read();
    if (MarkDifferences(settled, later, scratch) == 0) break;
  }
  unstable.assign(settled.size(), false);
  for (int i = 0; i < 2; ++i) {
    Sleep(300);
    later.Read();
    MarkDifferences(settled, later, unstable);
  }
  return settled;
}

RECT BoundsOf(const std::vector<bool>& marks, int width) {
  RECT bounds{width, static_cast<LONG>(marks.size()) / width, 0, 0};
  for (std::size_t i = 0; i < marks.size(); ++i) {
    if (!marks[i]) continue;
    const LONG x = static_cast<LONG>(i) % width, y = static_cast<LONG>(i) / width;
    bounds = RECT{std::min(bounds.left, x), std::min(bounds.top, y), std::max(bounds.right, x + 1),
                  std::max(bounds.bottom, y + 1)};
  }
  return bounds.left < bounds.right ? bounds : RECT{};
}

int AllChildWindows(HWND window) {
  int count = 0;
  EnumChildWindows(
      window,
      [](HWND, LPARAM counter) -> BOOL {
        ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

int Count(const std::vector<bool>& marks) {
  return static_cast<int>(std::count(marks.begin(), marks.end(), true));
}

// The tab's window (the visible child at the tab's rectangle in the skin
// file) and the tab's centre in it.
bool FindTabs(HWND window, HWND (&tabs)[kTabs], POINT (&centres)[kTabs]) {
  const std::vector<VisibleChild> children = VisibleChildren(window);
  for (int i = 0; i < kTabs; ++i) {
    const RECT rect =
        RectOf(ParseSkinEntry(InventoryValue(CurrentSkin(), InventoryOf(Ctl::kTab, i))));
    const auto found = std::find_if(children.begin(), children.end(), [&](const VisibleChild& c) {
      return EqualRect(&c.rect, &rect) && GetParent(c.window) == window;
    });
    if (found == children.end()) return false;
    tabs[i] = found->window;
    centres[i] = POINT{(rect.right - rect.left) / 2, (rect.bottom - rect.top) / 2};
  }
  return true;
}

void ReportReadBackCost(const RECT& windowArea, const ChangedPixels (&changed)[kTabs]) {
  ScreenPixels pixels(windowArea);
  const auto timed = [](int times, const auto& action) {
    std::vector<double> samples;
    for (int i = 0; i < times; ++i) {
      const double start = NowMs();
      action();
      samples.push_back(NowMs() - start);
    }
    return Median(samples);
  };
  const double full = timed(30, [&] { pixels.Read(); });
  RECT largest{};
  for (const ChangedPixels& c : changed)
    if ((c.box.right - c.box.left) * (c.box.bottom - c.box.top) >
        (largest.right - largest.left) * (largest.bottom - largest.top))
      largest = c.box;
  const double box = timed(30, [&] { pixels.Read(largest); });
  HDC screen = GetDC(nullptr);
  const double pixel = timed(100, [&] { GetPixel(screen, windowArea.left, windowArea.top); });
  ReleaseDC(nullptr, screen);
  const double sleep = timed(30, [] { Sleep(1); });
  std::printf(
      "read-back from the screen (median): whole window %ldx%ld %.2f ms, largest page "
      "box %ldx%ld %.2f ms, one GetPixel %.3f ms; Sleep(1) takes %.2f ms\n",
      windowArea.right - windowArea.left, windowArea.bottom - windowArea.top, full,
      largest.right - largest.left, largest.bottom - largest.top, box, pixel, sleep);
}

std::wstring Ascii(const char* text) { return std::wstring(text, text + std::strlen(text)); }

std::filesystem::path ScreenshotPath(const Subject& subject, int tab) {
  const std::wstring name =
      L"paint_bench_" + Ascii(subject.name) + L"_" + Ascii(kTabNames[tab]) + L".bmp";
  return std::filesystem::path(ExecutableFolder()) / L"screenshots" / name;
}

struct RunOptions {
  bool reportReadBack = false;
  bool screenshots = false;
};

RunFigures RunOnce(const Subject& subject, const RunOptions& options) {
  RunFigures figures;
  ProgramProcess process;
  if (!process.Start(subject.exe)) return figures;
  figures.firstPaint = process.WaitForFirstPaint(subject.title, kStartTimeoutMs);
  if (figures.firstPaint < 0) return figures;
  const double quiet = process.WaitUntilQuiet(kCompletedQuietMs, kCompleteTimeoutMs);
  if (quiet < 0) return figures;
  // The last processor time may be counted before the paint was seen.
  figures.completed = std::max(quiet, figures.firstPaint);

  HWND window = process.window();
  HWND tabs[kTabs];
  POINT centres[kTabs];
  if (!FindTabs(window, tabs, centres)) return figures;
  RECT area{};
  GetWindowRect(window, &area);

  // The warm-up visits every page once and keeps how it looks settled.
  std::vector<ScreenPixels> pages;
  std::vector<bool> unstable[kTabs];
  for (int i = 0; i < kTabs; ++i) pages.emplace_back(area);
  double lastClick[kTabs] = {-1e9, -1e9, -1e9, -1e9};
  for (int tab : kVisitOrder) {
    Click(tabs[tab], centres[tab]);
    lastClick[tab] = NowMs();
    Sleep(300);
    process.WaitUntilQuiet(kSettleQuietMs, kSwitchTimeoutMs);
    pages[tab] = ReadSettled(area, unstable[tab]);
    figures.unstablePixels[tab] = Count(unstable[tab]);
    figures.unstableBounds[tab] = BoundsOf(unstable[tab], pages[tab].width());
    figures.visible[tab] = VisibleChildren(window);
  }
  figures.childWindows = AllChildWindows(window);
  ChangedPixels changed[kTabs];
  for (int tab = 0; tab < kTabs; ++tab) {
    std::vector<bool> either = unstable[tab];
    for (std::size_t i = 0; i < either.size(); ++i)
      either[i] = either[i] || unstable[TabBefore(tab)][i];
    changed[tab] = PixelsToChange(pages[TabBefore(tab)], pages[tab], either);
    figures.changedPixels[tab] = static_cast<int>(changed[tab].offsets.size());
  }
  if (options.reportReadBack) {
    ReportReadBackCost(area, changed);
    std::printf("one reading of the processor time (median): %.2f ms\n", process.CpuReadingMs());
  }
  if (options.screenshots)
    for (int tab = 0; tab < kTabs; ++tab) pages[tab].SaveBmp(ScreenshotPath(subject, tab));

  std::vector<double> samples[kTabs];
  ScreenPixels live(area);
  long long polls = 0;
  for (int pass = 0; pass < kSwitchesPerTab; ++pass) {
    for (int tab : kVisitOrder) {
      const ChangedPixels& change = changed[tab];
      if (change.offsets.empty()) continue;
      const double since = NowMs() - lastClick[tab];
      if (since < kSameTabGapMs) Sleep(static_cast<DWORD>(kSameTabGapMs - since));
      const double start = NowMs();
      Click(tabs[tab], centres[tab]);
      lastClick[tab] = start;
      bool shown = false;
      while (NowMs() - start < kSwitchTimeoutMs) {
        live.Read(change.box);
        ++polls;
        if (ShowsPage(live, pages[tab], change)) {
          samples[tab].push_back(NowMs() - start);
          shown = true;
          break;
        }
        // Reads back to back would take a core from the two processes that
        // make the page appear (the subject and the wineserver).
        Sleep(1);
      }
      if (!shown) {
        ++figures.failedSwitches;
        std::printf("  %s: the %s page did not show within %.0f ms (%d of %zu pixels wrong)\n",
                    subject.name, kTabNames[tab], kSwitchTimeoutMs,
                    PixelsStillWrong(live, pages[tab], change), change.offsets.size());
      }
      Sleep(100);
      process.WaitUntilQuiet(kSettleQuietMs, kSwitchTimeoutMs);
    }
  }
  int switches = 0;
  for (int tab = 0; tab < kTabs; ++tab) {
    switches += static_cast<int>(samples[tab].size());
    if (!samples[tab].empty()) figures.tab[tab] = Median(samples[tab]);
  }
  figures.pollsPerSwitch = switches ? static_cast<double>(polls) / switches : 0;
  figures.cpuSampleMs = process.samplePeriodMs();
  figures.ok = true;
  process.Close();
  return figures;
}

// Visible child windows of one subject that the other lacks at the same place.
void ReportUnmatched(const char* name, const std::vector<VisibleChild>& own,
                     const std::vector<VisibleChild>& other) {
  std::vector<VisibleChild> extra;
  std::set_difference(own.begin(), own.end(), other.begin(), other.end(),
                      std::back_inserter(extra));
  for (const VisibleChild& child : extra)
    std::printf("      only the %s: %ls at (%ld,%ld)-(%ld,%ld)\n", name, child.className.c_str(),
                child.rect.left, child.rect.top, child.rect.right, child.rect.bottom);
}

void ReportVisibleChildren(const RunFigures& program, const RunFigures& floor, bool details) {
  std::printf("  visible child windows (program/floor):");
  bool differ = false;
  for (int tab = 0; tab < kTabs; ++tab) {
    std::printf(" %s %zu/%zu", kTabNames[tab], program.visible[tab].size(),
                floor.visible[tab].size());
    differ = differ || program.visible[tab].size() != floor.visible[tab].size();
  }
  std::printf("%s\n", differ ? "  DIFFERENT" : "");
  if (!details && !differ) return;
  std::printf("    child windows, visible or not: program %d, floor %d\n", program.childWindows,
              floor.childWindows);
  const auto bounds = [](const RECT& r) {
    char text[48];
    std::snprintf(text, sizeof text, "(%ld,%ld)-(%ld,%ld)", r.left, r.top, r.right, r.bottom);
    return std::string(text);
  };
  for (int tab = 0; tab < kTabs; ++tab) {
    std::printf(
        "    %s: the switch to it changes %d pixels (program), %d (floor); unsteady "
        "pixels %d in %s, %d in %s\n",
        kTabNames[tab], program.changedPixels[tab], floor.changedPixels[tab],
        program.unstablePixels[tab], bounds(program.unstableBounds[tab]).c_str(),
        floor.unstablePixels[tab], bounds(floor.unstableBounds[tab]).c_str());
    ReportUnmatched("program", program.visible[tab], floor.visible[tab]);
    ReportUnmatched("floor", floor.visible[tab], program.visible[tab]);
  }
}

// One measure over the rounds: the program's and the floor's figure of each.
struct Measure {
  const char* name;
  const char* target;
  std::vector<double> program = {}, floor = {}, ratio = {};

  void Add(double p, double f) {
    if (p < 0 || f <= 0) return;
    program.push_back(p);
    floor.push_back(f);
    ratio.push_back(p / f);
  }
};

std::string Cell(double p, double f) {
  char text[64];
  if (p < 0 || f <= 0)
    std::snprintf(text, sizeof text, "failed");
  else
    std::snprintf(text, sizeof text, "%.1f / %.1f = %.2f", p, f, p / f);
  return text;
}

void PrintSummary(const std::vector<Measure>& measures, int rounds) {
  std::printf(
      "\n| Measure (%d rounds) | Program ms | Floor ms | Ratio | Ratio min–max | Target |\n",
      rounds);
  std::printf("|---|--:|--:|--:|--:|--:|\n");
  for (const Measure& m : measures) {
    if (m.ratio.empty()) {
      std::printf("| %s | failed | failed | | | %s |\n", m.name, m.target);
      continue;
    }
    const auto [low, high] = std::minmax_element(m.ratio.begin(), m.ratio.end());
    std::printf("| %s | %.1f | %.1f | %.2f | %.2f–%.2f | %s |\n", m.name, Median(m.program),
                Median(m.floor), Median(m.ratio), *low, *high, m.target);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = kMinRounds;
  RunOptions options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshots") == 0)
      options.screenshots = true;
    else
      rounds = std::max(kMinRounds, std::atoi(argv[i]));
  }
  Paths().programFolder = ExecutableFolder();
  SelectSkinFile(Paths().programFolder, kFirstStartLanguage);
  if (options.screenshots)
    CreateDirectoryW((Paths().programFolder + L"screenshots").c_str(), nullptr);
  // Posted clicks do not move the pointer; kept off the window, it lights nothing.
  SetCursorPos(0, 0);
  const Subject program{"program", Paths().programFolder + L"KestrelonR58.exe", L"Kestrelon R58"};
  const Subject floor{"floor", Paths().programFolder + L"floor_window.exe",
                      L"Kestrelon floor window"};

  // A first start writes the settings file and starts the device service.
  {
    ProgramProcess first;
    if (!first.Start(program.exe) || first.WaitForFirstPaint(program.title, kStartTimeoutMs) < 0) {
      std::printf("the program did not start\n");
      return 1;
    }
    first.WaitUntilQuiet(kCompletedQuietMs, kCompleteTimeoutMs);
  }

  std::vector<Measure> measures = {
      {"Start-up to first full paint", "≤ 2.5"},
      {"Start-up to all screens completed", "≤ 3"},
      {"Tab click to painted page: buttons", ""},
      {"Tab click to painted page: sensitivity", ""},
      {"Tab click to painted page: library", ""},
      {"Tab click to painted page: lighting", ""},
      {"Tab click to painted page: mean of the four", "≤ 1.5"},
  };
  std::printf("%d rounds; per round each subject is a fresh process, %d switches per tab\n", rounds,
              kSwitchesPerTab);
  std::printf(
      "| Round | First full paint | All screens completed | Buttons | Sensitivity | "
      "Library | Lighting | Mean of the four |\n|---|---|---|---|---|---|---|---|\n");
  double cpuSample = 0, programPolls = 0, floorPolls = 0;
  int failures = 0;
  for (int round = 0; round < rounds; ++round) {
    // Alternating which runs first evens out a drift in the machine's load.
    const bool programFirst = round % 2 == 0;
    RunOptions once = options;
    once.reportReadBack = round == 0;
    once.screenshots = options.screenshots && round == 0;
    RunFigures p, f;
    if (programFirst) {
      p = RunOnce(program, once);
      once.reportReadBack = false;
      f = RunOnce(floor, once);
    } else {
      f = RunOnce(floor, once);
      once.reportReadBack = false;
      p = RunOnce(program, once);
    }
    if (!p.ok || !f.ok) std::printf("  round %d: a run failed\n", round + 1);
    measures[0].Add(p.firstPaint, f.firstPaint);
    measures[1].Add(p.completed, f.completed);
    for (int tab = 0; tab < kTabs; ++tab) measures[2 + tab].Add(p.tab[tab], f.tab[tab]);
    measures[6].Add(p.TabMean(), f.TabMean());
    std::printf("| %d%s | %s | %s | %s | %s | %s | %s | %s |\n", round + 1,
                programFirst ? " (program first)" : " (floor first)",
                Cell(p.firstPaint, f.firstPaint).c_str(), Cell(p.completed, f.completed).c_str(),
                Cell(p.tab[0], f.tab[0]).c_str(), Cell(p.tab[1], f.tab[1]).c_str(),
                Cell(p.tab[2], f.tab[2]).c_str(), Cell(p.tab[3], f.tab[3]).c_str(),
                Cell(p.TabMean(), f.TabMean()).c_str());
    ReportVisibleChildren(p, f, round == 0);
    cpuSample = std::max({cpuSample, p.cpuSampleMs, f.cpuSampleMs});
    programPolls += p.pollsPerSwitch;
    floorPolls += f.pollsPerSwitch;
    failures += p.failedSwitches + f.failedSwitches;
  }
  PrintSummary(measures, rounds);
  std::printf(
      "\nProgram / floor per round; figures are medians over the rounds (a tab's "
      "figure in a round is the median of its %d switches). The processor time was "
      "read every %.1f ms or less; screen reads per switch: program %.1f, floor %.1f; "
      "switches that never showed their page: %d.\n",
      kSwitchesPerTab, cpuSample, programPolls / rounds, floorPolls / rounds, failures);
  if (HWND service = FindWindowW(nullptr, L"Kestrelon_R58_Hid"))
    PostMessageW(service, WM_CLOSE, 0, 0);
  return 0;
}
