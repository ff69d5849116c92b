#include "editors/Rename_win.h"

#include "controls/ControlDraw_win.h"
#include "editors/EditorSkin_win.h"
#include "framework/ResourceIds.h"
#include "macro/EditorBoxes.h"
#include "settings/WideText_win.h"

namespace {

// Posted by the edit to its editor: the edit is not destroyed from inside its
// own window procedure.
constexpr UINT kCommitRequest = WM_APP + 0x40;
constexpr UINT kCancelRequest = WM_APP + 0x41;

constexpr int kFontHeight = 18;

}  // namespace

CRename::CRename() : CDialog(IDD_INPLACE_EDIT) {}

CRename::~CRename() = default;

bool CRename::Open(HWND parent, const RECT& rect, const std::wstring& text, int limit,
                   bool numeric) {
  if (!Create(parent)) return false;
  numeric_ = numeric;
  text_ = text;
  MoveWindow(rect, FALSE);
  const RECT client = GetClientRect();
  DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
  if (numeric) style |= ES_NUMBER;
  edit_.editor = m_hWnd;
  if (!edit_.Create(style, client, m_hWnd, 0)) return false;
  edit_.SendMessage(WM_SETFONT,
                    reinterpret_cast<WPARAM>(CachedFont(kFontHeight, FW_NORMAL, InterfaceFace())));
  edit_.SetWindowText(text);
  edit_.SetSel(0, -1);
  edit_.SetLimitText(limit);
  ShowWindow(SW_SHOW);
  ::SetFocus(edit_.GetSafeHwnd());
  active_ = true;
  return true;
}

void CRename::CloseEdit() {
  active_ = false;
  edit_.DestroyWindow();
}

void CRename::Commit() {
  if (!active_) return;
  text_ = edit_.GetWindowText();
  if (numeric_) number_ = BoxNumber(U16(text_));
  CloseEdit();
  ::PostMessageW(GetParent(), UM_INPLACE_DONE, reinterpret_cast<WPARAM>(this), 0);
}

void CRename::Cancel() {
  if (!active_) return;
  CloseEdit();
  // Nothing is left to show over the row until the parent closes the editor.
  ShowWindow(SW_HIDE);
}

BOOL CRename::PreTranslateMessage(MSG* msg) {
  // Enter and Escape go to the edit alone: the dialogs around it would close
  // on them.
  if (active_ && msg->hwnd == edit_.GetSafeHwnd() && IsEnterOrEscape(*msg)) {
    DispatchMessageW(msg);
    return TRUE;
  }
  return FALSE;
}

LRESULT CRename::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kCommitRequest:
      Commit();
      return 0;
    case kCancelRequest:
      Cancel();
      return 0;
    default:
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

LRESULT CRename::InnerEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_CHAR:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) return 0;
      break;
    case WM_KEYUP:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        ::PostMessageW(editor, wParam == VK_RETURN ? kCommitRequest : kCancelRequest, 0, 0);
        return 0;
      }
      break;
    case WM_KILLFOCUS: {
      const LRESULT result = CClrEdit::WindowProc(message, wParam, lParam);
      ::PostMessageW(editor, kCommitRequest, 0, 0);
      return result;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
      return 0;
    default:
      break;
  }
  return CClrEdit::WindowProc(message, wParam, lParam);
}
