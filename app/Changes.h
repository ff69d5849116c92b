// What a command of the main window changed. Areas report it; the main dialog
// turns it into refreshes, so that no area has to know another.
#pragma once

enum Change : unsigned {
  kNothingChanged = 0,
  kProfilesChanged = 1u << 0,     // Current, Totle or the profile records: the whole bar
  kPagesChanged = 1u << 1,        // values of the current profile: every page
  kAssignmentsChanged = 1u << 2,  // button functions: both lists and the rows
  kLibrariesChanged = 1u << 3,    // a library file changed: reload it, both lists and rows
  kPageSwitched = 1u << 4,        // the current page: ShowPage
  kBackgroundChanged = 1u << 5,   // the background picture path
  kLanguageChanged = 1u << 6,     // the skin file: rebuild the window
};
using Changes = unsigned;
