// Dialogs from resource templates, modal with a loop of our own so that
// PreTranslateMessage sees every message, or modeless.
#pragma once

#include "framework/Wnd_win.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);

  // Runs the dialog until EndDialog; returns its result, or -1 when it could
  // not be created.
  INT_PTR DoModal();
  // A modeless dialog.
  bool Create(HWND parent = nullptr);
  // A modeless dialog from a template in memory.
  bool CreateIndirect(const DLGTEMPLATE* dialogTemplate, HWND parent = nullptr);
  void EndDialog(INT_PTR result);
  bool IsModalLoopRunning() const { return running_; }

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Keyboard navigation of the dialog (IsDialogMessage).
  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  UINT templateId_;
  CWnd* parent_;

 private:
  static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
  bool CreateFromTemplate(HWND parent);

  bool running_ = false;
  bool ended_ = false;
  INT_PTR result_ = -1;
};

// Takes the caption and frame off a window and gives it `size`, so that its
// client area is the whole window (the skinned dialogs draw their own frame).
void MakeFrameless(HWND window, SIZE size);

// The extended dialog of the framework; the same dialog with room for more.
class CDialogEx : public CDialog {
 public:
  using CDialog::CDialog;
};
