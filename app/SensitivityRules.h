// Rules of the sensitivity page that need no window: the texts of the DPI
// levels and polling rates, the level menu, the repairs of the shown level
// and polling entry, and the colour picker's caption.
#pragma once

#include <string>
#include <vector>

struct ProfileRecord;

constexpr int kPollingEntries = 4;

// The DPI of a table entry as the page shows it: "600" … "7000", "X" for an
// entry that turns the level off (0) and for any entry outside the table.
std::u16string LevelText(int entry);
// Whether a level has a colour to pick: a level that is off has none.
bool LevelHasColour(int entry);
// "125Hz" … "1000Hz"; empty outside the table.
std::u16string PollingText(int entry);

struct LevelMenuItem {
  std::u16string caption;
  int value;  // the DPI table entry
};
// Every DPI table entry, "X" first.
std::vector<LevelMenuItem> LevelMenuItems();
// A level menu pick sets the active level's entry; false when the pick or the
// active level lies outside its range and nothing changes.
bool ApplyLevelPick(ProfileRecord& profile, int entry);

// The active level, 3 when it lies outside 0..6.
int RepairedLevel(int dpiCur);
// The polling entry, 2 when it lies outside 0..3.
int RepairedPolling(int pollRate);

// The caption of the colour picker for a level: "1200 DPI: ", or "X" for a
// level that is off.
std::u16string ColourDialogCaption(int entry);
