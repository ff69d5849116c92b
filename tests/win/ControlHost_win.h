// What the control tests share: a parent window that records what its
// children send, the program's resources and skin, and screen captures.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "framework/Paint_win.h"
#include "framework/Wnd_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinFile.h"
#include "tests/win/ProgramHarness_win.h"
#include "tests/win/TestWindow_win.h"

// A top-level parent that reflects like every window of the program and
// records WM_COMMAND and the private messages.
class ControlHost : public CWnd {
 public:
  struct Got {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  ControlHost() {
    CreateEx(0, PlainWindowClass(), L"control host", WS_POPUP | WS_VISIBLE,
             RECT{100, 100, 900, 700}, nullptr, 0);
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND || message >= WM_USER) got.push_back({message, wParam, lParam});
    return CWnd::WindowProc(message, wParam, lParam);
  }
  std::vector<Got> Of(UINT message) const {
    std::vector<Got> out;
    for (const Got& g : got)
      if (g.message == message) out.push_back(g);
    return out;
  }
  std::vector<Got> got;
};

// The program's skin and resources (dialog templates, bitmaps 215 and 216),
// read from the executable in the program folder.
class ControlsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    resources_ = LoadLibraryExW((ProgramFolder() / L"KestrelonR58.exe").c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  }
  static void TearDownTestSuite() {
    if (resources_) FreeLibrary(resources_);
    resources_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(resources_, nullptr);
    SetResourceModule(resources_);
    Paths().programFolder = ProgramFolder().wstring() + L"\\";
    SelectSkinFile(ProgramFolder(), 1);
    LoadInterfaceFontFace();
  }
  void TearDown() override {
    SetResourceModule(nullptr);
    SetSkinFilePath({});
  }
  GdiplusSession gdiplus_;
  static inline HMODULE resources_ = nullptr;
};

// Copies a window's screen area into a BMP file under the program folder's
// "screenshots" folder.
inline bool CaptureWindow(HWND window, const std::wstring& name) {
  RECT r{};
  if (!GetWindowRect(window, &r)) return false;
  const int w = r.right - r.left, h = r.bottom - r.top;
  void* bits = nullptr;
  UniqueBitmap shot = CreateDibSection32(w, h, false, &bits);
  if (!shot) return false;
  {
    const UniqueDC screen = UniqueDC::ForWindow(nullptr);
    const UniqueDC memory = UniqueDC::Compatible(screen.get());
    const SelectScope select(memory.get(), shot.get());
    BitBlt(memory.get(), 0, 0, w, h, screen.get(), r.left, r.top, SRCCOPY);
  }
  GdiFlush();
  const auto folder = ProgramFolder() / L"screenshots";
  std::filesystem::create_directories(folder);
  const DWORD pixels = static_cast<DWORD>(w) * h * 4;
  // Bottom-up 32-bit pixels without a colour table, at the screen's 96 dots per inch.
  const LONG perMetre = 3780;
  BITMAPINFOHEADER info{sizeof info, w, h, 1, 32, BI_RGB, pixels, perMetre, perMetre, 0, 0};
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof file + sizeof info + pixels), 0, 0,
                        static_cast<DWORD>(sizeof file + sizeof info)};
  std::ofstream out(folder / (name + L".bmp"), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(static_cast<const char*>(bits), pixels);
  return out.good();
}
