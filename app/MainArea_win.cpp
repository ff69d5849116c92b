#include "app/MainArea_win.h"

namespace {

ShowBatch* openBatch = nullptr;

}  // namespace

ShowBatch::ShowBatch() : positions_(BeginDeferWindowPos(64)), outer_(openBatch) {
  openBatch = this;
}

ShowBatch::~ShowBatch() {
  openBatch = outer_;
  if (positions_) EndDeferWindowPos(positions_);
}

void ShowBatch::Add(HWND control, bool shown) {
  ShowBatch* batch = openBatch;
  const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                     (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
  if (batch && batch->positions_)
    batch->positions_ = DeferWindowPos(batch->positions_, control, nullptr, 0, 0, 0, 0, flags);
  else
    SetWindowPos(control, nullptr, 0, 0, 0, 0, flags);
}

void Show(HWND control, bool shown) {
  // The style bit, not IsWindowVisible: the window itself may still be hidden.
  const bool visible = (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
  if (control && visible != shown) ShowBatch::Add(control, shown);
}
