#include "controls/ButtonRules.h"

FaceChoice ChooseBitmapBtnFace(const ButtonState& s) {
  ButtonFace face = ButtonFace::kMain;
  if (s.checked)
    face = ButtonFace::kDown;
  else if (s.pressed)
    face = ButtonFace::kMain;
  else if (s.hover)
    face = ButtonFace::kOver;
  if (s.disabled) face = ButtonFace::kDisabled;

  CaptionColour colour = CaptionColour::kNormal;
  if (s.disabled)
    colour = CaptionColour::kGrey;
  else if (s.pressed)
    colour = CaptionColour::kPressed;
  else if (s.hover)
    colour = CaptionColour::kHover;
  else if (s.checked)
    colour = CaptionColour::kPressed;
  return {face, colour};
}

FaceChoice ChooseBitmapBtnExFace(const ButtonState& s) {
  if (s.checked) return {ButtonFace::kDown, CaptionColour::kNormal};
  if (s.pressed) return {ButtonFace::kDown, CaptionColour::kActive};
  if (s.hover) return {ButtonFace::kOver, CaptionColour::kActive};
  if (s.disabled) return {ButtonFace::kDisabled, CaptionColour::kDisabledField};
  return {ButtonFace::kMain, CaptionColour::kNormal};
}

FaceChoice ChoosePngListBtnFace(const ButtonState& s) {
  if (s.disabled) return {ButtonFace::kDisabled, CaptionColour::kDisabledField};
  if (s.checked || s.pressed) return {ButtonFace::kDown, CaptionColour::kPressed};
  if (s.hover) return {ButtonFace::kOver, CaptionColour::kActive};
  return {ButtonFace::kMain, CaptionColour::kNormal};
}

FaceChoice ChooseBitmapBtn2Face(const ButtonState& s, bool checkedShowsDisabled,
                                bool parentActive) {
  ButtonFace face = ButtonFace::kMain;
  if (s.checked)
    face = checkedShowsDisabled ? ButtonFace::kDisabled : ButtonFace::kDown;
  else if (s.pressed)
    face = ButtonFace::kMain;
  else if (s.hover)
    face = ButtonFace::kOver;
  else if (s.disabled)
    face = ButtonFace::kDisabled;

  CaptionColour colour = CaptionColour::kNormal;
  if (s.disabled)
    colour = CaptionColour::kGrey;
  else if (!parentActive)
    colour = CaptionColour::kNormal;
  else if (s.pressed || s.checked)
    colour = CaptionColour::kActive;
  else if (s.hover)
    colour = CaptionColour::kHover;
  return {face, colour};
}
