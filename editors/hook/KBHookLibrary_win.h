// The macro editor's handle on KBHook.dll: loaded from the program folder when
// the editor opens, freed when it closes. Every export is optional: without
// the library, or without one of its functions, recording simply shows no
// events.
#pragma once

#include <windows.h>

#include <filesystem>

class KBHookLibrary {
 public:
  using WindowFunction = BOOL (*)(HWND);
  using SwitchFunction = void (*)(BOOL);
  using PlainFunction = BOOL (*)();

  explicit KBHookLibrary(const std::filesystem::path& programFolder)
      : module_(LoadLibraryW((programFolder / L"KBHook.dll").c_str())) {
    if (!module_) return;
    installKeys_ = Find<WindowFunction>("installhook");
    installMouse_ = Find<WindowFunction>("installmousehook");
    hookDialog_ = Find<WindowFunction>("hookDlg");
    enableKeys_ = Find<SwitchFunction>("enablehook");
    enableMouse_ = Find<SwitchFunction>("enablemousehook");
    removeKeys_ = Find<PlainFunction>("removehook");
    removeMouse_ = Find<PlainFunction>("removemousehook");
  }
  ~KBHookLibrary() {
    Remove();
    if (module_) FreeLibrary(module_);
  }
  KBHookLibrary(const KBHookLibrary&) = delete;
  KBHookLibrary& operator=(const KBHookLibrary&) = delete;

  bool loaded() const { return module_ != nullptr; }

  // Keyboard and mouse reports go to `window` (again after the delay editor,
  // which replaces the registration rather than adding a second one).
  void Install(HWND window) {
    if (installKeys_) installKeys_(window);
    if (installMouse_) installMouse_(window);
  }
  // Once, after the first Install.
  void HookDialog(HWND window) {
    if (hookDialog_) hookDialog_(window);
  }
  // Reports reach the window only while enabled, that is while recording.
  void Enable(bool on) {
    if (enableKeys_) enableKeys_(on);
    if (enableMouse_) enableMouse_(on);
  }
  void Remove() {
    if (removeKeys_) removeKeys_();
    if (removeMouse_) removeMouse_();
  }

 private:
  template <typename Function>
  Function Find(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

  HMODULE module_;
  WindowFunction installKeys_ = nullptr;
  WindowFunction installMouse_ = nullptr;
  WindowFunction hookDialog_ = nullptr;
  SwitchFunction enableKeys_ = nullptr;
  SwitchFunction enableMouse_ = nullptr;
  PlainFunction removeKeys_ = nullptr;
  PlainFunction removeMouse_ = nullptr;
};
