#include "controls/ListBtn_win.h"

#include <algorithm>

#include "controls/ControlDraw_win.h"
#include "skin/SharedPictures_win.h"
#include "skin/SkinImages_win.h"

namespace {

constexpr LANGID kJapanese = 0x0411;

int RowFontHeight(int fallback) {
  const LANGID language = GetSystemDefaultLangID();
  if (PRIMARYLANGID(language) == LANG_ARABIC) return 23;
  if (language == kJapanese) return 17;
  return fallback;
}

}  // namespace

void PostWheelAsScroll(HWND row, WPARAM wParam) {
  const short delta = static_cast<short>(HIWORD(wParam));
  ::PostMessageW(::GetParent(row), WM_VSCROLL, delta > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
}

// CBitmapListBtn -------------------------------------------------------------

void CBitmapListBtn::SetIcon(int resourceId, int x, int y) {
  if (resourceId == iconId_ && x == iconX_ && y == iconY_) return;
  iconId_ = resourceId;
  iconX_ = x;
  iconY_ = y;
  // Id 1 is a placeholder that keeps the caption in place but draws nothing.
  icon_ = resourceId > 1 ? LoadResourceBitmap(resourceId) : UniqueBitmap();
  Invalidate();
}

void CBitmapListBtn::DrawItem(DRAWITEMSTRUCT* item) {
  const FaceChoice choice = ChooseFace(StateOf(item));
  const RECT client = GetClientRect();
  const HBITMAP face = faces_.Get(choice.face);
  OffscreenBuffer buffer(item->hDC, client, StartUnder(face, client));
  HDC dc = buffer.dc();
  DrawBitmap(dc, face, 0, 0);

  RECT box = client;
  box.left += captionOffset_;
  // A fixed caption rectangle keeps the caption short of a submenu arrow.
  if (useTextRect_) box.right = std::min(box.right, textRect_.right);
  if (icon_) {
    DrawWithoutBlack(dc, icon_.get(), iconX_ + client.left, iconY_ + client.top);
    if (iconX_ == 0) box.left += BitmapSize(icon_.get()).cx;
  }
  if (listIndex_ != -1) box.left += kListIndexIndent;
  if (caption_.empty()) return;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColourOf(choice.colour));
  const SelectScope selectFont(
      dc, CachedFont(RowFontHeight(fontHeight_), fontWeight_, InterfaceFace()));
  DrawTextW(dc, caption_.c_str(), -1, &box, CaptionFormat());
}

LRESULT CBitmapListBtn::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE: {
      // The list learns where the pointer is, in screen coordinates.
      POINT at = PointFromLParam(lParam);
      ClientToScreen(m_hWnd, &at);
      ::PostMessageW(GetParent(), WM_MOUSEMOVE, kRowMoveMarker, MAKELPARAM(at.x, at.y));
      break;
    }
    case WM_MOUSEWHEEL:
      PostWheelAsScroll(m_hWnd, wParam);
      return DefWindowProc(message, wParam, lParam);
    default:
      break;
  }
  return CBitmapBtnEx::WindowProc(message, wParam, lParam);
}

// CPngListBtn ----------------------------------------------------------------

void CPngListBtn::SetStateImages(UniqueBitmap main, UniqueBitmap over, UniqueBitmap down,
                                 UniqueBitmap disabled) {
  if (main) faces_.main = std::move(main);
  if (over) faces_.over = std::move(over);
  if (down) faces_.down = std::move(down);
  if (disabled) faces_.disabled = std::move(disabled);
  Invalidate();
}

void CPngListBtn::SetBackground(HBITMAP windowBackground) {
  CutSheetImage(background_, nullptr, windowBackground, GetRectInParent());
  Invalidate();
}

bool CPngListBtn::SetMaskRegion(const std::wstring& maskPath) {
  if (!ApplyWindowOutline(m_hWnd, SharedOutline(maskPath))) return false;
  Invalidate();
  return true;
}

FaceChoice CPngListBtn::ChooseFace(const ButtonState& state) const {
  return ChoosePngListBtnFace(state);
}

void CPngListBtn::DrawItem(DRAWITEMSTRUCT* item) {
  const FaceChoice choice = ChooseFace(StateOf(item));
  const RECT client = GetClientRect();
  OffscreenBuffer buffer(item->hDC, client, StartUnder(background_.get(), client));
  HDC dc = buffer.dc();
  DrawBitmap(dc, background_.get(), 0, 0);
  AlphaBlendBitmap(dc, faces_.Get(choice.face), 0, 0);
  if (caption_.empty()) return;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColourOf(choice.colour));
  const SelectScope selectFont(
      dc, CachedFont(fontHeight_, fontWeight_, InterfaceFace(), 6 /* CLEARTYPE_NATURAL */));
  SIZE extent{};
  GetTextExtentPoint32W(dc, caption_.c_str(), static_cast<int>(caption_.size()), &extent);
  RECT box{client.left + captionX_, (client.bottom - extent.cy - client.top) / 2, client.right, 0};
  box.bottom = box.top + extent.cy;
  if (listIndex_ != -1) OffsetRect(&box, kListIndexIndent, 0);
  UINT format = CaptionFormat();
  if (alignment_ == 8) {
    // Centred with the text's bottom 12 pixels above the button's bottom.
    box = RECT{client.left + captionX_, client.top, client.right, client.bottom - 12};
    format = DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
  }
  DrawTextW(dc, caption_.c_str(), -1, &box, format);
}

LRESULT CPngListBtn::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      Invalidate();
      break;
    case WM_MOUSEWHEEL:
      PostWheelAsScroll(m_hWnd, wParam);
      return DefWindowProc(message, wParam, lParam);
    default:
      break;
  }
  return CBitmapBtnEx::WindowProc(message, wParam, lParam);
}
