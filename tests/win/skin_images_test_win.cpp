// The skin's image routines on small images the tests make themselves, and
// the drawing of skin texts and pictures.
#include <windows.h>

#include <gtest/gtest.h>
// GDI+ needs the Windows types first.
#include <gdiplus.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "framework/Paint_win.h"
#include "settings/Utf.h"
#include "settings/WideText_win.h"
#include "skin/ProgramPaths_win.h"
#include "skin/SkinDraw_win.h"
#include "skin/SkinFile.h"
#include "skin/SkinImages_win.h"
#include "tests/win/GdiCount_win.h"
#include "tests/win/ProgramHarness_win.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// Pixels as a 32-bit DIB holds them: 0x00RRGGBB.
using PixelFn = std::function<std::uint32_t(int x, int y)>;

UniqueBitmap MakeImage(int width, int height, const PixelFn& pixel) {
  void* bits = nullptr;
  UniqueBitmap dib = CreateDibSection32(width, height, true, &bits);
  auto* out = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out[y * width + x] = pixel(x, y);
  return dib;
}

// The pixels of any bitmap, top row first, as 0xAARRGGBB.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap, int* width = nullptr, int* height = nullptr) {
  BITMAP info = {};
  GetObjectW(bitmap, sizeof info, &info);
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = info.bmWidth;
  format.bmiHeader.biHeight = -info.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
  const UniqueDC dc = UniqueDC::Compatible(nullptr);
  GetDIBits(dc.get(), bitmap, 0, info.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
  if (width) *width = info.bmWidth;
  if (height) *height = info.bmHeight;
  return pixels;
}

int Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

bool Near(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift : {0, 8, 16})
    if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance) return false;
  return true;
}

std::filesystem::path ScratchFolder() {
  const auto folder = ProgramFolder() / L"test-scratch-skin";
  std::filesystem::create_directories(folder);
  return folder;
}

CLSID EncoderFor(const wchar_t* mime) {
  UINT count = 0, bytes = 0;
  Gdiplus::GetImageEncodersSize(&count, &bytes);
  std::vector<unsigned char> buffer(bytes);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  Gdiplus::GetImageEncoders(count, bytes, codecs);
  for (UINT i = 0; i < count; ++i)
    if (std::wstring(codecs[i].MimeType) == mime) return codecs[i].Clsid;
  return CLSID{};
}

// Writes an image file through GDI+; pixels are 0xAARRGGBB.
std::wstring WriteImage(const wchar_t* name, const wchar_t* mime, int width, int height,
                        const PixelFn& argb) {
  Gdiplus::Bitmap image(width, height, PixelFormat32bppARGB);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.SetPixel(x, y, Gdiplus::Color(argb(x, y)));
  const std::wstring path = (ScratchFolder() / name).wstring();
  const CLSID encoder = EncoderFor(mime);
  EXPECT_EQ(image.Save(path.c_str(), &encoder, nullptr), Gdiplus::Ok) << mime;
  return path;
}

// A region test against the mask: every pixel inside exactly when not white.
void ExpectRegionMatchesMask(HRGN region, int width, int height, const PixelFn& pixel) {
  int mismatches = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if ((PtInRegion(region, x, y) != FALSE) != ((pixel(x, y) & kWhite) != kWhite)) ++mismatches;
  EXPECT_EQ(mismatches, 0);
  EXPECT_FALSE(PtInRegion(region, width, 0));
  EXPECT_FALSE(PtInRegion(region, 0, height));
}

// Closes the next message box of a thread and returns its texts.
class MessageBoxWatcher {
 public:
  explicit MessageBoxWatcher(DWORD milliseconds)
      : thread_(GetCurrentThreadId()), deadline_(GetTickCount() + milliseconds) {
    handle_ = CreateThread(nullptr, 0, &Watch, this, 0, nullptr);
  }
  ~MessageBoxWatcher() { Texts(); }
  // Waits for the watcher; "" when no box appeared.
  const std::wstring& Texts() {
    if (handle_) {
      WaitForSingleObject(handle_, INFINITE);
      CloseHandle(handle_);
      handle_ = nullptr;
    }
    return texts_;
  }

 private:
  static DWORD WINAPI Watch(void* self) {
    auto* w = static_cast<MessageBoxWatcher*>(self);
    while (static_cast<LONG>(GetTickCount() - w->deadline_) < 0) {
      HWND box = nullptr;
      EnumThreadWindows(w->thread_, &FindBox, reinterpret_cast<LPARAM>(&box));
      if (box) {
        EnumChildWindows(box, &CollectText, reinterpret_cast<LPARAM>(&w->texts_));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return 0;
      }
      Sleep(20);
    }
    return 0;
  }
  static BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  static BOOL CALLBACK CollectText(HWND child, LPARAM texts) {
    wchar_t text[64] = {};
    GetWindowTextW(child, text, 64);
    *reinterpret_cast<std::wstring*>(texts) += std::wstring(text) + L"|";
    return TRUE;
  }

  DWORD thread_;
  DWORD deadline_;
  HANDLE handle_ = nullptr;
  std::wstring texts_;
};

class SkinImages : public ::testing::Test {
 protected:
  GdiplusSession gdiplus;
};

TEST_F(SkinImages, AllWhiteMaskGivesNoRegionAndTheOutlineReportsError) {
  const PixelFn white = [](int, int) { return kWhite; };
  const UniqueBitmap mask = MakeImage(16, 8, white);
  EXPECT_FALSE(RegionFromMask(mask.get()));
  EXPECT_FALSE(RegionFromMask(nullptr));

  HWND window =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 16, 8, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  MessageBoxWatcher watcher(5000);
  EXPECT_FALSE(ApplyWindowOutline(window, mask.get()));
  EXPECT_NE(watcher.Texts().find(L"|error|"), std::wstring::npos) << watcher.Texts();
  const UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(window, shape.get()), ERROR);  // still rectangular
  DestroyWindow(window);
}

TEST_F(SkinImages, WhiteBorderLeavesExactlyTheInnerArea) {
  // Near-white pixels are inside: only pure white is cut away.
  const PixelFn framed = [](int x, int y) -> std::uint32_t {
    if (x < 3 || x >= 17 || y < 2 || y >= 13) return kWhite;
    return (x + y) % 3 == 0 ? 0xFEFFFF : (x % 2 ? 0x000000 : 0xFFFFFE);
  };
  const UniqueBitmap mask = MakeImage(20, 16, framed);
  const UniqueRegion region = RegionFromMask(mask.get());
  ASSERT_TRUE(region);
  RECT box = {};
  EXPECT_EQ(GetRgnBox(region.get(), &box), SIMPLEREGION);
  EXPECT_EQ(box.left, 3);
  EXPECT_EQ(box.top, 2);
  EXPECT_EQ(box.right, 17);
  EXPECT_EQ(box.bottom, 13);
  ExpectRegionMatchesMask(region.get(), 20, 16, framed);

  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 16, nullptr, nullptr,
                                nullptr, nullptr);
  MessageBoxWatcher watcher(300);
  EXPECT_TRUE(ApplyWindowOutline(window, mask.get()));
  EXPECT_EQ(watcher.Texts(), L"");
  const UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(GetWindowRgn(window, shape.get()), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(shape.get(), region.get()));
  DestroyWindow(window);
}

TEST_F(SkinImages, LargeMaskIsCombinedAcrossBatchesWithoutLosingRuns) {
  // Irregular runs touching both edges: several thousand rectangles.
  const PixelFn pattern = [](int x, int y) -> std::uint32_t {
    const bool ink =
        ((x / 3 + y / 2) % 2 == 0) || ((x * 7 + y * 13) % 11 == 0) || x == 0 || x == 299;
    return ink ? static_cast<std::uint32_t>(x * 811 + y) & 0xFFFFFE : kWhite;
  };
  const int width = 300, height = 90;
  const UniqueBitmap mask = MakeImage(width, height, pattern);
  const UniqueRegion region = RegionFromMask(mask.get());
  ASSERT_TRUE(region);

  // The same region made naively: every run in one ExtCreateRegion call.
  std::vector<RECT> runs;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width;) {
      if ((pattern(x, y) & kWhite) == kWhite) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < width && (pattern(x, y) & kWhite) != kWhite) ++x;
      runs.push_back(RECT{start, y, x, y + 1});
    }
  ASSERT_GT(runs.size(), 4000u) << "the mask must span more than two batches";
  std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATA*>(data.data());
  header->rdh = {sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(runs.size()), 0,
                 RECT{0, 0, width, height}};
  std::memcpy(header->Buffer, runs.data(), runs.size() * sizeof(RECT));
  const UniqueRegion naive(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), header));
  ASSERT_TRUE(naive);
  EXPECT_TRUE(EqualRgn(region.get(), naive.get()));
  ExpectRegionMatchesMask(region.get(), width, height, pattern);
}

TEST_F(SkinImages, AlphaPngIsPremultipliedWithTruncation) {
  // 201 * 128 / 255 = 100.9 and 3 * 128 / 255 = 1.5: rounding would give 101 and 2.
  const std::wstring png = WriteImage(L"alpha.png", L"image/png", 3, 1, [](int x, int) {
    const std::uint32_t argb[] = {0x80C903FF, 0xFF0A141E, 0x00FFFFFF};
    return argb[x];
  });
  UniqueBitmap bitmap;
  ASSERT_TRUE(LoadAlphaPng(png, bitmap));
  DIBSECTION dib = {};
  ASSERT_EQ(GetObjectW(bitmap.get(), sizeof dib, &dib), static_cast<int>(sizeof dib));
  EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
  EXPECT_EQ(dib.dsBm.bmWidth, 3);
  const auto* pixels = static_cast<const std::uint32_t*>(dib.dsBm.bmBits);
  EXPECT_EQ(pixels[0], 0x80640180u);  // alpha 128: red 100, green 1, blue 128
  EXPECT_EQ(pixels[1], 0xFF0A141Eu);  // opaque: unchanged
  EXPECT_EQ(pixels[2], 0x00000000u);  // transparent: black
}

TEST_F(SkinImages, PicturesDecodeToTheirSizeAndColours) {
  // Four quadrants of distinct colours; JPEG is lossy, so colours compare near.
  const PixelFn quadrants = [](int x, int y) -> std::uint32_t {
    const std::uint32_t colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    return colours[(x >= 8) + 2 * (y >= 6)];
  };
  const struct {
    const wchar_t* name;
    const wchar_t* mime;
    int tolerance;
  } formats[] = {{L"p.bmp", L"image/bmp", 0}, {L"p.jpg", L"image/jpeg", 40}};
  for (const auto& f : formats) {
    SCOPED_TRACE(Utf16ToUtf8(U16(f.name)));
    const std::wstring path = WriteImage(f.name, f.mime, 16, 12, quadrants);
    UniqueBitmap bitmap = CreateDibSection32(1, 1, false);
    const HBITMAP old = bitmap.get();
    SIZE size = {};
    ASSERT_TRUE(LoadPictureFile(path, bitmap, &size));
    EXPECT_EQ(GetObjectType(old), 0u);  // replaced and deleted
    EXPECT_EQ(size.cx, 16);
    EXPECT_EQ(size.cy, 12);
    int width = 0;
    const std::vector<std::uint32_t> pixels = Pixels(bitmap.get(), &width);
    ASSERT_EQ(width, 16);
    for (const POINT p : {POINT{2, 2}, POINT{13, 2}, POINT{2, 9}, POINT{13, 9}})
      EXPECT_TRUE(Near(pixels[p.y * 16 + p.x], quadrants(p.x, p.y), f.tolerance))
          << p.x << "," << p.y << " " << std::hex << pixels[p.y * 16 + p.x];
  }
}

TEST_F(SkinImages, GifPictureDecodes) {
  // A 1 x 1 GIF written out by hand (Wine's GDI+ has no GIF encoder): colour
  // table {0x123456, black}, the pixel takes entry 0.
  const unsigned char gif[] = {'G', 'I',  'F',  '8',  '9', 'a', 1, 0,    1,    0, 0x80, 0,
                               0,   0x12, 0x34, 0x56, 0,   0,   0, 0x2C, 0,    0, 0,    0,
                               1,   0,    1,    0,    0,   2,   2, 0x44, 0x01, 0, 0x3B};
  const auto path = ScratchFolder() / L"p.gif";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(gif), static_cast<std::streamsize>(sizeof gif));
  UniqueBitmap bitmap;
  SIZE size = {};
  ASSERT_TRUE(LoadPictureFile(path.wstring(), bitmap, &size));
  EXPECT_EQ(size.cx, 1);
  EXPECT_EQ(size.cy, 1);
  EXPECT_EQ(Pixels(bitmap.get())[0] & kWhite, 0x123456u);
}

TEST_F(SkinImages, MissingUndecodableAndOversizedFilesLeaveTheTargetEmpty) {
  const std::wstring bmp =
      WriteImage(L"small.bmp", L"image/bmp", 4, 4, [](int, int) { return 0xFF102030u; });
  const std::wstring png =
      WriteImage(L"small.png", L"image/png", 4, 4, [](int, int) { return 0xFF102030u; });
  const std::wstring garbage = (ScratchFolder() / L"garbage.jpg").wstring();
  std::ofstream(std::filesystem::path(garbage), std::ios::binary) << "not an image at all";
  // A valid image with trailing bytes beyond the size limit: decodable, but refused.
  const std::wstring huge = (ScratchFolder() / L"huge.bmp").wstring();
  std::filesystem::copy_file(bmp, huge, std::filesystem::copy_options::overwrite_existing);
  std::filesystem::resize_file(huge, kMaxImageFileBytes + 1);
  const std::wstring hugePng = (ScratchFolder() / L"huge.png").wstring();
  std::filesystem::copy_file(png, hugePng, std::filesystem::copy_options::overwrite_existing);
  std::filesystem::resize_file(hugePng, kMaxImageFileBytes + 1);

  UniqueBitmap bitmap;
  SIZE size = {};
  ASSERT_TRUE(LoadPictureFile(bmp, bitmap, &size));
  ASSERT_TRUE(LoadAlphaPng(png, bitmap));
  for (const std::wstring& bad : {std::wstring(L"C:\\no\\such.bmp"), garbage, huge}) {
    SCOPED_TRACE(Utf16ToUtf8(U16(bad)));
    ASSERT_TRUE(LoadPictureFile(bmp, bitmap, &size));
    EXPECT_FALSE(LoadPictureFile(bad, bitmap, &size));
    EXPECT_FALSE(bitmap);
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 0);
  }
  for (const std::wstring& bad : {std::wstring(L"C:\\no\\such.png"), garbage, hugePng}) {
    SCOPED_TRACE(Utf16ToUtf8(U16(bad)));
    ASSERT_TRUE(LoadAlphaPng(png, bitmap));
    EXPECT_FALSE(LoadAlphaPng(bad, bitmap));
    EXPECT_FALSE(bitmap);
  }
  std::filesystem::remove(huge);
  std::filesystem::remove(hugePng);
}

TEST_F(SkinImages, CutSheetImageCopiesTheRectangleAndIgnoresAnEmptySheet) {
  const PixelFn gradient = [](int x, int y) -> std::uint32_t {
    return x * 0x010000 + y * 0x0100 + 7;
  };
  const UniqueBitmap sheet = MakeImage(64, 32, gradient);
  const UniqueDC screen = UniqueDC::ForWindow(nullptr);
  UniqueBitmap face;
  CutSheetImage(face, screen.get(), sheet.get(), RECT{10, 5, 30, 17});
  ASSERT_TRUE(face);
  int width = 0, height = 0;
  const std::vector<std::uint32_t> pixels = Pixels(face.get(), &width, &height);
  ASSERT_EQ(width, 20);
  ASSERT_EQ(height, 12);
  for (const POINT p : {POINT{0, 0}, POINT{19, 0}, POINT{0, 11}, POINT{19, 11}, POINT{7, 4}})
    EXPECT_EQ(pixels[p.y * 20 + p.x] & kWhite, gradient(10 + p.x, 5 + p.y)) << p.x << "," << p.y;

  const HBITMAP before = face.get();
  CutSheetImage(face, screen.get(), nullptr, RECT{0, 0, 8, 8});
  EXPECT_EQ(face.get(), before);
  EXPECT_NE(GetObjectType(before), 0u);

  // A control placed at an empty rectangle gets an empty face.
  CutSheetImage(face, screen.get(), sheet.get(), RECT{0, 0, 0, 0});
  EXPECT_FALSE(face);
}

TEST_F(SkinImages, CreateDib32ReplacesTheTargetWithA32BitBitmap) {
  UniqueBitmap bitmap;
  CreateDib32(5, 5, bitmap);
  const HBITMAP old = bitmap.get();
  const HBITMAP made = CreateDib32(40, 30, bitmap);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made, bitmap.get());
  EXPECT_EQ(GetObjectType(old), 0u);  // the old bitmap was deleted
  DIBSECTION dib = {};
  ASSERT_EQ(GetObjectW(made, sizeof dib, &dib), static_cast<int>(sizeof dib));
  EXPECT_EQ(dib.dsBmih.biBitCount, 32);
  EXPECT_EQ(dib.dsBmih.biPlanes, 1);
  EXPECT_EQ(dib.dsBmih.biCompression, static_cast<DWORD>(BI_RGB));
  EXPECT_EQ(dib.dsBm.bmWidth, 40);
  EXPECT_EQ(dib.dsBm.bmHeight, 30);
  EXPECT_EQ(CreateDib32(0, 30, bitmap), nullptr);
  EXPECT_EQ(CreateDib32(100000, 100000, bitmap), nullptr);
}

// A scratch skin file and program folder for the drawing routines.
class SkinDrawing : public SkinImages {
 protected:
  void SetUp() override {
    const auto skin = ScratchFolder() / L"draw_skin.ini";
    std::ofstream(skin, std::ios::binary)
        << "[TEXTS]\r\n1=,10,10,200,80,Hello\\r\\nWorld,0\r\n2=,10,10,200,80,Hello World,0\r\n"
           "[PICS]\r\n1=,5,5,10,10,red.png,0\r\n2=,5,5,10,10,..\\test-scratch-skin\\red.png,0\r\n"
           "3=,5,5,10,10,absent.png,0\r\n";
    SetSkinFilePath(skin);
    Paths().programFolder = ProgramFolder().wstring() + L"\\";
  }
  void TearDown() override { SetSkinFilePath({}); }

  // Rows of the canvas holding dark pixels, as bands [first, last].
  std::vector<std::pair<int, int>> InkBands(const std::vector<std::uint32_t>& pixels, int width) {
    std::vector<std::pair<int, int>> bands;
    const int height = static_cast<int>(pixels.size()) / width;
    for (int y = 0; y < height; ++y) {
      bool ink = false;
      for (int x = 0; x < width && !ink; ++x) ink = (pixels[y * width + x] & 0xFF) < 0x80;
      if (!ink) continue;
      if (!bands.empty() && bands.back().second == y - 1)
        bands.back().second = y;
      else
        bands.emplace_back(y, y);
    }
    return bands;
  }

  std::vector<std::uint32_t> DrawText(const char16_t* key, std::u16string_view text = {}) {
    void* bits = nullptr;
    UniqueBitmap canvas = CreateDibSection32(220, 100, true, &bits);
    std::fill_n(static_cast<std::uint32_t*>(bits), 220 * 100, kWhite);
    const UniqueDC dc = UniqueDC::Compatible(nullptr);
    const SelectScope intoCanvas(dc.get(), canvas.get());
    UniqueFont font(CreateFontW(20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FF_SWISS,
                                L"Tahoma"));
    const SelectScope withFont(dc.get(), font.get());
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), 0);
    DrawSkinText(dc.get(), u"TEXTS", key, DT_WORDBREAK, text);
    GdiFlush();
    return std::vector<std::uint32_t>(static_cast<std::uint32_t*>(bits),
                                      static_cast<std::uint32_t*>(bits) + 220 * 100);
  }
};

TEST_F(SkinDrawing, EscapedLineBreakDrawsTwoCentredLines) {
  const auto two = InkBands(DrawText(u"1"), 220);
  ASSERT_EQ(two.size(), 2u);
  const auto one = InkBands(DrawText(u"2"), 220);
  ASSERT_EQ(one.size(), 1u);
  // One line is centred in 10..90; the second line starts one line below the first.
  EXPECT_EQ(two[0], one[0]);
  EXPECT_GT(one[0].first, 35);
  EXPECT_LT(one[0].second, 65);
  EXPECT_GT(two[1].first, two[0].second);
  // The caller's text replaces the entry's.
  EXPECT_EQ(InkBands(DrawText(u"1", u"Single"), 220).size(), 1u);
}

TEST_F(SkinDrawing, PictureIsScaledIntoTheEntryAndBadNamesDrawNothing) {
  WriteImage(L"red.png", L"image/png", 2, 2, [](int, int) { return 0xFFFF0000u; });
  const auto draw = [](const char16_t* key) {
    void* bits = nullptr;
    UniqueBitmap canvas = CreateDibSection32(24, 24, true, &bits);
    std::fill_n(static_cast<std::uint32_t*>(bits), 24 * 24, kWhite);
    const UniqueDC dc = UniqueDC::Compatible(nullptr);
    {
      const SelectScope intoCanvas(dc.get(), canvas.get());
      DrawSkinImage(dc.get(), u"PICS", key, u"test-scratch-skin\\");
    }
    const auto* p = static_cast<const std::uint32_t*>(bits);
    return std::vector<std::uint32_t>(p, p + 24 * 24);
  };
  const auto drawn = draw(u"1");
  EXPECT_EQ(drawn[10 * 24 + 10] & kWhite, 0xFF0000u);
  EXPECT_EQ(drawn[6 * 24 + 6] & kWhite, 0xFF0000u);
  EXPECT_EQ(drawn[2 * 24 + 2] & kWhite, kWhite);
  EXPECT_EQ(drawn[17 * 24 + 17] & kWhite, kWhite);
  for (const char16_t* key : {u"2", u"3", u"4"}) {
    const auto nothing = draw(key);
    EXPECT_EQ(std::count(nothing.begin(), nothing.end(), kWhite), 24 * 24);
  }
}

TEST_F(SkinImages, LoadingCuttingAndFreeingManyTimesKeepsTheGdiObjectCount) {
  // Stripes: 2400 runs, so the region is combined from two batches.
  const std::wstring bmp = WriteImage(L"cycle.bmp", L"image/bmp", 200, 24,
                                      [](int x, int) { return x % 2 ? 0xFF000000u : 0xFFFFFFFFu; });
  const std::wstring png =
      WriteImage(L"cycle.png", L"image/png", 8, 8, [](int, int) { return 0x80FF0000u; });
  const UniqueDC screen = UniqueDC::ForWindow(nullptr);
  const auto cycle = [&] {
    UniqueBitmap sheet, face, alpha, dib;
    LoadPictureFile(bmp, sheet);
    CutSheetImage(face, screen.get(), sheet.get(), RECT{2, 2, 12, 12});
    LoadAlphaPng(png, alpha);
    CreateDib32(16, 16, dib);
    const UniqueRegion region = RegionFromMask(sheet.get());
    LoadPictureFile(L"C:\\no\\such.bmp", sheet);
    return region && face && alpha && dib;
  };
  ASSERT_TRUE(cycle());  // first use creates the system's lasting objects
  const int before = GdiObjectCount();
  ASSERT_GT(before, 0);
  for (int i = 0; i < 200; ++i) ASSERT_TRUE(cycle());
  EXPECT_EQ(GdiObjectCount(), before);
}

}  // namespace
