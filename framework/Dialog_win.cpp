#include "framework/Dialog_win.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // The object comes with WM_INITDIALOG and takes the window over: from then
  // on everything goes through its WindowProc, in front of the dialog
  // manager's own procedure, and this one answers nothing.
  if (message != WM_INITDIALOG) return FALSE;
  auto* dialog = reinterpret_cast<CDialog*>(lParam);
  if (!dialog || !dialog->SubclassWindow(hwnd)) return FALSE;
  return dialog->WindowProc(message, wParam, lParam);
}

bool CDialog::CreateFromTemplate(HWND parent) {
  HWND hwnd = CreateDialogParamW(ResourceModule(), MAKEINTRESOURCEW(templateId_), parent,
                                 &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  return hwnd != nullptr && m_hWnd == hwnd;
}

bool CDialog::Create(HWND parent) { return CreateFromTemplate(parent); }

bool CDialog::CreateIndirect(const DLGTEMPLATE* dialogTemplate, HWND parent) {
  HWND hwnd = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, parent,
                                         &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  return hwnd != nullptr && m_hWnd == hwnd;
}

INT_PTR CDialog::DoModal() {
  HWND owner = parent_ ? parent_->m_hWnd : nullptr;
  const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
  ended_ = false;
  result_ = -1;
  if (!CreateFromTemplate(owner)) return -1;
  if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
  if (!ended_) ::ShowWindow(m_hWnd, SW_SHOW);

  running_ = true;
  MSG msg;
  while (!ended_ && m_hWnd) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    // Walk from the target window up to this dialog, as the framework does.
    bool handled = false;
    for (HWND h = msg.hwnd; h && !handled; h = ::GetParent(h)) {
      if (CWnd* wnd = FromHandle(h)) handled = wnd->PreTranslateMessage(&msg);
      if (h == m_hWnd) break;
    }
    if (!handled) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  running_ = false;

  if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
  if (owner && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
  if (m_hWnd) ::DestroyWindow(m_hWnd);
  return result_;
}

void CDialog::EndDialog(INT_PTR result) {
  result_ = result;
  ended_ = true;
  if (running_) {
    ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wake the loop
  } else if (m_hWnd) {
    ::DestroyWindow(m_hWnd);  // modeless
  }
}

BOOL CDialog::OnInitDialog() { return TRUE; }

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND:
      if (lParam == 0 || LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        if (OnCommand(wParam, lParam)) return 0;
        if (LOWORD(wParam) == IDOK) OnOK();
        if (LOWORD(wParam) == IDCANCEL) OnCancel();
        return 0;
      }
      break;
    case WM_CLOSE:
      OnCancel();
      return 0;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return FALSE;
  return ::IsDialogMessageW(m_hWnd, msg);
}

void MakeFrameless(HWND window, SIZE size) {
  SetWindowLongPtrW(
      window, GWL_STYLE,
      GetWindowLongPtrW(window, GWL_STYLE) &
          ~static_cast<LONG_PTR>(WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME));
  SetWindowLongPtrW(
      window, GWL_EXSTYLE,
      GetWindowLongPtrW(window, GWL_EXSTYLE) &
          ~static_cast<LONG_PTR>(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE));
  SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
