#include "tests/win/TestWindow_win.h"

RecordingWindow::RecordingWindow(const wchar_t* title,
                                 std::function<void(const Received&)> onMessage)
    : onMessage_(std::move(onMessage)) {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &RecordingWindow::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"R58TestRecorder";
    return RegisterClassExW(&wc);
  }();
  (void)atom;
  hwnd_ = CreateWindowExW(0, L"R58TestRecorder", title, WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                          GetModuleHandleW(nullptr), this);
}

RecordingWindow::~RecordingWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool RecordingWindow::Got(UINT message) const {
  for (const Received& r : received_)
    if (r.message == message) return true;
  return false;
}

LRESULT CALLBACK RecordingWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<RecordingWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && (message >= WM_USER || message == WM_CLOSE)) {
    self->received_.push_back({message, wParam, lParam});
    if (self->onMessage_) self->onMessage_(self->received_.back());
    if (message == WM_CLOSE) return 0;  // recorded, kept open
    return message == 0x052A ? 1 : 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

MSG QueuedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  POINT pointer{};
  GetCursorPos(&pointer);
  return MSG{window, message, wParam, lParam, GetTickCount(), pointer};
}

void PumpMessages(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < milliseconds) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
}
