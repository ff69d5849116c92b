// Which state image and caption colour an image button shows, and the click
// guard of its release handling. Pure rules, shared by the button classes.
#pragma once

#include <cstdint>

enum class ButtonFace { kMain, kOver, kDown, kDisabled };
// A face as one bit of a set of faces.
constexpr unsigned FaceBit(ButtonFace face) { return 1u << static_cast<unsigned>(face); }
// kActive is the "second" colour of the derived buttons; kDisabledField the
// disabled colour they keep; kGrey the fixed 0x7B7B7B.
enum class CaptionColour { kNormal, kHover, kPressed, kActive, kDisabledField, kGrey };

struct ButtonState {
  bool checked = false;
  bool pressed = false;  // the platform shows the button pushed (ODS_SELECTED)
  bool hover = false;
  bool disabled = false;
};

struct FaceChoice {
  ButtonFace face;
  CaptionColour colour;
  bool operator==(const FaceChoice&) const = default;
};

// CBitmapBtn. Disabled wins for the image and, so that a checked disabled
// button does not look usable, for the caption too.
FaceChoice ChooseBitmapBtnFace(const ButtonState& state);
// CBitmapBtnEx and CBitmapListBtn.
FaceChoice ChooseBitmapBtnExFace(const ButtonState& state);
// CPngListBtn: disabled is tested first.
FaceChoice ChoosePngListBtnFace(const ButtonState& state);
// CBitmapBtn2: checked may show the disabled image; while its parent is not
// the active window the caption keeps the normal colour.
FaceChoice ChooseBitmapBtn2Face(const ButtonState& state, bool checkedShowsDisabled,
                                bool parentActive);

constexpr std::uint32_t kClickGuardMs = 500;

// At most one click notification per 500 ms, so that the release after a
// double click (which refreshes the time) sends nothing. Times are tick counts
// in milliseconds; the unsigned difference survives the counter's wrap.
class ClickGuard {
 public:
  // A release at `now`: true when BN_CLICKED is to be sent.
  bool Click(std::uint32_t now) {
    if (now - last_ <= kClickGuardMs) return false;
    last_ = now;
    return true;
  }
  // A double click at `now`: true when BN_DOUBLECLICKED is to be sent.
  bool DoubleClick(std::uint32_t now) {
    if (now == last_) return false;
    last_ = now;
    return true;
  }

 private:
  std::uint32_t last_ = 0;
};
