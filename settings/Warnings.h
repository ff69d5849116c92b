// The program's numbered warnings. A rule that refuses returns one of these;
// the window shows the warning dialog with that number, whose text is under
// "WARN_TEXT" of the skin file.
#pragma once

enum Warning : int {
  kAccepted = 0,
  kWarnLastLeftClick = 11,  // no button would keep the primary-button function
  kWarnProfilesFull = 12,   // six profiles exist
  kWarnLibraryFull = 13,    // a library holds 100 entries
  kWarnRecordingFull = 14,  // recording reached the event capacity
  kWarnDuplicateName = 16,  // another profile has that name
  kWarnTooManyMacros = 17,  // a fifth macro or pattern button in one profile
  kWarnEntryInUse = 18,     // a button of the shown profile uses the entry
  kWarnConfirmReset = 19,   // the one confirmation: OK resets the current profile
};
