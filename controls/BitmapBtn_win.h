// Image buttons whose four state faces are cut from the screen sheets at the
// button's rectangle, with an optional caption in the interface font.
#pragma once

#include <string>

#include "controls/ButtonRules.h"
#include "controls/HoverTracking_win.h"
#include "framework/Controls_win.h"
#include "framework/Paint_win.h"

// Caption alignment modes.
constexpr int kAlignLeft = 0;
constexpr int kAlignCentre = 1;
constexpr int kAlignWordBreak = 100;

constexpr COLORREF kGreyCaption = 0x7B7B7B;

// The four state faces of an image button, each exactly the button's size.
struct StateImages {
  UniqueBitmap main, over, down, disabled;

  // Each face becomes `rect` of the matching sheet; an empty sheet leaves that
  // face. Returns the faces cut (FaceBit).
  unsigned Cut(HBITMAP mainSheet, HBITMAP overSheet, HBITMAP downSheet, HBITMAP disabledSheet,
               const RECT& rect);
  HBITMAP Get(ButtonFace face) const;
};

class CBitmapBtn : public CButton {
 public:
  CBitmapBtn() = default;
  ~CBitmapBtn() override;

  // A visible owner-drawn child at `rect` with an empty title.
  bool CreateButton(const RECT& rect, HWND parent, UINT id = 0);

  // Each face becomes `rect` of the matching sheet; an empty sheet leaves that face.
  void LoadStateImages(HBITMAP main, HBITMAP over, HBITMAP down, HBITMAP disabled,
                       const RECT& rect);
  void SetButtonText(const std::wstring& caption, int offset = 0, bool offsetOnLeftOnly = false);
  const std::wstring& GetButtonText() const { return caption_; }
  void SetCheck(bool checked);
  bool GetCheck() const { return checked_; }
  void SetHover(bool hover);
  bool GetHover() const { return hover_.hover(); }
  void SetTextColors(COLORREF normal, COLORREF second);
  void SetHoverColor(COLORREF colour) { hoverColour_ = colour; }
  void SetDisabledColor(COLORREF colour) { disabledColour_ = colour; }
  void ResetPressedColor() { pressedColour_ = RGB(255, 255, 255); }
  void SetFontHeight(int height) { fontHeight_ = height; }
  void SetBold() { fontWeight_ = FW_BOLD; }
  void SetTextAlign(int mode) { alignment_ = mode; }
  void SetTextMargins(int x, int y) {
    marginX_ = x;
    marginY_ = y;
  }
  void ClearTextMargins() { SetTextMargins(0, 0); }
  void SetTextRect(int left, int top, int right, int bottom);
  void ClearTextRect() { useTextRect_ = false; }
  void SetTipText(const std::wstring& text, bool activate);
  HWND GetToolTip() const { return tooltip_; }

  void PreSubclassWindow() override;
  BOOL PreTranslateMessage(MSG* msg) override;
  void DrawItem(DRAWITEMSTRUCT* item) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  ButtonState StateOf(const DRAWITEMSTRUCT* item) const;
  // The state the button is in now, outside a paint.
  ButtonState CurrentState() const;
  // The face and caption colour of a state: each class has its own rule.
  virtual FaceChoice ChooseFace(const ButtonState& state) const;
  COLORREF ColourOf(CaptionColour colour) const;
  void EnsureToolTip();
  void DestroyToolTip();
  // Gives the tooltip window the stored text and activation.
  void ApplyTip();

  HWND tooltip_ = nullptr;  // a child of the button: destroyed with it
  bool hasTool_ = false;
  std::wstring tipText_;
  bool tipActive_ = false;
  RECT textRect_{};
  bool useTextRect_ = false;
  bool checked_ = false;
  ClickGuard clicks_;
  HoverTracking hover_;
  int alignment_ = kAlignCentre;
  int marginX_ = 0;
  int marginY_ = 0;
  StateImages faces_;
  int captionOffset_ = 0;
  int fontWeight_ = FW_NORMAL;
  int fontHeight_ = 18;
  COLORREF hoverColour_ = RGB(255, 255, 255);
  bool offsetOnLeftOnly_ = false;
  COLORREF normalColour_ = 0xD0D0D0;
  COLORREF secondColour_ = 0;
  COLORREF disabledColour_ = kGreyCaption;
  COLORREF pressedColour_ = RGB(255, 255, 255);
  std::wstring caption_;
};

// The base of the list rows: its own caption layout and face rules, and a
// font face of its own.
class CBitmapBtnEx : public CBitmapBtn {
 public:
  void SetFontFace(const std::wstring& face) { fontFace_ = face; }
  void DrawItem(DRAWITEMSTRUCT* item) override;

 protected:
  FaceChoice ChooseFace(const ButtonState& state) const override;
  // Caption rectangle and format of the row classes.
  RECT CaptionRect(const RECT& client) const;
  UINT CaptionFormat() const;

  std::wstring fontFace_;
};
