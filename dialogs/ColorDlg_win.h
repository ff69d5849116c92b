// The colour picker of a sensitivity level: a colour wheel that is part of
// the dialog's skin picture, a preview, OK and Cancel. The colour of the
// picture under a click becomes the current colour; OK hands it back.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "dialogs/DialogSkin_win.h"

constexpr int kPickerColours = 7;
// The opener's mode for picking a level's indicator colour.
constexpr int kColourModeLevel = 3;

class CColorDlg : public CSkinDialog {
 public:
  explicit CColorDlg(CWnd* owner = nullptr);
  ~CColorDlg() override;

  void SetMode(int mode) { mode_ = mode; }
  // The line drawn under the heading ("1200 DPI: ", or "X").
  void SetCaption(const std::wstring& caption) { caption_ = caption; }
  // The second value is the colour the dialog starts from.
  void SetPickerColors(const std::array<COLORREF, kPickerColours>& colours) { colours_ = colours; }
  // The current colour: after IDOK, the one last picked.
  COLORREF PickedColour() const { return colours_[1]; }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void BuildFromSkin() override;
  void PaintContent(HDC dc) override;

 private:
  // The colour of the wheel picture at a client point; false where it has none.
  bool ColourAt(POINT point, COLORREF& colour) const;

  std::array<COLORREF, kPickerColours> colours_{};
  int mode_ = 0;
  std::wstring caption_;
  RECT wheel_{};
  POINT wheelCentre_{};
  int wheelRadius_ = 0;
  RECT preview_{};
  bool overWheel_ = false;
};
