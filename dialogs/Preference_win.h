// The preferences dialog: the interface language. Choosing a language in its
// menu switches the skin file at once, so that this dialog and the window
// behind it show the new language while the dialog is still open; OK keeps the
// choice, and the opener restores the previous language on Cancel or close.
#pragma once

#include <functional>

#include "controls/BitmapBtn_win.h"
#include "dialogs/DialogSkin_win.h"

class CPreference : public CSkinDialog {
 public:
  explicit CPreference(CWnd* parent = nullptr);
  ~CPreference() override;

  // The chosen language (the settings' lan_id: 1 English, 0 Czech); set before
  // DoModal, read after IDOK.
  int m_languageIndex = 1;
  // Runs after a pick switched the skin file, so that the opener shows the
  // language too.
  std::function<void(int languageIndex)> onLanguageChanged;

  HWND languageButton() const { return language_.GetSafeHwnd(); }
  HWND okButton() const { return ok_.GetSafeHwnd(); }
  HWND closeButton() const { return close_.GetSafeHwnd(); }

  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // Creates the buttons on the first call; later calls move them and give
  // them the faces and texts of the current skin file.
  void BuildFromSkin() override;
  void PaintContent(HDC dc) override;

 private:
  void ShowLanguageName();
  void OpenLanguageMenu();
  void OnLanguagePick(int value);

  bool built_ = false;
  CBitmapBtn language_;
};
