// Slider, scroll-bar and menu arithmetic, and the image buttons' face rules.
#include <gtest/gtest.h>

#include "controls/ButtonRules.h"
#include "controls/MenuGeometry.h"
#include "controls/RangeGeometry.h"

namespace {

// 214 pixels wide with a 14-pixel thumb: travel 200, 20 pixels per step of 0..10.
SliderMetrics Slider214() { return SliderMetrics{100, 214, 14, 0, 10}; }

TEST(ControlsSlider, ValueFromPointFollowsTheThumbCentre) {
  struct Case {
    int dx;  // from the slider's left edge
    int value;
  } cases[] = {
      {7 + 30, 2},   {7 + 29, 1},   {7 + 3, 0}, {7 + 7, 0},    {7 + 10, 1},
      {7 + 200, 10}, {7 + 201, 10}, {-50, 0},   {7 + 190, 10}, {7 + 189, 9},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SliderValueAt(Slider214(), 100 + c.dx), c.value) << "dx " << c.dx;
}

TEST(ControlsSlider, ValueKeepsAnOffsetRange) {
  SliderMetrics s = Slider214();
  s.minimum = 20;
  s.maximum = 30;
  EXPECT_EQ(SliderValueAt(s, 100 + 7 + 30), 22);
  EXPECT_EQ(SliderValueAt(s, 100 + 7 + 3), 20);
}

TEST(ControlsSlider, EmptyRangeOrWideThumbGivesTheMinimumAndNoTravel) {
  SliderMetrics flat = Slider214();
  flat.minimum = flat.maximum = 5;
  EXPECT_EQ(SliderValueAt(flat, 100 + 150), 5);
  EXPECT_EQ(SliderThumbX(flat, 5), 0);
  SliderMetrics wide{0, 10, 14, 0, 10};
  EXPECT_EQ(SliderValueAt(wide, 8), 0);
  EXPECT_EQ(SliderThumbX(wide, 3), 0);
}

TEST(ControlsSlider, ThumbPosition) {
  const int expected[] = {0, 20, 40, 60, 80, 100, 120, 140, 160, 180, 200};
  for (int p = 0; p <= 10; ++p) EXPECT_EQ(SliderThumbX(Slider214(), p), expected[p]);
  // 7 steps over 200 pixels: truncated, never rounded up.
  SliderMetrics seven{0, 214, 14, 0, 7};
  EXPECT_EQ(SliderThumbX(seven, 1), 28);
  EXPECT_EQ(SliderThumbX(seven, 7), 200);
}

TEST(ControlsScrollBar, Geometry) {
  struct Case {
    int length;
    ScrollRange range;
    int shown;
    int arrow, thumbStart, thumbLength;
  } cases[] = {
      // 5 items, 3 rows on 75 pixels with 9-pixel cells: track 57, thumb 57*3/5 = 34.
      {75, {0, 4, 3, 0}, 0, 9, 9, 34},
      {75, {0, 4, 3, 2}, 2, 9, 9 + 2 * 23 / 2, 34},
      // Thumb never below 12 pixels.
      {75, {0, 99, 3, 0}, 0, 9, 9, 12},
      // Track of 11 pixels or less: no thumb.
      {29, {0, 4, 3, 0}, 0, 9, 9, 0},
      {30, {0, 4, 3, 0}, 0, 9, 9, 12},
      // Nothing to scroll: no thumb.
      {75, {0, 2, 3, 0}, 0, 9, 9 + 57 / 2, 0},
      // Too short for a track: each arrow takes half.
      {14, {0, 4, 3, 0}, 0, 7, 7, 0},
  };
  for (const Case& c : cases) {
    const ScrollBarLayout l = LayOutScrollBar(c.length, 9, c.range, c.shown);
    EXPECT_EQ(l.arrow, c.arrow) << c.length;
    EXPECT_EQ(l.thumbStart, c.thumbStart) << c.length;
    EXPECT_EQ(l.thumbLength, c.thumbLength) << c.length;
  }
}

TEST(ControlsScrollBar, HitTestNamesEachPart) {
  const ScrollBarLayout l = LayOutScrollBar(75, 9, {0, 4, 3, 1}, 1);  // thumb 20..54
  ASSERT_EQ(l.thumbStart, 20);
  struct Case {
    int along, across, part;
  } cases[] = {{0, 4, 0},   {8, 4, 0},   {9, 4, 2},   {19, 4, 2},  {20, 4, 5},
               {53, 4, 5},  {54, 4, 3},  {65, 4, 3},  {66, 4, 1},  {74, 4, 1},
               {75, 4, -1}, {-1, 4, -1}, {30, 9, -1}, {30, -1, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(ScrollBarHitTest(l, 9, c.along, c.across), c.part) << c.along << "," << c.across;
}

TEST(ControlsScrollBar, DragMovesByPositionsPerPixelWithinTheSpan) {
  const ScrollRange range{0, 4, 3, 0};
  const ScrollBarLayout l = LayOutScrollBar(75, 9, range, 0);  // 23 free pixels, 2 positions
  EXPECT_EQ(ScrollDragPosition(l, range, 0, 11), 0);
  EXPECT_EQ(ScrollDragPosition(l, range, 0, 12), 1);
  EXPECT_EQ(ScrollDragPosition(l, range, 0, 500), 2);
  EXPECT_EQ(ScrollDragPosition(l, range, 2, -500), 0);
  const ScrollBarLayout noTrack = LayOutScrollBar(14, 9, range, 0);
  EXPECT_EQ(ScrollDragPosition(noTrack, range, 1, 40), 1);
}

TEST(ControlsMenu, ResizeImageBands) {
  using B = std::vector<ImageBand>;
  // Growing 100 -> 175 with 25-pixel edges: whole source, then the 50-row
  // middle at 25 and 75 (repeats (175 - 100 + 25) / 50 + 1 = 3, the last cut),
  // then the bottom 75 rows so the source's bottom lands on the new bottom.
  EXPECT_EQ(ResizeMenuImageBands(100, 175, 25),
            (B{{0, 0, 100}, {25, 25, 50}, {25, 75, 50}, {25, 125, 50}, {25, 100, 75}}));
  // Shrinking above the edge: the top, then the bottom band.
  EXPECT_EQ(ResizeMenuImageBands(100, 60, 25), (B{{0, 0, 60}, {75, 35, 25}}));
  // Down to the edge or below: half from the top, half from the bottom.
  EXPECT_EQ(ResizeMenuImageBands(100, 25, 25), (B{{0, 0, 12}, {87, 12, 13}}));
  // A middle band of no rows is not repeated.
  EXPECT_EQ(ResizeMenuImageBands(50, 80, 25), (B{{0, 0, 50}, {25, 55, 25}}));
  EXPECT_TRUE(ResizeMenuImageBands(0, 80, 25).empty());
}

TEST(ControlsMenu, FirstVisibleIsClamped) {
  struct Case {
    int first, count, rows, expected;
  } cases[] = {{2, 5, 3, 2}, {3, 5, 3, 2}, {-1, 5, 3, 0}, {4, 2, 3, 0}, {1, 3, 3, 0}, {0, 0, 0, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(ClampFirstVisible(c.first, c.count, c.rows), c.expected) << c.first;
}

TEST(ControlsMenu, LineDownStopsAtTheLastPage) {
  int first = 0;
  for (int i = 0; i < 3; ++i) first = ClampFirstVisible(MenuScrollTarget(1, 0, first, 5, 3), 5, 3);
  EXPECT_EQ(first, 2);
  EXPECT_EQ(MenuScrollTarget(0, 0, 0, 5, 3), 0);  // line up stays at 0
  EXPECT_EQ(MenuScrollTarget(3, 0, 1, 5, 3), 2);  // page down not beyond count - page
  EXPECT_EQ(MenuScrollTarget(2, 0, 1, 5, 3), 0);  // page up not below 0
  EXPECT_EQ(MenuScrollTarget(5, 1, 0, 5, 3), 1);  // thumb track
  EXPECT_EQ(MenuScrollTarget(8, 0, 1, 5, 3), 1);  // end scroll keeps it
}

TEST(ControlsMenu, SubmenuStaysOnScreen) {
  SubmenuPlacement p;
  p.parent = {100, 200};
  p.parentImageWidth = 200;
  p.row = 2;
  p.rowHeight = 24;
  p.submenuImageWidth = 150;
  p.childCount = 4;
  p.visibleRows = 12;
  p.screenWidth = 1920;
  p.screenHeight = 1080;
  EXPECT_EQ(PlaceSubmenu(p), (MenuPoint{300, 248}));
  p.parent = {1700, 200};  // 1900 + 150 leaves the screen: opens on the left
  EXPECT_EQ(PlaceSubmenu(p), (MenuPoint{1550, 248}));
  p.parent = {100, 1000};  // 1048 + 3 rows leaves the screen: moves up 3 rows
  EXPECT_EQ(PlaceSubmenu(p), (MenuPoint{300, 976}));
  p.visibleRows = -1;  // "all rows" counts the children, never moves down
  EXPECT_EQ(PlaceSubmenu(p), (MenuPoint{300, 976}));
}

TEST(ControlsButtons, BitmapBtnFaceAndCaptionColour) {
  using F = ButtonFace;
  using C = CaptionColour;
  struct Case {
    ButtonState state;
    FaceChoice choice;
  } cases[] = {
      {{}, {F::kMain, C::kNormal}},
      {{.hover = true}, {F::kOver, C::kHover}},
      {{.pressed = true, .hover = true}, {F::kMain, C::kPressed}},
      {{.checked = true}, {F::kDown, C::kPressed}},
      {{.checked = true, .hover = true}, {F::kDown, C::kHover}},
      {{.disabled = true}, {F::kDisabled, C::kGrey}},
      // Checked and disabled: disabled wins for the image and the caption.
      {{.checked = true, .disabled = true}, {F::kDisabled, C::kGrey}},
      {{.pressed = true, .disabled = true}, {F::kDisabled, C::kGrey}},
  };
  for (const Case& c : cases) {
    const FaceChoice got = ChooseBitmapBtnFace(c.state);
    EXPECT_EQ(got.face, c.choice.face);
    EXPECT_EQ(got.colour, c.choice.colour);
  }
}

TEST(ControlsButtons, DerivedButtonsFaceRules) {
  using F = ButtonFace;
  using C = CaptionColour;
  const ButtonState checkedDisabled{.checked = true, .disabled = true};
  EXPECT_EQ(ChooseBitmapBtnExFace(checkedDisabled), (FaceChoice{F::kDown, C::kNormal}));
  EXPECT_EQ(ChoosePngListBtnFace(checkedDisabled), (FaceChoice{F::kDisabled, C::kDisabledField}));
  EXPECT_EQ(ChooseBitmapBtnExFace({.pressed = true}), (FaceChoice{F::kDown, C::kActive}));
  EXPECT_EQ(ChoosePngListBtnFace({.pressed = true}), (FaceChoice{F::kDown, C::kPressed}));
  EXPECT_EQ(ChooseBitmapBtnExFace({.hover = true, .disabled = true}),
            (FaceChoice{F::kOver, C::kActive}));
  EXPECT_EQ(ChooseBitmapBtn2Face({.checked = true}, true, true),
            (FaceChoice{F::kDisabled, C::kActive}));
  EXPECT_EQ(ChooseBitmapBtn2Face({.hover = true}, false, false),
            (FaceChoice{F::kOver, C::kNormal}));
  EXPECT_EQ(ChooseBitmapBtn2Face({.hover = true}, false, true), (FaceChoice{F::kOver, C::kHover}));
}

TEST(ControlsButtons, ClickGuardAllowsOneClickPer500Ms) {
  ClickGuard guard;
  EXPECT_TRUE(guard.Click(10000));
  EXPECT_FALSE(guard.Click(10300));
  EXPECT_FALSE(guard.Click(10500));
  EXPECT_TRUE(guard.Click(10501));
  // A double click refreshes the time, so its second release sends nothing.
  EXPECT_TRUE(guard.DoubleClick(10600));
  EXPECT_FALSE(guard.Click(10700));
  EXPECT_FALSE(guard.DoubleClick(10600));
  // The tick counter wraps after 49.7 days.
  ClickGuard wrapped;
  EXPECT_TRUE(wrapped.Click(0xFFFFFF00u));
  EXPECT_FALSE(wrapped.Click(0x00000010u));
  EXPECT_TRUE(wrapped.Click(0x00000300u));
}

}  // namespace
