#include "controls/BitmapBtn2_win.h"

#include <gdiplus.h>

#include "controls/ControlDraw_win.h"
#include "controls/ControlMessages.h"
#include "skin/ImageFile_win.h"
#include "skin/SharedPictures_win.h"
#include "skin/SkinImages_win.h"

bool CBitmapBtn2::CreateButton(const RECT& rect, HWND parent, UINT id) {
  return Create(L"", WS_VISIBLE | BS_OWNERDRAW, rect, parent, id);
}

void CBitmapBtn2::PreSubclassWindow() {
  HoverTracking::MakeOwnerDrawn(m_hWnd);
  // A parent-DC class would clip the button's painting to the parent.
  const ULONG_PTR classStyle = GetClassLongPtrW(m_hWnd, GCL_STYLE);
  if (classStyle & CS_PARENTDC) SetClassLongPtrW(m_hWnd, GCL_STYLE, classStyle & ~CS_PARENTDC);
  Invalidate();
}

void CBitmapBtn2::LoadStateImages(HBITMAP main, HBITMAP over, HBITMAP down, HBITMAP disabled,
                                  const RECT& rect) {
  const unsigned cut = faces_.Cut(main, over, down, disabled, rect);
  // Faces of other states, given later, leave what is on screen as it is.
  ButtonState now;
  now.checked = checked_;
  now.pressed = (::SendMessageW(m_hWnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  now.hover = hover_.hover();
  now.disabled = !IsWindowEnabled();
  if (cut & FaceBit(ChooseBitmapBtn2Face(now, checkedShowsDisabled_, true).face)) Invalidate();
}

void CBitmapBtn2::SetButtonText(const std::wstring& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Invalidate();
}

void CBitmapBtn2::SetCheck(bool checked) {
  const bool hoverEnded = hover_.Set(false);
  if (checked == checked_ && !hoverEnded) return;
  checked_ = checked;
  Invalidate();
}

void CBitmapBtn2::SetTextRect(const RECT& rect) {
  textRect_ = rect;
  useTextRect_ = true;
}

void CBitmapBtn2::SetCaptionStyle(int style) {
  captionStyle_ = style;
  Invalidate();
}

void CBitmapBtn2::SetTextIndent(int indent) {
  indent_ = indent;
  useIndent_ = true;
}

void CBitmapBtn2::SetTextColors(COLORREF normal, COLORREF hover, COLORREF active) {
  normalColour_ = normal;
  hoverColour_ = hover;
  activeColour_ = active;
  Invalidate();
}

void CBitmapBtn2::SetImageFile(const std::wstring& path) {
  imagePath_ = path;
  useImage_ = !path.empty();
  ScaleImage();
  Invalidate();
}

void CBitmapBtn2::ScaleImage() {
  // Decoded here, at the button's size, not in a paint.
  const RECT client = GetClientRect();
  image_ = useImage_ ? LoadScaledPicture(imagePath_, client.right, client.bottom) : UniqueBitmap();
  imageSize_ = SIZE{client.right, client.bottom};
}

bool CBitmapBtn2::SetMaskRegion(const std::wstring& maskPath) {
  if (!ApplyWindowOutline(m_hWnd, SharedOutline(maskPath))) return false;
  Invalidate();
  return true;
}

void CBitmapBtn2::DrawItem(DRAWITEMSTRUCT* item) {
  ButtonState state;
  state.checked = checked_;
  state.pressed = (item->itemState & ODS_SELECTED) != 0;
  state.hover = hover_.hover();
  state.disabled = (item->itemState & ODS_DISABLED) != 0;
  const bool parentActive = GetActiveWindow() == GetAncestor(m_hWnd, GA_ROOT);
  const FaceChoice choice = ChooseBitmapBtn2Face(state, checkedShowsDisabled_, parentActive);

  const RECT client = GetClientRect();
  OffscreenBuffer buffer(item->hDC, client);
  HDC dc = buffer.dc();
  DrawBitmap(dc, faces_.Get(choice.face), 0, 0);
  if (caption_.empty()) {
    if (!useImage_) return;
    BlendPremultiplied(dc, image_.get(), 0, 0, client.right, client.bottom);
    return;
  }

  COLORREF colour = normalColour_;
  if (choice.colour == CaptionColour::kActive) colour = activeColour_;
  if (choice.colour == CaptionColour::kHover) colour = hoverColour_;
  if (choice.colour == CaptionColour::kGrey) colour = kGreyCaption;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  const SelectScope selectFont(dc, CachedFont(fontHeight_, FW_NORMAL, InterfaceFace(), 6, 14));
  RECT box = useTextRect_ ? textRect_ : client;
  if (useIndent_) box.left += indent_;
  constexpr UINT kLine = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  UINT format = kLine | DT_CENTER;
  switch (captionStyle_) {
    case kCaption2Left:
      format = kLine | DT_LEFT;
      break;
    case kCaption2Centre:
      break;
    case kCaption2CentreWide:
      box.right += 35;
      break;
    case kCaption2CentreNarrow:
      box.right += 15;
      break;
    case kCaption2Indented:
      box.left += 5;
      format = kLine | DT_LEFT;
      break;
    default:
      return;
  }
  DrawTextW(dc, caption_.c_str(), -1, &box, format);
}

LRESULT CBitmapBtn2::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;
    case WM_MOUSEMOVE: {
      const LRESULT result = DefWindowProc(message, wParam, lParam);
      if (hover_.OnMouseMove(m_hWnd, wParam, lParam) == HoverTracking::Change::kStarted) {
        HWND owner = HoverTracking::Owner(m_hWnd);
        if (owner)
          ::PostMessageW(owner, UM_BTN_HOVER, GetDlgCtrlID(m_hWnd),
                         reinterpret_cast<LPARAM>(m_hWnd));
      }
      return result;
    }
    case WM_MOUSELEAVE:
      if (hover_.Set(false)) Invalidate();
      return 0;
    case WM_KILLFOCUS: {
      const LRESULT result = DefWindowProc(message, wParam, lParam);
      if (hover_.Set(false)) Invalidate();
      return result;
    }
    case WM_CAPTURECHANGED:
      if (hover_.hover()) Invalidate();
      break;
    case WM_SIZE:
      if (useImage_ && (LOWORD(lParam) != imageSize_.cx || HIWORD(lParam) != imageSize_.cy))
        ScaleImage();
      break;
    case WM_LBUTTONDOWN:
      HoverTracking::ActivateOwner(m_hWnd);
      break;
    default:
      break;
  }
  return CButton::WindowProc(message, wParam, lParam);
}
