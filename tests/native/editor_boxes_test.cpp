#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "macro/EditorBoxes.h"
#include "macro/RecoilLayout.h"
#include "settings/Utf.h"

namespace {

std::string Shown(const std::optional<std::u16string>& replacement) {
  return replacement ? Utf16ToUtf8(*replacement) : "(kept)";
}

TEST(EditorBoxes, DelayAndCountBoxesAreCappedOnKeyRelease) {
  struct Case {
    const char16_t* text;
    int limit;
    const char* shown;
  } cases[] = {
      {u"20000", 12750, "12750"},    {u"12750", 12750, "(kept)"},
      {u"12751", 12750, "12750"},    {u"16", 15, "15"},
      {u"15", 15, "(kept)"},         {u"", 15, "(kept)"},
      {u"99999999999999", 15, "15"},  // far past what an int holds
  };
  for (const Case& c : cases)
    EXPECT_EQ(Shown(CappedBoxText(c.text, c.limit)), c.shown) << Utf16ToUtf8(c.text);
}

TEST(EditorBoxes, SaveNeedsTwoEventsANameAndNoRecording) {
  EXPECT_TRUE(SaveAllowed(false, 2, u"M"));
  EXPECT_FALSE(SaveAllowed(false, 1, u"M"));
  EXPECT_FALSE(SaveAllowed(false, 2, u""));
  EXPECT_FALSE(SaveAllowed(true, 2, u"M"));
}

TEST(ShotBoxes, TypedTextIsLimitedAndWrittenThePlainWay) {
  struct Case {
    ShotBox box;
    const char16_t* text;
    const char* shown;
  } cases[] = {
      {ShotBox::kVertical, u"7", "0"},
      {ShotBox::kVertical, u"-80", "-50"},
      {ShotBox::kVertical, u"-12", "(kept)"},
      {ShotBox::kVertical, u"-0", "0"},
      {ShotBox::kVertical, u"-07", "-7"},
      {ShotBox::kVertical, u"-", "(kept)"},  // on the way to a negative number
      {ShotBox::kVertical, u"", "(kept)"},
      {ShotBox::kHorizontal, u"51", "50"},
      {ShotBox::kHorizontal, u"-51", "-50"},
      {ShotBox::kHorizontal, u"5-3", "5"},
      {ShotBox::kHorizontal, u"--3", "0"},
      {ShotBox::kHorizontal, u"007", "7"},
      {ShotBox::kHorizontal, u"0", "(kept)"},
      {ShotBox::kInterval, u"1000", "999"},
      {ShotBox::kInterval, u"999", "(kept)"},
      {ShotBox::kInterval, u"040", "40"},
      {ShotBox::kInterval, u"-5", "0"},
      {ShotBox::kInterval, u"4294967296", "999"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Shown(NormalisedShotBox(c.box, c.text)), c.shown)
        << static_cast<int>(c.box) << " " << Utf16ToUtf8(c.text);
}

TEST(ShotBoxes, StepButtonsStopAtTheLimits) {
  struct Case {
    ShotBox box;
    const char16_t* text;
    int delta;
    const char16_t* shown;
  } cases[] = {
      {ShotBox::kVertical, u"-50", -1, u"-50"}, {ShotBox::kVertical, u"0", +1, u"0"},
      {ShotBox::kVertical, u"-3", +1, u"-2"},   {ShotBox::kInterval, u"999", +1, u"999"},
      {ShotBox::kInterval, u"1", -1, u"0"},     {ShotBox::kInterval, u"0", -1, u"0"},
      {ShotBox::kHorizontal, u"50", +1, u"50"}, {ShotBox::kHorizontal, u"-50", -1, u"-50"},
      {ShotBox::kHorizontal, u"", +1, u"1"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SteppedBoxText(c.box, c.text, c.delta), c.shown)
        << static_cast<int>(c.box) << " " << Utf16ToUtf8(c.text) << " " << c.delta;
}

TEST(ShotBoxes, StepRowsMatchTheirSkinKeys) {
  // Keys "5".."10": vertical up, vertical down, horizontal down, horizontal
  // up, interval up, interval down.
  for (const StepRow& row : kStepRows) {
    const int key = BoxNumber(row.skinKey);
    const ShotBox box = key <= 6   ? ShotBox::kVertical
                        : key <= 8 ? ShotBox::kHorizontal
                                   : ShotBox::kInterval;
    const int delta = key == 5 || key == 8 || key == 9 ? +1 : -1;
    EXPECT_EQ(row.box, box) << key;
    EXPECT_EQ(row.delta, delta) << key;
  }
}

}  // namespace
