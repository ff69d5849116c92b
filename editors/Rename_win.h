// The in-place editor: a small edit laid over a list row. Enter or the loss
// of the focus commits, Escape cancels; a commit is posted to the parent as
// UM_INPLACE_DONE, and the parent reads the typed value and destroys the
// editor.
#pragma once

#include <string>

#include "controls/ClrEdit_win.h"
#include "framework/Dialog_win.h"

// wParam: the CRename that committed.
constexpr unsigned UM_INPLACE_DONE = 0x4405;

class CRename : public CDialog {
 public:
  CRename();
  ~CRename() override;

  // Creates the editor at `rect` of the parent's client area with `text` all
  // selected, at most `limit` characters, and gives it the focus. In numeric
  // mode the committed text is also read as a whole number.
  bool Open(HWND parent, const RECT& rect, const std::wstring& text, int limit, bool numeric);

  bool active() const { return active_; }
  // The committed text and, in numeric mode, its number.
  const std::wstring& text() const { return text_; }
  int number() const { return number_; }
  // The edit window while active, for the parent's key routing.
  HWND edit() const { return edit_.GetSafeHwnd(); }

  void Commit();
  void Cancel();

  BOOL PreTranslateMessage(MSG* msg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  class InnerEdit : public CClrEdit {
   public:
    HWND editor = nullptr;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  };
  void CloseEdit();

  InnerEdit edit_;
  std::wstring text_;
  int number_ = 0;
  bool numeric_ = false;
  bool active_ = false;
};
