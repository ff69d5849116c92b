#include "framework/Paint_win.h"

#include <algorithm>
#include <vector>

// A memory DC with a bitmap selected, kept for the next buffer; it grows to
// the largest area asked for.
struct OffscreenBuffer::Scratch {
  UniqueDC dc;
  UniqueBitmap bitmap;
  HGDIOBJ firstBitmap = nullptr;
  SIZE size{};
  bool busy = false;

  ~Scratch() {
    if (dc && firstBitmap) SelectObject(dc.get(), firstBitmap);
  }
  void Fit(int width, int height) {
    if (dc && width <= size.cx && height <= size.cy) return;
    const UniqueDC screen = UniqueDC::ForWindow(nullptr);
    if (!dc) dc = UniqueDC::Compatible(screen.get());
    size = SIZE{std::max<LONG>(size.cx, width), std::max<LONG>(size.cy, height)};
    UniqueBitmap grown(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
    HGDIOBJ previous = SelectObject(dc.get(), grown.get());
    if (!firstBitmap) firstBitmap = previous;
    bitmap = std::move(grown);
  }
};

namespace {

// A buffer inside a buffer (a paint while painting) takes another scratch.
std::vector<std::unique_ptr<OffscreenBuffer::Scratch>>& Scratches() {
  static std::vector<std::unique_ptr<OffscreenBuffer::Scratch>> scratches;
  return scratches;
}

}  // namespace

OffscreenBuffer::OffscreenBuffer(HDC target, const RECT& area, BufferStart start)
    : target_(target), area_(area) {
  auto& scratches = Scratches();
  auto free =
      std::find_if(scratches.begin(), scratches.end(), [](const auto& s) { return !s->busy; });
  if (free == scratches.end()) {
    scratches.push_back(std::make_unique<Scratch>());
    free = scratches.end() - 1;
  }
  scratch_ = free->get();
  scratch_->busy = true;
  const int width = std::max<LONG>(area.right - area.left, 1);
  const int height = std::max<LONG>(area.bottom - area.top, 1);
  scratch_->Fit(width, height);
  HDC dc = scratch_->dc.get();
  savedState_ = SaveDC(dc);
  if (start == BufferStart::kBlack) PatBlt(dc, 0, 0, width, height, BLACKNESS);
  // Drawing code uses the target's coordinates.
  SetViewportOrgEx(dc, -area.left, -area.top, nullptr);
}

OffscreenBuffer::~OffscreenBuffer() {
  HDC dc = scratch_->dc.get();
  RestoreDC(dc, savedState_);
  BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc, 0,
         0, SRCCOPY);
  scratch_->busy = false;
}

HDC OffscreenBuffer::dc() const { return scratch_->dc.get(); }

BufferedPaint::BufferedPaint(HWND hwnd, BufferStart start) : hwnd_(hwnd) {
  HDC dc = BeginPaint(hwnd, &paint_);
  GetClientRect(hwnd, &client_);
  RECT dirty{};
  if (!IntersectRect(&dirty, &paint_.rcPaint, &client_)) dirty = client_;
  buffer_ = std::make_unique<OffscreenBuffer>(dc, dirty, start);
}

BufferedPaint::~BufferedPaint() {
  buffer_.reset();  // the copy to the window comes before EndPaint
  EndPaint(hwnd_, &paint_);
}
