// Turns WM_COMMAND from child controls into calls of their handlers. The
// program's controls carry id 0, so a command is told apart by the window
// that sent it. Before a handler runs, an open popup menu is closed; the
// handler learns whether one was, so that a second click on a drop-down
// button only closes its menu.
#pragma once

#include <windows.h>

#include <functional>
#include <unordered_map>

struct CommandContext {
  HWND sender = nullptr;
  UINT code = 0;  // the notification: BN_CLICKED, BN_DOUBLECLICKED, EN_CHANGE, ...
  bool popupWasOpen = false;

  bool IsClick() const { return code == BN_CLICKED; }
  bool IsDoubleClick() const { return code == BN_DOUBLECLICKED; }
};

template <typename Result>
class CommandRouter {
 public:
  using Handler = std::function<Result(const CommandContext&)>;

  // A control's handler; a second call for the same window replaces it.
  void Add(HWND control, Handler handler) {
    if (control) handlers_[control] = std::move(handler);
  }
  void Remove(HWND control) { handlers_.erase(control); }
  bool Handles(HWND control) const { return handlers_.count(control) != 0; }

  // The command's context, with any open popup menu closed first.
  static CommandContext Begin(WPARAM wParam, LPARAM lParam);
  // Runs the sender's handler; `fallback` when no handler is registered.
  Result Dispatch(const CommandContext& context, Result fallback) const {
    const auto found = handlers_.find(context.sender);
    return found == handlers_.end() ? fallback : found->second(context);
  }

 private:
  std::unordered_map<HWND, Handler> handlers_;
};

// Closes the open popup menu, if any; true when one was open.
bool CloseOpenPopup();

template <typename Result>
CommandContext CommandRouter<Result>::Begin(WPARAM wParam, LPARAM lParam) {
  CommandContext context;
  context.sender = reinterpret_cast<HWND>(lParam);
  context.code = HIWORD(wParam);
  context.popupWasOpen = CloseOpenPopup();
  return context;
}
