// The image button of the editors and pop-ups: the platform's own click
// handling, a hover notification to its owner, caption styles and an outline.
#pragma once

#include <string>

#include "controls/BitmapBtn_win.h"

// Caption styles.
constexpr int kCaption2Left = 0;
constexpr int kCaption2Centre = 1;
constexpr int kCaption2CentreWide = 2;    // right edge + 35, centred
constexpr int kCaption2CentreNarrow = 3;  // right edge + 15, centred
constexpr int kCaption2Indented = 4;      // left edge + 5, left aligned

class CBitmapBtn2 : public CButton {
 public:
  bool CreateButton(const RECT& rect, HWND parent, UINT id = 0);
  void LoadStateImages(HBITMAP main, HBITMAP over, HBITMAP down, HBITMAP disabled,
                       const RECT& rect);
  void SetButtonText(const std::wstring& caption);
  void SetCheck(bool checked);
  bool GetCheck() const { return checked_; }
  bool GetHover() const { return hover_.hover(); }
  void SetCheckedShowsDisabled(bool on) { checkedShowsDisabled_ = on; }
  void SetTextRect(const RECT& rect);
  void SetCaptionStyle(int style);
  void SetTextIndent(int indent);
  void SetTextColors(COLORREF normal, COLORREF hover, COLORREF active);
  void SetFontHeight(int height) { fontHeight_ = height; }
  // A picture drawn over the face, stretched, while the caption is empty.
  void SetImageFile(const std::wstring& path);
  // Shapes the button with the mask file; "error" when that fails.
  bool SetMaskRegion(const std::wstring& maskPath);

  void PreSubclassWindow() override;
  void DrawItem(DRAWITEMSTRUCT* item) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ScaleImage();

  bool checked_ = false;
  HoverTracking hover_;
  bool checkedShowsDisabled_ = false;
  RECT textRect_{};
  bool useTextRect_ = false;
  int captionStyle_ = kCaption2Centre;
  int indent_ = 0;
  bool useIndent_ = false;
  std::wstring imagePath_;
  UniqueBitmap image_;  // the picture scaled to imageSize_, the button's size
  SIZE imageSize_{};
  bool useImage_ = false;
  COLORREF normalColour_ = RGB(255, 255, 255);
  COLORREF hoverColour_ = RGB(255, 255, 255);
  COLORREF activeColour_ = RGB(255, 255, 255);
  int fontHeight_ = 18;
  StateImages faces_;
  std::wstring caption_;
};
