#include "controls/BitmapBtn_win.h"

#include <commctrl.h>

#include "controls/ControlDraw_win.h"
#include "skin/SkinImages_win.h"

namespace {

constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;       // 0x8805
constexpr UINT kLeft = DT_LEFT | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;            // 0x8804
constexpr UINT kWordBreak = DT_WORDBREAK | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;  // 0x8814
constexpr UINT kRight = DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

bool ToolTipClassesReady() {
  static const bool ready = [] {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  return ready;
}

}  // namespace

CBitmapBtn::~CBitmapBtn() { DestroyToolTip(); }

void CBitmapBtn::DestroyToolTip() {
  // The tooltip is owned by the button's top-level window, not the button:
  // without this it would outlive every button that made one.
  if (tooltip_ && IsWindow(tooltip_)) ::DestroyWindow(tooltip_);
  tooltip_ = nullptr;
  hasTool_ = false;
}

bool CBitmapBtn::CreateButton(const RECT& rect, HWND parent, UINT id) {
  return Create(L"", WS_VISIBLE | BS_OWNERDRAW, rect, parent, id);
}

void CBitmapBtn::PreSubclassWindow() {
  HoverTracking::MakeOwnerDrawn(m_hWnd);
  Invalidate();
}

void CBitmapBtn::LoadStateImages(HBITMAP main, HBITMAP over, HBITMAP down, HBITMAP disabled,
                                 const RECT& rect) {
  const unsigned cut = faces_.Cut(main, over, down, disabled, rect);
  const LONG_PTR style = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
  const LONG_PTR kept = style & ~static_cast<LONG_PTR>(WS_BORDER | WS_TABSTOP);
  if (kept != style) SetWindowLongPtrW(m_hWnd, GWL_STYLE, kept);
  // Faces of other states, given later, leave what is on screen as it is.
  if (cut & FaceBit(ChooseFace(CurrentState()).face)) Invalidate();
}

ButtonState CBitmapBtn::CurrentState() const {
  ButtonState state;
  state.checked = checked_;
  state.pressed = (::SendMessageW(m_hWnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  state.hover = hover_.hover();
  state.disabled = !IsWindowEnabled();
  return state;
}

FaceChoice CBitmapBtn::ChooseFace(const ButtonState& state) const {
  return ChooseBitmapBtnFace(state);
}

void CBitmapBtn::SetButtonText(const std::wstring& caption, int offset, bool offsetOnLeftOnly) {
  if (caption == caption_ && offset == captionOffset_) return;
  caption_ = caption;
  captionOffset_ = offset;
  offsetOnLeftOnly_ = offsetOnLeftOnly;
  Invalidate();
}

void CBitmapBtn::SetCheck(bool checked) {
  const bool hoverEnded = hover_.Set(false);
  if (checked == checked_ && !hoverEnded) return;
  checked_ = checked;
  Invalidate();
}

void CBitmapBtn::SetHover(bool hover) {
  if (hover_.Set(hover)) Invalidate();
}

void CBitmapBtn::SetTextColors(COLORREF normal, COLORREF second) {
  normalColour_ = normal;
  secondColour_ = second;
  Invalidate();
}

void CBitmapBtn::SetTextRect(int left, int top, int right, int bottom) {
  textRect_ = RECT{left, top, right, bottom};
  useTextRect_ = true;
}

void CBitmapBtn::EnsureToolTip() {
  if (tooltip_ || !m_hWnd || !ToolTipClassesReady()) return;
  tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (tooltip_) ::SendMessageW(tooltip_, TTM_ACTIVATE, FALSE, 0);
}

void CBitmapBtn::SetTipText(const std::wstring& text, bool activate) {
  tipText_ = text;
  tipActive_ = activate;
  if (tooltip_) ApplyTip();
}

void CBitmapBtn::ApplyTip() {
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the control
  tool.hwnd = m_hWnd;
  tool.uId = 1;
  tool.lpszText = const_cast<wchar_t*>(tipText_.c_str());
  if (!hasTool_) {
    // The button relays its mouse messages (PreTranslateMessage): no subclassing.
    tool.uFlags = 0;
    tool.rect = GetClientRect();
    hasTool_ = ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
  } else {
    ::SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  ::SendMessageW(tooltip_, TTM_ACTIVATE, tipActive_, 0);
}

BOOL CBitmapBtn::PreTranslateMessage(MSG* msg) {
  // The tooltip window is made when the pointer first comes over the button:
  // a window of a hundred buttons starts without a hundred tooltip windows.
  if (!tooltip_ && msg->message == WM_MOUSEMOVE && !tipText_.empty()) {
    EnsureToolTip();
    if (tooltip_) ApplyTip();
  }
  if (tooltip_) ::SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
  return CButton::PreTranslateMessage(msg);
}

ButtonState CBitmapBtn::StateOf(const DRAWITEMSTRUCT* item) const {
  ButtonState state;
  state.checked = checked_;
  state.pressed = (item->itemState & ODS_SELECTED) != 0;
  state.hover = hover_.hover();
  state.disabled = (item->itemState & ODS_DISABLED) != 0;
  return state;
}

unsigned StateImages::Cut(HBITMAP mainSheet, HBITMAP overSheet, HBITMAP downSheet,
                          HBITMAP disabledSheet, const RECT& rect) {
  CutSheetImage(main, nullptr, mainSheet, rect);
  CutSheetImage(over, nullptr, overSheet, rect);
  CutSheetImage(down, nullptr, downSheet, rect);
  CutSheetImage(disabled, nullptr, disabledSheet, rect);
  return (mainSheet ? FaceBit(ButtonFace::kMain) : 0u) |
         (overSheet ? FaceBit(ButtonFace::kOver) : 0u) |
         (downSheet ? FaceBit(ButtonFace::kDown) : 0u) |
         (disabledSheet ? FaceBit(ButtonFace::kDisabled) : 0u);
}

HBITMAP StateImages::Get(ButtonFace face) const {
  switch (face) {
    case ButtonFace::kOver:
      return over.get();
    case ButtonFace::kDown:
      return down.get();
    case ButtonFace::kDisabled:
      return disabled.get();
    default:
      return main.get();
  }
}

COLORREF CBitmapBtn::ColourOf(CaptionColour colour) const {
  switch (colour) {
    case CaptionColour::kHover:
      return hoverColour_;
    case CaptionColour::kPressed:
      return pressedColour_;
    case CaptionColour::kActive:
      return secondColour_;
    case CaptionColour::kDisabledField:
      return disabledColour_;
    case CaptionColour::kGrey:
      return kGreyCaption;
    default:
      return normalColour_;
  }
}

void CBitmapBtn::DrawItem(DRAWITEMSTRUCT* item) {
  const FaceChoice choice = ChooseFace(StateOf(item));
  const RECT client = GetClientRect();
  const HBITMAP face = faces_.Get(choice.face);
  OffscreenBuffer buffer(item->hDC, client, StartUnder(face, client));
  HDC dc = buffer.dc();
  DrawBitmap(dc, face, 0, 0);
  if (caption_.empty()) return;

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColourOf(choice.colour));
  const SelectScope selectFont(dc, CachedFont(fontHeight_, fontWeight_, InterfaceFace()));

  RECT box = useTextRect_ ? textRect_ : client;
  RECT measure = box;
  DrawTextW(dc, caption_.c_str(), -1, &measure, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  const int textHeight = measure.bottom - measure.top;
  box.top = box.top + (box.bottom - textHeight - box.top) / 2 - 1;
  if (!offsetOnLeftOnly_) box.right = client.right - captionOffset_;
  UINT format = kRight;
  switch (alignment_) {
    case kAlignCentre:
      InflateRect(&box, -marginX_, -marginY_);
      format = kCentred;
      break;
    case kAlignLeft:
      box.right -= 1;
      box.left += captionOffset_ + 3;
      format = kLeft;
      break;
    case kAlignWordBreak:
      InflateRect(&box, -marginX_, -marginY_);
      format = kWordBreak;
      break;
    default:
      break;
  }
  DrawTextW(dc, caption_.c_str(), -1, &box, format);
}

LRESULT CBitmapBtn::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;
    case WM_DESTROY:
      DestroyToolTip();
      break;
    case WM_MOUSEMOVE: {
      const LRESULT result = DefWindowProc(message, wParam, lParam);
      hover_.OnMouseMove(m_hWnd, wParam, lParam);
      return result;
    }
    case WM_MOUSELEAVE:
      SetHover(false);
      return 0;
    case WM_KILLFOCUS: {
      const LRESULT result = DefWindowProc(message, wParam, lParam);
      SetHover(false);
      return result;
    }
    case WM_CAPTURECHANGED:
      if (hover_.hover()) Invalidate();
      break;
    case WM_LBUTTONDOWN:
      HoverTracking::ActivateOwner(m_hWnd);
      break;
    case WM_LBUTTONUP: {
      // The platform's own release handling would send a click of its own;
      // dropping the capture ends its pushed state instead.
      HWND self = m_hWnd;
      const bool click = clicks_.Click(GetTickCount());
      if (GetCapture() == self) ReleaseCapture();
      if (click)
        ::SendMessageW(::GetParent(self), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(self), BN_CLICKED),
                       reinterpret_cast<LPARAM>(self));
      return 0;
    }
    case WM_LBUTTONDBLCLK:
      if (clicks_.DoubleClick(GetTickCount()))
        ::SendMessageW(GetParent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(m_hWnd), BN_DOUBLECLICKED),
                       reinterpret_cast<LPARAM>(m_hWnd));
      return 0;
    default:
      break;
  }
  return CButton::WindowProc(message, wParam, lParam);
}

// CBitmapBtnEx --------------------------------------------------------------

RECT CBitmapBtnEx::CaptionRect(const RECT& client) const {
  RECT box = client;
  if (offsetOnLeftOnly_)
    box.left += captionOffset_;
  else
    box.right -= captionOffset_;
  return box;
}

UINT CBitmapBtnEx::CaptionFormat() const {
  constexpr UINT kLine = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (alignment_ == kAlignCentre) return kLine | DT_CENTER;
  if (alignment_ == kAlignLeft) return kLine | DT_LEFT;
  return kLine | DT_RIGHT;
}

FaceChoice CBitmapBtnEx::ChooseFace(const ButtonState& state) const {
  return ChooseBitmapBtnExFace(state);
}

void CBitmapBtnEx::DrawItem(DRAWITEMSTRUCT* item) {
  const FaceChoice choice = ChooseFace(StateOf(item));
  const RECT client = GetClientRect();
  const HBITMAP face = faces_.Get(choice.face);
  OffscreenBuffer buffer(item->hDC, client, StartUnder(face, client));
  HDC dc = buffer.dc();
  DrawBitmap(dc, face, 0, 0);
  if (caption_.empty()) return;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColourOf(choice.colour));
  const SelectScope selectFont(dc, CachedFont(fontHeight_, fontWeight_, fontFace_));
  RECT box = CaptionRect(client);
  DrawTextW(dc, caption_.c_str(), -1, &box, CaptionFormat());
}
